#include "data/AppPaths.h"
#include "support/Fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vellumark;
using testing::HasSubstr;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace fs = std::filesystem;

namespace {

/// An installed tree under a temporary prefix: <prefix>/bin and
/// <prefix>/share/vellumark/Data with an English file, and an empty home.
struct InstalledTree {
    TempDir dir;
    std::string bin = dir.file("usr/bin");
    std::string data = dir.file("usr/share/vellumark/Data");
    std::string home = dir.file("home");
    InstalledTree() {
        fs::create_directories(bin);
        fs::create_directories(home);
        WriteFile(data + "/" + kEnglishFile, "english");
    }
    AppFolders choose() const { return ChooseAppFolders(bin, data, {home, {}, {}}); }
    std::string app() const { return home + "/Documents/Vellumark"; }
};

TEST(AppFolders, portableOrNoData_staysWithTheProgramAndMakesNothing) {
    InstalledTree portable;  // Data beside the program wins over the installed data
    fs::create_directory(portable.bin + "/Data");
    TempDir none;  // no data anywhere: the program's folder, for the start-up check
    const std::pair<AppFolders, std::string> cases[] = {
        {portable.choose(), portable.bin},
        {ChooseAppFolders(none.path(), none.file("share/vellumark/Data"), {none.file("home")}),
         none.path()}};
    for (const auto& [folders, program] : cases) {
        EXPECT_EQ(folders.app, program);
        EXPECT_FALSE(folders.installed);
        EXPECT_EQ(folders.message, "");
    }
    EXPECT_FALSE(fs::exists(portable.home + "/Documents"));
    EXPECT_FALSE(fs::exists(none.file("home")));
}

TEST(AppFolders, installed_makesReportAndDataLinkInDocuments_andReusesThem) {
    EXPECT_EQ(InstalledDataFolder("/usr/bin"), "/usr/share/vellumark/Data");
    EXPECT_EQ(InstalledDataFolder("/opt/v/bin/"), "/opt/v/share/vellumark/Data");
    InstalledTree tree;
    const AppFolders described =
        ChooseAppFolders(tree.bin, tree.data, {tree.home}, FolderSetup::DescribeOnly);
    EXPECT_EQ(ReportsGoTo(described), "Reports go to " + tree.app() + "/Report/.");
    EXPECT_TRUE(fs::is_empty(tree.home)) << "described only, nothing made";
    for (int run = 0; run < 2; ++run) {
        const AppFolders folders = tree.choose();
        ASSERT_EQ(folders.message, "") << "run " << run;
        EXPECT_EQ(folders.app, tree.app());
        EXPECT_TRUE(folders.installed);
        EXPECT_TRUE(fs::is_directory(ReportFolder(folders.app)));
        EXPECT_EQ(fs::read_symlink(tree.app() + "/Data"), tree.data);
        // A report's link "..\Data\EnglishOT.html#N" resolves from the Report folder.
        EXPECT_EQ(ReadFile(ReportFolder(folders.app) + "../Data/" + kEnglishFile), "english");
        EXPECT_EQ(ReportsGoTo(folders), "Reports go to " + tree.app() + "/Report/.");
    }
}

// A Data entry found in <documents>/Vellumark: only a link to the installed data
// is used; anything else is reported and left as it is.
TEST(AppFolders, installed_existingDataEntry) {
    const struct {
        const char* name;
        char kind;          // 'd' a folder, 'f' a file, 'l' a link
        const char* link;   // the link's target, below the tree's folder
        const char* found;  // how the message describes it; empty when accepted
    } cases[] = {
        {"folder", 'd', "", "a folder"},
        {"file", 'f', "", "a file"},
        {"link elsewhere", 'l', "home", "a link to "},
        {"dangling link", 'l', "old/share/vellumark/Data", "a link to "},
        {"same folder by another path", 'l', "usr/bin/../share/vellumark/Data", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledTree tree;
        const std::string data = tree.app() + "/Data";
        fs::create_directories(c.kind == 'd' ? data : tree.app());
        if (c.kind == 'f') WriteFile(data, "x");
        if (c.kind == 'l') fs::create_directory_symlink(tree.dir.file(c.link), data);
        const fs::file_type before = fs::symlink_status(data).type();
        const AppFolders folders = tree.choose();
        const bool accepted = c.found[0] == '\0';
        EXPECT_EQ(folders.app, accepted ? tree.app() : "");
        if (accepted)
            EXPECT_EQ(folders.message, "");
        else
            EXPECT_THAT(folders.message, HasSubstr(data + " should be a link to " + tree.data +
                                                   ", but it is " + c.found));
        EXPECT_EQ(fs::symlink_status(data).type(), before);
    }
}

// Documents or Report that cannot be a folder, or no usable HOME: no folder,
// and a message that says why.
TEST(AppFolders, installed_folderNotMadeIsReported) {
    const struct {
        const char* name;
        const char* documents;  // what ~/Documents is: a file, or a link to this
        const char* report;     // a link to this at ~/Documents/Vellumark/Report
        const char* home;       // HOME when not the tree's
        std::string message;    // "~" stands for the home folder
    } cases[] = {
        {"a file", "", nullptr, nullptr,
         "The folder ~/Documents/Vellumark/Report could not be created: ~/Documents is a file."},
        {"Documents a link to nothing", "Gone", nullptr, nullptr,
         "The folder ~/Documents/Vellumark/Report could not be created: ~/Documents is a link to "
         "nothing (it points to Gone)."},
        {"Report a link to nothing", nullptr, "/no/where", nullptr,
         "The folder ~/Documents/Vellumark/Report could not be created: "
         "~/Documents/Vellumark/Report is a link to nothing (it points to /no/where)."},
        {"no HOME", nullptr, nullptr, "",
         "The folder for Vellumark's reports was not found: HOME is not set."},
        {"relative HOME", nullptr, nullptr, "home",
         "The folder for Vellumark's reports was not found: HOME is home, which is not an "
         "absolute path."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledTree tree;
        const std::string documents = tree.home + "/Documents";
        if (c.documents && c.documents[0] == '\0') WriteFile(documents, "a file");
        if (c.documents && c.documents[0] != '\0') fs::create_symlink(c.documents, documents);
        if (c.report) {
            fs::create_directories(tree.app());
            fs::create_symlink(c.report, tree.app() + "/Report");
        }
        const AppFolders folders =
            ChooseAppFolders(tree.bin, tree.data, {c.home ? c.home : tree.home, {}, {}});
        std::string message = c.message;
        for (std::size_t at; (at = message.find('~')) != std::string::npos;)
            message.replace(at, 1, tree.home);
        EXPECT_EQ(folders.message, message);
        EXPECT_EQ(ReportsGoTo(folders), "");
    }
}

// user-dirs.dirs as the shell reads it for xdg-user-dir, then the environment,
// then ~/Documents. `shell`: xdg-user-dir prints the same folder.
const struct DocumentsCase {
    const char* name;
    const char* userDirs;  // ~/.config/user-dirs.dirs; nullptr: none
    const char* variable;  // XDG_DOCUMENTS_DIR
    const char* expected;  // "~" stands for the home folder
    bool shell;
} kDocumentsCases[] = {
    {"default", nullptr, "", "~/Documents", false},
    {"home relative", "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "", "~/Dokumente",
     true},
    {"last line wins, CR LF", "XDG_DOCUMENTS_DIR=\"$HOME/A\"\n  XDG_DOCUMENTS_DIR=\"$HOME/B\"\r\n",
     "", "~/B", false},
    {"absolute", "XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n", "", "/srv/docs", false},
    {"home itself", "XDG_DOCUMENTS_DIR=\"$HOME\"\n", "", "~", true},
    {"relative ignored", "XDG_DOCUMENTS_DIR=\"docs\"\n", "", "~/Documents", false},
    {"file before variable", "XDG_DOCUMENTS_DIR=\"$HOME/File\"\n", "/var/env", "~/File", true},
    {"variable", nullptr, "/var/env", "/var/env", false},
    {"unquoted", "XDG_DOCUMENTS_DIR=$HOME/Plain\n", "", "~/Plain", true},
    {"braces and a comment", "XDG_DOCUMENTS_DIR=\"${HOME}/Docs\"  # mine\n", "", "~/Docs", true},
    {"export, tilde", "export XDG_DOCUMENTS_DIR=~/Exp\n", "", "~/Exp", true},
    {"escaped quotes", "XDG_DOCUMENTS_DIR=\"$HOME/a \\\"b\\\"\"\n", "", "~/a \"b\"", true},
    {"variable set before, single quotes", "D=$HOME/d; XDG_DOCUMENTS_DIR=$D'$x'\\ y", "", "~/d$x y",
     true},
    {"a command's own variable", "XDG_DOCUMENTS_DIR=/x echo\n", "", "~/Documents", false},
    {"an unknown variable passed over", "XDG_DOCUMENTS_DIR=$HOME/K\nXDG_DOCUMENTS_DIR=$NONE/x", "",
     "~/K", false},
    {"a quote left open", "XDG_DOCUMENTS_DIR=/q\nXDG_DOCUMENTS_DIR=\"/r\n", "", "/q", false},
};

std::string Expected(const DocumentsCase& c, const std::string& home) {
    return c.expected[0] == '~' ? home + (c.expected + 1) : c.expected;
}

TEST(AppFolders, documentsFolder_followsUserDirsThenEnvironmentThenDefault) {
    for (const auto& c : kDocumentsCases) {
        TempDir dir;
        const std::string home = dir.file("home");
        if (c.userDirs) WriteFile(home + "/.config/user-dirs.dirs", c.userDirs);
        EXPECT_EQ(DocumentsFolder({home, "", c.variable}), Expected(c, home)) << c.name;
    }
    // XDG_CONFIG_HOME's user-dirs.dirs hides the one in ~/.config.
    TempDir dir;
    WriteFile(dir.file("home/.config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"/x\"\n");
    WriteFile(dir.file("config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Own\"\n");
    EXPECT_EQ(DocumentsFolder({dir.file("home"), dir.file("config"), ""}), dir.file("home/Own"));
    EXPECT_EQ(DocumentsFolder({}), "");
}

// The environment as the process has it; without HOME, the home folder of the
// password database, as the shell's "~" finds it.
TEST(AppFolders, processEnvironment_readsTheVariables_homeFromThePasswordDatabase) {
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"}) {
        const char* value = std::getenv(name);
        saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    ::setenv("HOME", "/h", 1);
    ::setenv("XDG_CONFIG_HOME", "/c", 1);
    ::setenv("XDG_DOCUMENTS_DIR", "/d", 1);
    const FolderEnvironment set = ProcessEnvironment();
    ::unsetenv("HOME");
    const FolderEnvironment unset = ProcessEnvironment();
    for (const auto& [name, value] : saved)
        value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    EXPECT_EQ(set.home, "/h");
    EXPECT_EQ(set.xdgConfigHome, "/c");
    EXPECT_EQ(set.xdgDocumentsDir, "/d");
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(unset.home, entry->pw_dir);
}

// The rows xdg-user-dir agrees with, run through it when it is installed.
TEST(AppFolders, documentsFolder_asXdgUserDirFindsIt) {
    if (!fs::exists("/usr/bin/xdg-user-dir")) GTEST_SKIP() << "xdg-user-dir is not installed";
    for (const auto& c : kDocumentsCases) {
        if (!c.shell) continue;
        TempDir dir;
        const std::string home = dir.file("home");
        WriteFile(home + "/.config/user-dirs.dirs", c.userDirs);
        const std::string command = "env -i HOME=" + home + " XDG_DOCUMENTS_DIR=" + c.variable +
                                    " /usr/bin/xdg-user-dir DOCUMENTS >" + dir.file("out");
        ASSERT_EQ(std::system(command.c_str()), 0) << c.name;
        EXPECT_EQ(ReadFile(dir.file("out")), Expected(c, home) + "\n") << c.name;
    }
}

// A user-dirs.dirs that is no regular file of a sane size is not read (a pipe
// would never end, a device never stop): the default folder, and the note says why.
TEST(AppFolders, userDirsNotAFile_defaultFolderAndTheReason) {
    const std::pair<std::string, std::string> cases[] = {
        {"pipe", "it is a named pipe, not a file."},
        {"device", "it is a device, not a file."},
        {"folder", "it is a folder, not a file."},
        {"large", "it is larger than 64 KB."},
        {"link", ""},
    };
    for (const auto& [kind, reason] : cases) {
        SCOPED_TRACE(kind);
        InstalledTree tree;
        const std::string file = tree.home + "/.config/user-dirs.dirs";
        fs::create_directories(tree.home + "/.config");
        const std::string line = "XDG_DOCUMENTS_DIR=$HOME/Mine\n";
        if (kind == "pipe") {
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        }
        if (kind == "device") fs::create_symlink("/dev/zero", file);
        if (kind == "folder") fs::create_directory(file);
        if (kind == "large") WriteFile(file, line + std::string(64 * 1024, '#'));
        if (kind == "link") {
            WriteFile(tree.home + "/dirs", line);
            fs::create_symlink("../dirs", file);
        }
        const AppFolders folders = tree.choose();
        const std::string documents = tree.home + (reason.empty() ? "/Mine" : "/Documents");
        EXPECT_EQ(folders.app, documents + "/Vellumark");
        const std::string note = reason.empty() ? "" : " " + file + " was not read: " + reason;
        EXPECT_EQ(ReportsGoTo(folders),
                  "Reports go to " + documents + "/Vellumark/Report/." + note);
    }
}

}  // namespace
