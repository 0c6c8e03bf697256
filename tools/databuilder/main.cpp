// vellumark-data: builds the workbench's four data files from the Hebrew Bible
// and the King James Version that Debian's package bibledit-data ships.
#include "data/AppPaths.h"
#include "databuilder/DataBuilder.h"
#include "databuilder/Sources.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    namespace fs = std::filesystem;
    std::string sources = vellumark::kSourcesFolder;
    std::string data;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sources" && i + 1 < argc) {
            sources = argv[++i];
        } else if (arg == "--help" || arg == "-h" || (!arg.empty() && arg[0] == '-') ||
                   !data.empty()) {
            std::cerr << "usage: vellumark-data [DATA_FOLDER] [--sources FOLDER]\n"
                         "Writes LineData.dat, WordMatrix.dat, Hebrew.txt and EnglishOT.html into\n"
                         "DATA_FOLDER (default: the Data folder beside this program).\n";
            return arg == "--help" || arg == "-h" ? 0 : 2;
        } else {
            data = arg;
        }
    }
    if (data.empty()) {
        std::error_code error;
        const fs::path self = fs::read_symlink("/proc/self/exe", error);
        const fs::path program = error ? fs::current_path() : self.parent_path();
        // An installed program keeps its data elsewhere: a Data folder beside it
        // would take the place of the installed one for the window.
        if (!fs::is_directory(program / "Data", error) &&
            fs::is_directory(vellumark::InstalledDataFolder(program.string()), error)) {
            std::cerr << "vellumark-data: name the folder to write the data into; the installed "
                         "data in "
                      << vellumark::InstalledDataFolder(program.string())
                      << " comes with the package.\n";
            return 2;
        }
        data = (program / "Data").string();
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        const databuilder::BuildSummary summary = databuilder::BuildData(sources, data);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
        std::cout << "Wrote " << summary.verses << " verses to " << data << " in " << ms
                  << " ms.\n";
        for (const std::string& lost : summary.lostKjvVerses)
            std::cerr << "warning: KJV " << lost << " is shown in no verse.\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "vellumark-data: " << error.what() << '\n';
        return 1;
    }
}
