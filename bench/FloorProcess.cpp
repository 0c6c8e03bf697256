// The floor of a whole process: start, read the record files, decode and sum
// every field, and write the bytes of a given file to standard output, as a
// search writes its rows. Usage: vellumark_floor APP_FOLDER BYTES_FILE
#include "Floor.h"

#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 3) return 2;
    const std::int64_t sum = bench::ReadDecodeSum(argv[1]);
    const std::string bytes = bench::ReadAll(argv[2]);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return sum == 0 ? 1 : 0;
}
