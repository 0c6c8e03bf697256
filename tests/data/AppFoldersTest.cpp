#include "data/AppPaths.h"
#include "support/Fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

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

// Portable layout and no data at all: the program's folder, and nothing made.

TEST(AppFolders, dataBesideTheProgram_isPortableEvenWhenInstalledDataExists) {
    InstalledTree tree;
    fs::create_directory(tree.bin + "/Data");
    const AppFolders folders = tree.choose();
    EXPECT_EQ(folders.app, tree.bin);
    EXPECT_FALSE(folders.installed);
    EXPECT_EQ(folders.message, "");
    EXPECT_FALSE(fs::exists(tree.home + "/Documents"));
}

TEST(AppFolders, noDataAnywhere_staysWithTheProgramForTheStartUpCheck) {
    TempDir dir;
    const AppFolders folders =
        ChooseAppFolders(dir.path(), dir.file("share/vellumark/Data"), {dir.file("home")});
    EXPECT_EQ(folders.app, dir.path());
    EXPECT_FALSE(folders.installed);
    EXPECT_EQ(folders.message, "");
    EXPECT_FALSE(fs::exists(dir.file("home")));
}

// Installed layout.

TEST(AppFolders, installedDataFolder_isBesideTheBinFolderOfThePrefix) {
    EXPECT_EQ(InstalledDataFolder("/usr/bin"), "/usr/share/vellumark/Data");
    EXPECT_EQ(InstalledDataFolder("/opt/v/bin/"), "/opt/v/share/vellumark/Data");
}

TEST(AppFolders, installed_makesReportAndDataLinkInDocuments_andReusesThem) {
    InstalledTree tree;
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

TEST(AppFolders, installed_linkMadeByAnotherPathToTheSameFolderIsAccepted) {
    InstalledTree tree;
    fs::create_directories(tree.app());
    fs::create_directory_symlink(tree.bin + "/../share/vellumark/Data", tree.app() + "/Data");
    EXPECT_EQ(tree.choose().message, "");
}

TEST(AppFolders, installed_foreignDataEntryIsReportedAndLeftAlone) {
    struct Case {
        const char* name;
        void (*plant)(const InstalledTree&, const std::string&);
        const char* described;
    };
    const Case cases[] = {
        {"folder", [](const InstalledTree&, const std::string& at) { fs::create_directory(at); },
         "a folder"},
        {"file", [](const InstalledTree&, const std::string& at) { WriteFile(at, "x"); }, "a file"},
        {"link elsewhere",
         [](const InstalledTree& tree, const std::string& at) {
             fs::create_directory_symlink(tree.home, at);
         },
         "a link to "},
        {"dangling link",
         [](const InstalledTree& tree, const std::string& at) {
             fs::create_directory_symlink(tree.dir.file("old/share/vellumark/Data"), at);
         },
         "a link to "},
    };
    for (const Case& c : cases) {
        InstalledTree tree;
        fs::create_directories(tree.app());
        const std::string data = tree.app() + "/Data";
        c.plant(tree, data);
        const fs::file_status before = fs::symlink_status(data);
        const AppFolders folders = tree.choose();
        EXPECT_EQ(folders.app, "") << c.name;
        EXPECT_THAT(folders.message, HasSubstr(data + " should be a link to " + tree.data +
                                               ", but it is " + c.described))
            << c.name;
        EXPECT_EQ(fs::symlink_status(data).type(), before.type()) << c.name;
    }
}

TEST(AppFolders, installed_unwritableDocumentsIsReported) {
    InstalledTree tree;
    WriteFile(tree.home + "/Documents", "a file where the folder should be");
    const AppFolders folders = tree.choose();
    EXPECT_EQ(folders.app, "");
    EXPECT_THAT(folders.message,
                HasSubstr("The folder " + tree.app() + "/Report could not be created: "));

    EXPECT_EQ(ReportsGoTo(folders), "");

    const AppFolders homeless = ChooseAppFolders(tree.bin, tree.data, {});
    EXPECT_THAT(homeless.message, HasSubstr("HOME is not set"));
}

// The documents folder, as xdg-user-dir finds it.

TEST(AppFolders, documentsFolder_followsUserDirsThenEnvironmentThenDefault) {
    struct Case {
        const char* name;
        const char* userDirs;  // nullptr: no user-dirs.dirs
        const char* variable;  // XDG_DOCUMENTS_DIR
        bool ownConfigHome;    // user-dirs.dirs under XDG_CONFIG_HOME, not ~/.config
        const char* expected;  // below home when relative
    };
    const Case cases[] = {
        {"default", nullptr, "", false, "Documents"},
        {"home relative", "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "", false,
         "Dokumente"},
        {"last line wins", "XDG_DOCUMENTS_DIR=\"$HOME/A\"\n  XDG_DOCUMENTS_DIR=\"$HOME/B\"\r\n", "",
         false, "B"},
        {"absolute", "XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n", "", false, "/srv/docs"},
        {"home itself", "XDG_DOCUMENTS_DIR=\"$HOME\"\n", "", false, ""},
        {"relative ignored", "XDG_DOCUMENTS_DIR=\"docs\"\n", "", false, "Documents"},
        {"file before variable", "XDG_DOCUMENTS_DIR=\"$HOME/File\"\n", "/var/env", false, "File"},
        {"variable", nullptr, "/var/env", false, "/var/env"},
        {"config home", "XDG_DOCUMENTS_DIR=\"$HOME/Own\"\n", "", true, "Own"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string home = dir.file("home");
        const std::string config = c.ownConfigHome ? dir.file("config") : home + "/.config";
        if (c.userDirs) WriteFile(config + "/user-dirs.dirs", c.userDirs);
        // A user-dirs.dirs in ~/.config that XDG_CONFIG_HOME hides.
        if (c.ownConfigHome)
            WriteFile(home + "/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/x\"");
        const std::string expected = c.expected[0] == '/' ? c.expected
                                     : c.expected[0] == 0 ? home
                                                          : home + "/" + c.expected;
        EXPECT_EQ(DocumentsFolder({home, c.ownConfigHome ? config : "", c.variable}), expected)
            << c.name;
    }
    EXPECT_EQ(DocumentsFolder({}), "");
}

}  // namespace
