// The command line's main() in process, over the small data set, with the
// words of the input as its arguments. The input is the text of values.txt up
// to a NUL byte, then the arguments, each ended by a NUL; Report/r.html is a
// small report to filter. The program runs in a folder of its own, which is
// also its home: every path stays inside it ("/" in an argument becomes "_",
// ".." becomes "_.."). Whatever the arguments, the program ends with the
// status of a result or a refusal and leaves no temporary file behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "FuzzSupport.h"
#include "SmallData.h"
#include "data/AppPaths.h"

/// main() of tools/cli/main.cpp, which this target builds under that name.
int VellumarkCliMain(int argc, char** argv);

namespace {

using fuzzing::Require;

constexpr std::size_t kMaxArguments = 16;

/// Report/r.html, for the filter.
constexpr std::string_view kReport =
    "<html>\r\n<head>\r\n</head>\r\n<body>\r\n"
    "<p><a href='..\\Data\\EnglishOT.html#1'><b>Gen 1:1 </b></a>  <b><i>W1</i></b> W2\r\n"
    "<blockquote><font color='blue'>E</font></blockquote>\r\n</body></html>\r\n";

/// The folder the program runs in, with its home, standard input and output
/// set once for the process.
const std::string& Home() {
    static const std::string home = [] {
        const std::string& folder = fuzzing::AppFolder();
        Require(::chdir(folder.c_str()) == 0, "chdir");
        ::setenv("HOME", folder.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
        const int null = ::open("/dev/null", O_RDWR);
        Require(null >= 0 && ::dup2(null, STDIN_FILENO) >= 0 && ::dup2(null, STDOUT_FILENO) >= 0,
                "/dev/null");
        ::close(null);
        return folder;
    }();
    return home;
}

void Reset(const std::string& home) {
    static const std::array<std::string, 4> data = fuzzing::SmallData();
    fuzzing::ClearFolder(home);
    std::filesystem::create_directory(home + "/Data");
    std::filesystem::create_directory(home + "/Report");
    for (std::size_t k = 0; k < data.size(); ++k)
        fuzzing::WriteFile(vellumark::DataPath(home, vellumark::kDataFiles[k]), data[k]);
    fuzzing::WriteFile(vellumark::ReportPath(home, "r"), kReport);
}

/// True for a name AtomicFile gives its temporaries: ".<name>.XXXXXX".
bool IsTemporary(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return name.size() > 8 && name[0] == '.' && dot != 0 && name.size() - dot == 7;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& home = Home();
    Reset(home);
    fuzzing::Input input(data, size);
    fuzzing::WriteFile(home + "/values.txt", input.text(4096));
    std::vector<std::string> words = {"vellumark-cli"};
    while (!input.rest().empty() && words.size() <= kMaxArguments) {
        std::string word = input.text(256);
        for (char& c : word)
            if (c == '/') c = '_';
        if (word == "..") word = "_..";
        words.push_back(word);
    }
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    // The program's one-line messages would drown the fuzzer's own.
    const int err = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDERR_FILENO);
    ::close(null);
    const int status = VellumarkCliMain(static_cast<int>(words.size()), argv.data());
    ::dup2(err, STDERR_FILENO);
    ::close(err);

    Require(status >= 0 && status <= 3, "an exit status of no meaning");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home))
        Require(!IsTemporary(entry.path().filename().string()), "a temporary file left behind");
    return 0;
}
