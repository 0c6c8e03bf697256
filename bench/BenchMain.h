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
/// its own under the temporary folder, runs the benchmarks over it and removes
/// it. The benchmarks measure CPU time, which the disk does not change (files
/// under /dev, such as /dev/shm, are never written by the data builder).
inline int RunOverRealData(int argc, char* argv[], const char* folderName, std::string& appPath) {
    namespace fs = std::filesystem;
    const std::string sources = vellumark::kSourcesFolder;
    if (!fs::exists(sources + "/kjv.xml")) {
        std::cerr
            << "The benchmarks need Debian's bibledit-data (apt-get install bibledit-data).\n";
        return 1;
    }
    appPath = (fs::temp_directory_path() / folderName).string();
    databuilder::BuildData(sources, appPath + "/Data");
    fs::create_directories(appPath + "/Report");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(appPath);
    return 0;
}

}  // namespace bench
