// The log: created empty, one closing line after a normal run, and silence
// when it cannot be written.
#include "storage/Log.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

TEST(Log, NormalRunLeavesOnlyTheClosingLine)
{
    CTempFolder folder;
    const std::string path = folder.Write("game.log", "old run\nold line\n");
    ASSERT_TRUE(LogOpen(path));
    EXPECT_EQ(ReadBack(path), "");
    LogClose();
    EXPECT_EQ(ReadBack(path), "Closing Log\n");
}

TEST(Log, LinesAreFormattedAndAppended)
{
    CTempFolder folder;
    const std::string path = folder / "game.log";
    ASSERT_TRUE(LogOpen(path));
    LogWrite("level %d: %s", 7, "won");
    LogClose();
    EXPECT_EQ(ReadBack(path), "level 7: won\nClosing Log\n");
}

TEST(Log, LogThatCannotBeWrittenIsIgnored)
{
    CTempFolder folder;
    const std::string good = folder / "game.log";
    ASSERT_TRUE(LogOpen(good));
    // A failed open forgets the earlier path: later lines go nowhere.
    EXPECT_FALSE(LogOpen(folder / "missing/game.log"));
    LogClose();
    EXPECT_EQ(ReadBack(good), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));

    // The log replaced by a folder after opening: appends fail quietly.
    const std::string path = folder / "moved.log";
    ASSERT_TRUE(LogOpen(path));
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    LogClose();
    EXPECT_TRUE(std::filesystem::is_directory(path));
}
