#pragma once

#include "data/AppPaths.h"
#include "databuilder/DataBuilder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace bench {

/// Builds the real data from Debian's bibledit-data into a program folder of
/// its own, runs the benchmarks over it and removes it. The folder lies in
/// memory where it can (the user's runtime folder; the program writes nothing
/// under /dev, so not /dev/shm): on a disk, wall time would measure the disk's
/// write-back rather than the program.
inline int RunOverRealData(int argc, char* argv[], const char* folderName, std::string& appPath) {
    namespace fs = std::filesystem;
    const std::string sources = vellumark::kSourcesFolder;
    if (!fs::exists(sources + "/kjv.xml")) {
        std::cerr
            << "The benchmarks need Debian's bibledit-data (apt-get install bibledit-data).\n";
        return 1;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const fs::path base = runtime && *runtime && fs::is_directory(runtime)
                              ? fs::path(runtime)
                              : fs::temp_directory_path();
    appPath = (base / folderName).string();
    databuilder::BuildData(sources, appPath + "/Data");
    fs::create_directories(appPath + "/Report");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(appPath);
    return 0;
}

}  // namespace bench
