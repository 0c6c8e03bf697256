#pragma once

#include <array>
#include <string>

namespace vellumark {

inline constexpr const char* kLineDataFile = "LineData.dat";
inline constexpr const char* kWordMatrixFile = "WordMatrix.dat";
inline constexpr const char* kHebrewFile = "Hebrew.txt";
inline constexpr const char* kEnglishFile = "EnglishOT.html";
/// The four data files in the order the start-up checks them.
inline constexpr std::array<const char*, 4> kDataFiles = {kLineDataFile, kWordMatrixFile,
                                                          kHebrewFile, kEnglishFile};

/// Where Debian's bibledit-data keeps the texts the data files are built from.
inline constexpr const char* kSourcesFolder = "/usr/share/bibledit/sources";

/// "<app>/Data/<file>": every data file lies in the Data folder beside the program.
inline std::string DataPath(const std::string& appPath, const std::string& file) {
    return appPath + "/Data/" + file;
}

/// "<app>/Report/": the folder of the reports.
inline std::string ReportFolder(const std::string& appPath) { return appPath + "/Report/"; }

/// "<app>/Report/<name>.html".
inline std::string ReportPath(const std::string& appPath, const std::string& name) {
    return ReportFolder(appPath) + name + ".html";
}

/// The folder of the running program, from the executable's real path, as the
/// file system's bytes (whatever their encoding). Empty when it cannot be
/// found; `error` then says why.
std::string ProgramFolder(std::string& error);

}  // namespace vellumark
