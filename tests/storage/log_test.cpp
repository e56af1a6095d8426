// The log: created empty, one closing line after a normal run, and silence
// when it cannot be written.
#include "TempFolder.h"
#include "storage/Log.h"

#include <gtest/gtest.h>

TEST(Log, NormalRunLeavesOnlyTheClosingLine)
{
    CTempFolder folder;
    const std::string path = folder.Write("game.log", "old run\n");
    ASSERT_TRUE(LogOpen(path));
    EXPECT_EQ(ReadBack(path), "");
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

    // The log replaced by a folder after opening: appends fail quietly.
    ASSERT_TRUE(LogOpen(good));
    std::filesystem::remove(good);
    std::filesystem::create_directory(good);
    LogClose();
    EXPECT_TRUE(std::filesystem::is_directory(good));
}
