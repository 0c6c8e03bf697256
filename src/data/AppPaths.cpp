#include "data/AppPaths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace vellumark {

std::string ProgramFolder(std::string& error) {
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath("/proc/self/exe", nullptr),
                                                           &std::free);
    if (!real) {
        error = std::string("the program's own path could not be read: ") + std::strerror(errno);
        return {};
    }
    const std::string path(real.get());
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) {
        error = "the program does not lie in a folder of its own: " + path;
        return {};
    }
    return path.substr(0, slash);
}

}  // namespace vellumark
