// The documents folder over generated homes. The input is a flags byte and then
// the text of user-dirs.dirs:
//   bits 0-1: what user-dirs.dirs is: 0 a file, 1 a link to a file, 2 a named
//             pipe, 3 a folder;
//   bit 2:    it lies in $XDG_CONFIG_HOME (<home>/config) rather than ~/.config;
//   bit 3:    XDG_DOCUMENTS_DIR is set in the environment;
//   bit 4:    the file is padded past the size that is read.
// The folder found is always an absolute, normal path without NUL bytes; a file
// that is not read is named in the note and leaves the fallback folder; the help's
// description of the folders makes nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include <sys/stat.h>

#include "FuzzSupport.h"
#include "data/AppPaths.h"
#include "data/UserDirs.h"

namespace {

namespace fs = std::filesystem;
using fuzzing::Require;

const char* const kEnvironmentDocuments = "/environment/documents";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    const std::uint8_t flags = input.byte();
    std::string text(input.rest());
    const int kind = flags & 3;
    const bool padded = (flags & 16) != 0;
    if (padded && text.size() <= vellumark::kMaxUserDirsBytes)
        text.append(vellumark::kMaxUserDirsBytes + 1 - text.size(), '#');

    const std::string& app = fuzzing::AppFolder();  // its Data stands for the installed data
    const std::string home = app + "/home";
    fs::remove_all(home);
    const std::string config = home + ((flags & 4) ? "/config" : "/.config");
    fs::create_directories(config);
    const std::string file = config + "/user-dirs.dirs";
    if (kind == 0) fuzzing::WriteFile(file, text);
    if (kind == 1) {
        fuzzing::WriteFile(home + "/dirs", text);
        fs::create_symlink("../dirs", file);
    }
    if (kind == 2) Require(::mkfifo(file.c_str(), 0600) == 0, "the pipe could not be made");
    if (kind == 3) fs::create_directory(file);

    const vellumark::FolderEnvironment environment{home, (flags & 4) ? config : std::string(),
                                                   (flags & 8) ? kEnvironmentDocuments : ""};
    std::string note;
    const std::string documents = vellumark::DocumentsFolder(environment, &note);
    Require(!documents.empty() && documents.front() == '/', "the folder is not absolute");
    Require(documents.find('\0') == std::string::npos, "the folder holds a NUL byte");
    Require(fs::path(documents).lexically_normal().string() == documents,
            "the folder is not in its normal form");
    const bool read = kind < 2 && !padded;
    Require(note.empty() == read, "a note without cause, or a file passed over in silence");
    if (!read) {
        Require(note.find(file) == 0, "the note does not name the file");
        Require(documents == ((flags & 8) ? kEnvironmentDocuments : home + "/Documents"),
                "a file that was not read chose the folder");
    }

    const std::vector<std::string> before = fuzzing::FilesIn(home);
    const vellumark::AppFolders described = vellumark::ChooseAppFolders(
        app + "/bin", app + "/Data", environment, vellumark::FolderSetup::DescribeOnly);
    Require(described.app == (fs::path(documents) / "Vellumark").string(),
            "the help describes another folder");
    Require(described.note == note, "the help gives another reason");
    Require(fuzzing::FilesIn(home) == before, "describing the folders made something");
    return 0;
}
