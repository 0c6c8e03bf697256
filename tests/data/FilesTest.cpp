#include "data/AppPaths.h"
#include "data/AtomicFile.h"
#include "data/Errors.h"
#include "support/Fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <thread>

#include <sys/mount.h>
#include <sys/stat.h>

using namespace vellumark;
using namespace testing_support;
using testing::HasSubstr;

namespace {

std::size_t FilesIn(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

/// Two writers of one target each write a file of their own: the target ends up
/// as one complete file, and no temporary file is left.
TEST(AtomicFile, concurrentWritersNeverMix) {
    TempDir dir;
    const std::string target = dir.file("same.html");
    const std::string a(200000, 'a');
    const std::string b(300000, 'b');
    auto write = [&target](const std::string& text) {
        AtomicFile file(target);
        // Small pieces, then a larger one.
        for (std::size_t at = 0; at < 100000; at += 1000) file.write(text.substr(at, 1000));
        file.write(text.substr(100000));
        file.commit();
    };
    for (int round = 0; round < 5; ++round) {
        { std::jthread first(write, a), second(write, b); }
        const std::string result = ReadFile(target);
        EXPECT_TRUE(result == a || result == b) << "round " << round << ": " << result.size();
        EXPECT_EQ(FilesIn(dir.path()), 1u);
    }
}

/// Pieces written, and pieces put together in room the file gives, come out
/// whole and in order, whatever their sizes against the buffer's megabyte.
TEST(AtomicFile, piecesOfEverySizeComeOutInOrder) {
    TempDir dir;
    const std::size_t sizes[] = {1000, 700000, 400000, 3 << 20, (1 << 20) - 100, 1000, 2 << 20, 5};
    AtomicFile file(dir.file("r.html"));
    std::string expected;
    for (std::size_t k = 0; k < std::size(sizes); ++k) {
        const std::string piece(sizes[k], static_cast<char>('a' + k));
        expected += piece;
        if (k % 2 == 0) {
            file.write(piece);
        } else {
            // More room asked for than is used, as an entry's room is.
            char* const p = file.room(piece.size() + 100);
            std::memcpy(p, piece.data(), piece.size());
            file.written(p + piece.size());
        }
    }
    file.commit();
    const std::string result = ReadFile(dir.file("r.html"));
    EXPECT_EQ(result.size(), expected.size());
    EXPECT_TRUE(result == expected);
}

/// A link planted where a temporary file might go, or as the target, never
/// leads the write out of the folder.
TEST(AtomicFile, plantedLinksAreNotFollowed) {
    TempDir dir;
    const std::string outside = dir.file("outside.txt");
    WriteFile(outside, "keep");
    std::filesystem::create_directory(dir.file("Report"));
    std::filesystem::create_symlink(outside, dir.file("Report/trap.html.part"));
    std::filesystem::create_symlink(outside, dir.file("Report/trap.html"));
    AtomicFile file(dir.file("Report/trap.html"));
    file.line("report");
    file.commit();
    EXPECT_EQ(ReadFile(outside), "keep");
    EXPECT_EQ(ReadFile(dir.file("Report/trap.html")), "report\r\n");
    // A report is readable as any other file the user makes, not private to its writer.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(
        static_cast<mode_t>(std::filesystem::status(dir.file("Report/trap.html")).permissions()),
        0666 & ~mask);
}

/// A path the user names: a link is followed and kept, a pipe written as it is,
/// a replaced file keeps its mode, a long name fits, and nothing is made under /dev.
TEST(AtomicFile, userPathsFollowLinksAndWritePipes) {
    namespace fs = std::filesystem;
    TempDir dir;
    const auto write = [](const std::string& path, const std::string& text,
                          AtomicFile::Links links = AtomicFile::Links::Follow) {
        AtomicFile file(path, links);
        file.write(text);
        file.commit();
    };
    WriteFile(dir.file("real.csv"), "old");
    fs::permissions(dir.file("real.csv"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real.csv", dir.file("link.csv"));
    write(dir.file("link.csv"), "new");
    EXPECT_TRUE(fs::is_symlink(dir.file("link.csv")));
    EXPECT_EQ(ReadFile(dir.file("real.csv")), "new");
    EXPECT_EQ(fs::status(dir.file("real.csv")).permissions(), fs::perms(0600));
    write(dir.file("real.csv"), "report", AtomicFile::Links::Replace);
    EXPECT_EQ(fs::status(dir.file("real.csv")).permissions(), fs::perms(0600)) << "a report too";

    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    std::string piped;
    {
        std::jthread reader([&] { piped = ReadFile(dir.file("pipe")); });
        write(dir.file("pipe"), std::string(100000, 'p'));
    }
    EXPECT_EQ(piped.size(), 100000u);
    EXPECT_TRUE(fs::is_fifo(dir.file("pipe")));

    const std::string longName = dir.file(std::string(250, 'n'));
    write(longName, "long");
    EXPECT_EQ(ReadFile(longName), "long");
    EXPECT_EQ(FilesIn(dir.path()), 4u) << "no temporary left";

    fs::create_symlink("/dev/vellumark-absent", dir.file("device"));
    EXPECT_THAT(ErrorText<FileError>([&] { write(dir.file("device"), "x"); }),
                HasSubstr("under /dev"));
    EXPECT_THAT(ErrorText<FileError>([&] { write(dir.path() + "/", "x"); }),
                HasSubstr("it is a folder"));
    EXPECT_EQ(FilesIn(dir.path()), 5u);
}

TEST(AppPaths, programFolderIsTheExecutablesRealFolder) {
    std::string error;
    EXPECT_EQ(ProgramFolder(error), std::filesystem::canonical("/proc/self/exe").parent_path());
    EXPECT_EQ(error, "");
}

TEST(AtomicFile, failureLeavesTheTargetAndNamesTheReason) {
    TempDir dir;
    WriteFile(dir.file("Report"), "a file, not a folder");
    EXPECT_THAT(ErrorText<FileError>([&] { AtomicFile file(dir.file("Report/r.html")); }),
                HasSubstr("Not a directory"));
    // A full disk, where the test may mount a small one.
    std::filesystem::create_directory(dir.file("small"));
    if (::mount("tmpfs", dir.file("small").c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
    const std::string target = dir.file("small/r.html");
    WriteFile(target, "previous");
    EXPECT_THAT(ErrorText<FileError>([&] {
                    AtomicFile file(target);
                    file.write(std::string(1 << 20, 'x'));
                    file.commit();
                }),
                HasSubstr("No space left on device"));
    EXPECT_EQ(ReadFile(target), "previous");
    EXPECT_EQ(FilesIn(dir.file("small")), 1u);
    ::umount(dir.file("small").c_str());
}

}  // namespace
