#pragma once

#include "data/AppPaths.h"
#include "databuilder/DataBuilder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <string>

namespace bench {

/// Builds the real data from Debian's bibledit-data into a program folder of
/// its own, runs the benchmarks over it and removes it. The folder lies in the
/// temporary folder (TMPDIR): on a disk, wall time measures the disk's
/// write-back as well, CPU time does not.
inline int RunOverRealData(int argc, char* argv[], const char* folderName, std::string& appPath) {
    namespace fs = std::filesystem;
    const std::string sources = vellumark::kSourcesFolder;
    if (!fs::exists(sources + "/kjv.xml")) {
        std::cerr
            << "The benchmarks need Debian's bibledit-data (apt-get install bibledit-data).\n";
        return 1;
    }
    // Nothing is written under /dev (AtomicFile refuses it): the temporary folder.
    const fs::path base = fs::temp_directory_path();
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
