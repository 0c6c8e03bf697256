#include "data/AppPaths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
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

/// The value of the last XDG_DOCUMENTS_DIR line of a user-dirs.dirs file, as the
/// shell would read it: «XDG_DOCUMENTS_DIR="$HOME/Documents"». Only "$HOME/..."
/// and absolute values count, as in xdg-user-dirs.
std::string DocumentsFromUserDirs(const std::string& file, const std::string& home) {
    std::ifstream in(file);
    std::string line;
    std::string found;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        std::string value = line.substr(start + key.size());
        while (!value.empty() &&
               (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value == "$HOME" || value.rfind("$HOME/", 0) == 0)
            found = home + value.substr(5);
        else if (!value.empty() && value.front() == '/')
            found = value;
    }
    return found;
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

std::string DocumentsFolder(const FolderEnvironment& environment) {
    if (environment.home.empty()) return {};
    const std::string config =
        !environment.xdgConfigHome.empty() && environment.xdgConfigHome.front() == '/'
            ? environment.xdgConfigHome
            : environment.home + "/.config";
    std::string documents = DocumentsFromUserDirs(config + "/user-dirs.dirs", environment.home);
    if (documents.empty() && !environment.xdgDocumentsDir.empty() &&
        environment.xdgDocumentsDir.front() == '/')
        documents = environment.xdgDocumentsDir;
    if (documents.empty()) documents = environment.home + "/Documents";
    fs::path folder = fs::path(documents).lexically_normal();
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return folder.string();
}

AppFolders ChooseAppFolders(const std::string& programFolder, const std::string& installedData,
                            const FolderEnvironment& environment) {
    std::error_code error;
    if (fs::is_directory(fs::path(programFolder) / "Data", error) ||
        !fs::is_directory(installedData, error))
        return {programFolder, false, {}};

    const std::string documents = DocumentsFolder(environment);
    if (documents.empty())
        return {{}, true, "The folder for Vellumark's reports was not found: HOME is not set."};
    const fs::path app = fs::path(documents) / "Vellumark";
    const fs::path report = app / "Report";
    fs::create_directories(report, error);
    if (error || !fs::is_directory(report))
        return {{},
                true,
                "The folder " + report.string() + " could not be created: " +
                    (error ? error.message() : "Not a directory") + "."};

    // The link is made once; a second program starting at the same moment may make
    // it first, which is as good.
    const fs::path data = app / "Data";
    std::error_code made;
    if (!fs::exists(fs::symlink_status(data, error))) fs::create_symlink(installedData, data, made);
    if (!fs::exists(fs::symlink_status(data, error)))
        return {{},
                true,
                "The link " + data.string() + " to " + installedData +
                    " could not be created: " + made.message() + "."};
    if (!fs::is_symlink(fs::symlink_status(data, error)) ||
        !fs::equivalent(data, installedData, error))
        return {{},
                true,
                data.string() + " should be a link to " + installedData + ", but it is " +
                    Describe(data) + ". Move it out of the way and start Vellumark again."};
    return {app.string(), true, {}};
}

AppFolders ChooseAppFolders() {
    std::string error;
    const std::string program = ProgramFolder(error);
    if (program.empty())
        return {{},
                false,
                "The program's folder, which holds its Data and Report folders, was not found: " +
                    error};
    return ChooseAppFolders(program, InstalledDataFolder(program), ProcessEnvironment());
}

std::string ReportsGoTo(const AppFolders& folders) {
    return folders.app.empty() ? std::string() : "Reports go to " + ReportFolder(folders.app) + ".";
}

}  // namespace vellumark
