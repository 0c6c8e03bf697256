#include "data/AppPaths.h"

#include "data/UserDirs.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include <pwd.h>
#include <unistd.h>

namespace vellumark {

namespace fs = std::filesystem;

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

std::string InstalledDataFolder(const std::string& programFolder) {
    return (fs::path(programFolder) / kInstalledDataFromProgram).lexically_normal().string();
}

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string Describe(const fs::path& entry) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(entry, error);
    if (fs::is_symlink(status)) {
        const fs::path target = fs::read_symlink(entry, error);
        return "a link to " + (error ? std::string("an unreadable place") : target.string());
    }
    if (fs::is_directory(status)) return "a folder";
    return "a file";
}

/// What stands on the way to `folder` where a folder should be: a link to
/// nothing (with where it points) or a file; empty when nothing does.
std::string InTheWay(const fs::path& folder) {
    fs::path on;
    for (const fs::path& part : folder) {
        on /= part;
        std::error_code error;
        const fs::file_status status = fs::status(on, error);
        if (fs::is_symlink(fs::symlink_status(on, error)) &&
            status.type() == fs::file_type::not_found)
            return on.string() + " is a link to nothing (it points to " +
                   fs::read_symlink(on, error).string() + ")";
        if (fs::exists(status) && !fs::is_directory(status)) return on.string() + " is a file";
    }
    return {};
}

}  // namespace

FolderEnvironment ProcessEnvironment() {
    FolderEnvironment environment;
    environment.home = Variable("HOME");
    if (environment.home.empty()) {
        const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
        std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384, '\0');
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
            found->pw_dir)
            environment.home = found->pw_dir;
    }
    environment.xdgConfigHome = Variable("XDG_CONFIG_HOME");
    environment.xdgDocumentsDir = Variable("XDG_DOCUMENTS_DIR");
    return environment;
}

std::string DocumentsFolder(const FolderEnvironment& environment, std::string* note) {
    const std::string& home = environment.home;
    if (home.empty() || home.front() != '/') {
        if (note)
            *note = home.empty() ? "HOME is not set."
                                 : "HOME is " + home + ", which is not an absolute path.";
        return {};
    }
    const std::string config =
        !environment.xdgConfigHome.empty() && environment.xdgConfigHome.front() == '/'
            ? environment.xdgConfigHome
            : home + "/.config";
    const UserDirsFile userDirs = ReadUserDirsFile(config + "/user-dirs.dirs");
    if (note) *note = userDirs.note;
    std::string documents = DocumentsDirAssigned(userDirs.text, home).value_or("");
    if (documents.empty() || documents.front() != '/' || documents.find('\0') != std::string::npos)
        documents = environment.xdgDocumentsDir;
    if (documents.empty() || documents.front() != '/') documents = home + "/Documents";
    fs::path folder = fs::path(documents).lexically_normal();
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return folder.string();
}

AppFolders ChooseAppFolders(const std::string& programFolder, const std::string& installedData,
                            const FolderEnvironment& environment, FolderSetup setup) {
    std::error_code error;
    if (fs::is_directory(fs::path(programFolder) / "Data", error) ||
        !fs::is_directory(installedData, error))
        return {programFolder, false, {}, {}};

    std::string note;
    const std::string documents = DocumentsFolder(environment, &note);
    if (documents.empty())
        return {{}, true, "The folder for Vellumark's reports was not found: " + note, {}};
    const fs::path app = fs::path(documents) / "Vellumark";
    if (setup == FolderSetup::DescribeOnly) return {app.string(), true, {}, note};
    const fs::path report = app / "Report";
    fs::create_directories(report, error);
    if (error || !fs::is_directory(report)) {
        std::string why = InTheWay(report);
        if (why.empty()) why = error ? error.message() : "Not a directory";
        return {
            {}, true, "The folder " + report.string() + " could not be created: " + why + ".", {}};
    }

    // The link is made once; a second program starting at the same moment may make
    // it first, which is as good.
    const fs::path data = app / "Data";
    std::error_code made;
    if (!fs::exists(fs::symlink_status(data, error))) fs::create_symlink(installedData, data, made);
    if (!fs::exists(fs::symlink_status(data, error)))
        return {{},
                true,
                "The link " + data.string() + " to " + installedData +
                    " could not be created: " + made.message() + ".",
                {}};
    if (!fs::is_symlink(fs::symlink_status(data, error)) ||
        !fs::equivalent(data, installedData, error))
        return {{},
                true,
                data.string() + " should be a link to " + installedData + ", but it is " +
                    Describe(data) + ". Move it out of the way and start Vellumark again.",
                {}};
    return {app.string(), true, {}, note};
}

AppFolders ChooseAppFolders(FolderSetup setup) {
    std::string error;
    const std::string program = ProgramFolder(error);
    if (program.empty())
        return {{},
                false,
                "The program's folder, which holds its Data and Report folders, was not found: " +
                    error,
                {}};
    return ChooseAppFolders(program, InstalledDataFolder(program), ProcessEnvironment(), setup);
}

std::string ReportsGoTo(const AppFolders& folders) {
    if (folders.app.empty()) return {};
    const std::string goTo = "Reports go to " + ReportFolder(folders.app) + ".";
    return folders.note.empty() ? goTo : goTo + " " + folders.note;
}

bool HasReadText(const std::string& appPath) {
    std::error_code error;
    return std::filesystem::is_regular_file(TextPath(appPath, Reading::Read, kLineDataFile), error);
}

}  // namespace vellumark
