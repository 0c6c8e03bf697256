#pragma once

#include <string>

namespace vellumark {

inline constexpr const char* kLineDataFile = "LineData.dat";
inline constexpr const char* kWordMatrixFile = "WordMatrix.dat";
inline constexpr const char* kHebrewFile = "Hebrew.txt";
inline constexpr const char* kEnglishFile = "EnglishOT.html";

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

}  // namespace vellumark
