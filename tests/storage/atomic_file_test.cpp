// Whole-file writes: the old file survives every failure and no temporary
// file is left behind.
#include "storage/AtomicFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(AtomicFile, CreatesAndReplacesWithoutLeftovers)
{
    CTempFolder folder;
    const std::string path = folder / "top7_demo.tbl";
    const std::string binary("a\0b\xff", 4);
    ASSERT_TRUE(WriteFileAtomically(path, binary));
    EXPECT_EQ(ReadBack(path), binary);
    ASSERT_TRUE(WriteFileAtomically(path, "second"));
    EXPECT_EQ(ReadBack(path), "second");
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(ReadBack(path), "");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"top7_demo.tbl"});
}

TEST(AtomicFile, MissingFolderFailsAndCreatesNothing)
{
    CTempFolder folder;
    EXPECT_FALSE(WriteFileAtomically(folder / "gone/file", "x"));
    EXPECT_TRUE(folder.Names().empty());
}

TEST(AtomicFile, TargetThatIsAFolderFailsAndStaysIntact)
{
    CTempFolder folder;
    folder.Write("target/inside", "keep");
    EXPECT_FALSE(WriteFileAtomically(folder / "target", "x"));
    EXPECT_EQ(ReadBack(folder / "target/inside"), "keep");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"target"});
}

TEST(AtomicFile, FullDiskKeepsTheOldFile)
{
    CTempFolder folder;
    const std::string path = folder.Write("saved_demo.dat", "the old saved game");
    // A file size limit in a child process stands in for a full disk.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{8, 8};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool written = WriteFileAtomically(path, std::string(4096, 'n'));
        ::_exit(written ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was reported as success";
    EXPECT_EQ(ReadBack(path), "the old saved game");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"saved_demo.dat"});
}

TEST(WholeFileRead, ReadsBytesAndRefusesWhatIsNoFile)
{
    CTempFolder folder;
    std::string bytes = "stale";
    const std::string binary("x\0y", 3);
    ASSERT_TRUE(ReadWholeFile(folder.Write("f", binary), bytes));
    EXPECT_EQ(bytes, binary);
    EXPECT_FALSE(ReadWholeFile(folder / "missing", bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(ReadWholeFile(folder.Path(), bytes));
    ASSERT_TRUE(ReadWholeFile(folder.Write("empty", ""), bytes));
    EXPECT_EQ(bytes, "");
}
