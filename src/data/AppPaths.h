#pragma once

#include <array>
#include <string>

namespace vellumark {

inline constexpr const char* kLineDataFile = "LineData.dat";
inline constexpr const char* kWordMatrixFile = "WordMatrix.dat";
inline constexpr const char* kHebrewFile = "Hebrew.txt";
/// The folder in Data that holds the read text (qere): its own LineData.dat,
/// WordMatrix.dat and Hebrew.txt.
inline constexpr const char* kQereFolder = "Qere";
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

/// Which text the record files and Hebrew.txt hold: as written (ketiv, in
/// Data) or as read (qere, in Data/Qere).
enum class Reading { Written, Read };

/// The path of LineData.dat, WordMatrix.dat or Hebrew.txt of a reading:
/// "<app>/Data/<file>" or "<app>/Data/Qere/<file>".
inline std::string TextPath(const std::string& appPath, Reading reading, const std::string& file) {
    return DataPath(appPath,
                    reading == Reading::Read ? std::string(kQereFolder) + "/" + file : file);
}

/// True when the data holds the read text (Data/Qere/LineData.dat is there).
bool HasReadText(const std::string& appPath);

/// What the window and the command line say when the read text is asked for
/// and the data has none.
inline constexpr const char* kNoReadText =
    "The data has no read text (qere): build it again with vellumark-data, which writes "
    "Data/Qere.";

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

/// Where an installed program finds its data, relative to its own folder:
/// /usr/bin/vellumark reads /usr/share/vellumark/Data.
inline constexpr const char* kInstalledDataFromProgram = "../share/vellumark/Data";

/// "<program>/../share/vellumark/Data", without the "..".
std::string InstalledDataFolder(const std::string& programFolder);

/// What the folder choice reads from the environment. An empty field is unset.
struct FolderEnvironment {
    std::string home;             ///< HOME
    std::string xdgConfigHome;    ///< XDG_CONFIG_HOME; its user-dirs.dirs names the documents
    std::string xdgDocumentsDir;  ///< XDG_DOCUMENTS_DIR, when user-dirs.dirs does not set it
};

/// The running process's environment; HOME falls back to the password database.
FolderEnvironment ProcessEnvironment();

/// The user's documents folder, as xdg-user-dir finds it: XDG_DOCUMENTS_DIR as
/// $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config) sets it, else from the
/// environment, else ~/Documents. `XDG_DOCUMENTS_DIR="$HOME/Texts"` gives
/// /home/ann/Texts; a value that is not an absolute path is passed over.
/// Empty when HOME is unknown or not an absolute path. `note`, when given, says
/// why a user-dirs.dirs that is there was not read, or why there is no folder.
std::string DocumentsFolder(const FolderEnvironment& environment, std::string* note = nullptr);

/// The folder that holds Data and Report, as chosen for this run.
struct AppFolders {
    std::string app;         ///< the folder holding Data and Report; empty on failure
    bool installed = false;  ///< true when app is <documents>/Vellumark
    std::string message;     ///< why no folder could be set up; empty on success
    std::string note;        ///< why the documents folder is the default one; usually empty
};

/// Whether ChooseAppFolders makes the folders of an installed program, or only
/// says where they would be (for the help, which must change nothing).
enum class FolderSetup { Make, DescribeOnly };

/// Chooses the folder that holds Data and Report:
/// - a Data folder beside the program: the program's folder (the portable layout);
/// - else, when `installedData` is a folder: <documents>/Vellumark, with its Report
///   folder and a link Data -> `installedData` made when missing, so that every
///   path below the app folder, and the reports' links "..\Data\EnglishOT.html#N",
///   work as in the portable layout;
/// - else the program's folder, whose start-up check then names the missing file.
/// A folder that cannot be made (a link to nothing on the way is named with its
/// target), or a Data entry other than that link, leaves `app` empty and says so
/// in `message`.
AppFolders ChooseAppFolders(const std::string& programFolder, const std::string& installedData,
                            const FolderEnvironment& environment,
                            FolderSetup setup = FolderSetup::Make);

/// ChooseAppFolders for the running program and its environment.
AppFolders ChooseAppFolders(FolderSetup setup = FolderSetup::Make);

/// "Reports go to <app>/Report/." for the window's status line and the help,
/// followed by the folders' note when there is one; empty when no folder was chosen.
std::string ReportsGoTo(const AppFolders& folders);

}  // namespace vellumark
