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

TEST(AppFolders, documentsFolder_followsUserDirsThenEnvironmentThenDefault) {
    const struct {
        const char* name;
        const char* userDirs;  // ~/.config/user-dirs.dirs; nullptr: none
        const char* variable;  // XDG_DOCUMENTS_DIR
        const char* expected;  // "~" stands for the home folder
    } cases[] = {
        {"default", nullptr, "", "~/Documents"},
        {"home relative", "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "", "~/Dokumente"},
        {"last line wins", "XDG_DOCUMENTS_DIR=\"$HOME/A\"\n  XDG_DOCUMENTS_DIR=\"$HOME/B\"\r\n", "",
         "~/B"},
        {"absolute", "XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n", "", "/srv/docs"},
        {"home itself", "XDG_DOCUMENTS_DIR=\"$HOME\"\n", "", "~"},
        {"relative ignored", "XDG_DOCUMENTS_DIR=\"docs\"\n", "", "~/Documents"},
        {"file before variable", "XDG_DOCUMENTS_DIR=\"$HOME/File\"\n", "/var/env", "~/File"},
        {"variable", nullptr, "/var/env", "/var/env"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string home = dir.file("home");
        if (c.userDirs) WriteFile(home + "/.config/user-dirs.dirs", c.userDirs);
        const std::string expected = c.expected[0] == '~' ? home + (c.expected + 1) : c.expected;
        EXPECT_EQ(DocumentsFolder({home, "", c.variable}), expected) << c.name;
    }
    // XDG_CONFIG_HOME's user-dirs.dirs hides the one in ~/.config.
    TempDir dir;
    WriteFile(dir.file("home/.config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"/x\"\n");
    WriteFile(dir.file("config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Own\"\n");
    EXPECT_EQ(DocumentsFolder({dir.file("home"), dir.file("config"), ""}), dir.file("home/Own"));
    EXPECT_EQ(DocumentsFolder({}), "");
}

}  // namespace
