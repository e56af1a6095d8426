// Replay scripts: what a script line becomes, and refusal of bad scripts.
#include "app/Replay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace
{
TEST(Replay, LinesBecomeWindowMessagesOrderedByFrame)
{
    CReplay replay;
    std::string error;
    ASSERT_TRUE(replay.Parse("# a comment\n"
                             "5 ldown 100 -20\r\n"
                             "\n"
                             "2 key 27\n"
                             "5 lup 100 -20\n"
                             "2 char 97\n"
                             "7 screenshot /tmp/x.png\n"
                             "8 rdown 1 2\n"
                             "9 quit\n",
                             error))
        << error;
    // Each kind reaches the screen in a real window: replay_input_test.
    const auto& events = replay.Events();
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events[0].m_frame, 2u);
    EXPECT_EQ(events[0].m_input.m_value, 27);
    EXPECT_EQ(events[1].m_input.m_type, CPlatformEvent::kChar);
    EXPECT_EQ(events[2].m_input.m_y, -20);

    EXPECT_TRUE(replay.TakeFrame(0).empty());
    EXPECT_EQ(replay.TakeFrame(2).size(), 2u);
    EXPECT_EQ(replay.TakeFrame(6).size(), 2u) << "late frames still get their events";
    EXPECT_EQ(replay.TakeFrame(100).size(), 3u);
    EXPECT_TRUE(replay.TakeFrame(101).empty());
}

TEST(Replay, BadLinesAreRefusedWithTheirLineNumber)
{
    const char* const bad[] = {
        "x move 1 2",   "-1 move 1 2", "1 move 1",         "1 move 1 2 3", "1 move 40000 2",
        "1 key 0",      "1 key 256",   "1 char 65 66",     "1 jump",       "1",
        "1 screenshot", "1 quit now",  "99999999999 quit", "1 ldown 1x 2",
    };
    for (const char* line : bad)
    {
        CReplay replay;
        std::string error;
        ASSERT_TRUE(replay.Parse("0 quit\n", error));
        EXPECT_FALSE(replay.Parse(std::string("3 key 65\n") + line + "\n", error)) << line;
        EXPECT_EQ(error.rfind("line 2:", 0), 0u) << line << ": " << error;
        EXPECT_EQ(replay.Events().size(), 1u) << "a refused script leaves the old one";
    }
}

TEST(Replay, MissingFileIsReported)
{
    CReplay replay;
    std::string error;
    EXPECT_FALSE(replay.Load("/nonexistent/replay.txt", error));
    EXPECT_NE(error.find("/nonexistent/replay.txt"), std::string::npos);
}

TEST(Replay, BinaryGarbageIsRefusedNotCrashedOn)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.push_back(static_cast<char>((i * 7919) & 0xff));
    CReplay replay;
    std::string error;
    EXPECT_FALSE(replay.Parse(garbage, error));
}
} // namespace
