// Whole-file writes: the old file survives every failure and no temporary
// file is left behind; the background writer leaves each file's newest bytes.
#include "TempFolder.h"
#include "storage/AtomicFile.h"
#include "storage/BackgroundWriter.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Names = std::vector<std::string>;

TEST(AtomicFile, ReplacesWholeFilesWithoutLeftovers)
{
    CTempFolder folder;
    const std::string path = folder / "top7_demo.tbl";
    ASSERT_TRUE(WriteFileAtomically(path, std::string("a\0b\xff", 4)));
    EXPECT_EQ(ReadBack(path), std::string("a\0b\xff", 4));
    ASSERT_TRUE(WriteFileAtomically(path, "second"));
    EXPECT_EQ(ReadBack(path), "second");
    EXPECT_EQ(folder.Names(), Names{"top7_demo.tbl"});
}

TEST(AtomicFile, PrivateByDefaultAndSharedWhenAsked)
{
    CTempFolder folder;
    struct stat info
    {
    };
    ASSERT_TRUE(WriteFileAtomically(folder / "dx_demo.cfg", "x"));
    ASSERT_EQ(::stat((folder / "dx_demo.cfg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // Data packs are read by every user of an installed game.
    ASSERT_TRUE(WriteFileAtomically(folder / "data.pk", "x", 0644));
    ASSERT_EQ(::stat((folder / "data.pk").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(AtomicFile, FailuresKeepTheOldFileAndLeaveNothingBehind)
{
    CTempFolder folder;
    EXPECT_FALSE(WriteFileAtomically(folder / "gone/file", "x"));
    folder.Write("target/inside", "keep");
    EXPECT_FALSE(WriteFileAtomically(folder / "target", "x"));
    EXPECT_EQ(ReadBack(folder / "target/inside"), "keep");
    EXPECT_EQ(folder.Names(), Names{"target"});
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
        ::_exit(WriteFileAtomically(path, std::string(4096, 'n')) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "failure reported as success";
    EXPECT_EQ(ReadBack(path), "the old saved game");
    EXPECT_EQ(folder.Names(), Names{"saved_demo.dat"});
}

TEST(WholeFileRead, RefusesWhatIsNoFile)
{
    CTempFolder folder;
    std::string bytes = "stale";
    ASSERT_TRUE(ReadWholeFile(folder.Write("f", std::string("x\0y", 3)), bytes));
    EXPECT_EQ(bytes, std::string("x\0y", 3));
    EXPECT_FALSE(ReadWholeFile(folder / "missing", bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(ReadWholeFile(folder.Path(), bytes));
}

TEST(AtomicFile, LeftoversOfKilledSavesAreRemovedAndNothingElse)
{
    CTempFolder folder;
    const std::string path = folder / "saved_demo.dat";
    ASSERT_TRUE(WriteFileAtomically(path, "kept"));
    // What a save killed between its temporary file and the rename leaves.
    for (const char* name : {"saved_demo.dat.tmp.a1B2c3", "saved_demo.dat.tmp.long-name",
                             "dx_demo.cfg.tmp.a1B2c3", "saved_demo.dat.tmp.", "saved_demo.dat.tmp.x"})
        ASSERT_TRUE(WriteFileAtomically(folder / name, "partial"));
    RemoveLeftoverTemporaries(path);
    EXPECT_EQ(folder.Names(), (Names{"dx_demo.cfg.tmp.a1B2c3", "saved_demo.dat", "saved_demo.dat.tmp.",
                                     "saved_demo.dat.tmp.long-name", "saved_demo.dat.tmp.x"}));
    EXPECT_EQ(ReadBack(path), "kept");
    RemoveLeftoverTemporaries(folder / "missing/file");
}

TEST(BackgroundWriter, EachFileHoldsItsNewestBytesWhenFlushReturns)
{
    CTempFolder folder;
    CBackgroundWriter writer;
    // Twice: the worker writes, rests, and takes the next round's files.
    for (const std::string round : {"first", "second"})
    {
        for (int i = 0; i < 30; ++i)
            for (const std::string name : {"a.dat", "b.dat"})
                writer.Submit(folder / name, round + name + std::to_string(i));
        writer.Flush();
        EXPECT_EQ(ReadBack(folder / "a.dat"), round + "a.dat29");
        EXPECT_EQ(ReadBack(folder / "b.dat"), round + "b.dat29");
    }
    EXPECT_EQ(folder.Names(), (Names{"a.dat", "b.dat"}));
}
