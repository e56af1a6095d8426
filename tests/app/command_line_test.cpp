// The options of chromal.
#include "app/CommandLine.h"

#include "storage/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace
{
CCommandLine Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "chromal");
    return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, EveryOptionIsTaken)
{
    const CCommandLine options =
        Parse({"--data", "d", "--user-dir", "u", "--fullscreen", "--seed", "4294967295", "--frames", "12",
               "--no-pacing", "--replay", "r.txt", "--screenshot", "s.png"});
    EXPECT_EQ(options.m_action, CCommandLine::kRun);
    EXPECT_EQ(options.m_data_dir, "d");
    EXPECT_EQ(options.m_user_dir, "u");
    EXPECT_EQ(options.m_full_screen, 1);
    EXPECT_TRUE(options.m_has_seed);
    EXPECT_EQ(options.m_seed, 4294967295u);
    EXPECT_EQ(options.m_frames, 12);
    EXPECT_FALSE(options.m_pacing);
    EXPECT_EQ(options.m_replay, "r.txt");
    EXPECT_EQ(options.m_screenshot, "s.png");

    EXPECT_EQ(Parse({"--fullscreen", "--windowed"}).m_full_screen, 0);
    EXPECT_EQ(Parse({}).m_full_screen, -1);
    EXPECT_EQ(Parse({}).m_frames, -1);
}

TEST(CommandLine, HelpWinsOverVersion)
{
    EXPECT_EQ(Parse({"--version"}).m_action, CCommandLine::kVersion);
    EXPECT_EQ(Parse({"--help", "--version"}).m_action, CCommandLine::kHelp);
    EXPECT_EQ(Parse({"--version", "--help"}).m_action, CCommandLine::kHelp);
}

TEST(CommandLine, BadOptionsAreErrors)
{
    const std::vector<std::vector<const char*>> bad = {
        {"--bogus"},       {"--data"},   {"--data", ""},     {"--seed", "-1"},    {"--seed", "4294967296"},
        {"--seed", "12x"}, {"--frames"}, {"--frames", "-3"}, {"--frames", "1e3"}, {"play"},
    };
    for (const auto& args : bad)
    {
        const CCommandLine options = Parse(args);
        EXPECT_EQ(options.m_action, CCommandLine::kError) << args[0];
        EXPECT_FALSE(options.m_error.empty());
    }
}
} // namespace

TEST(CommandLine, PlayNamesASetAndALevelFromOne)
{
    const CCommandLine moving = Parse({"--play", "moving:7"});
    EXPECT_EQ(moving.m_action, CCommandLine::kRun);
    EXPECT_EQ(moving.m_play_type, 2);
    EXPECT_EQ(moving.m_play_level, 7);
    EXPECT_EQ(Parse({"--play", "advanced:89"}).m_play_type, 1);
    EXPECT_EQ(Parse({}).m_play_type, -1);
    for (const char* bad : {"classic:0", "classic:", "chess:3", "classic", ":4", "classic:-1", "classic:4x"})
        EXPECT_EQ(Parse({"--play", bad}).m_action, CCommandLine::kError) << bad;
    EXPECT_EQ(Parse({"--play"}).m_action, CCommandLine::kError);
}

// A development build finds the data beside itself; an installed program finds
// share/chromal of its own prefix, even a prefix moved after the build.
TEST(DataFolder, BesideTheProgramThenTheInstalledPrefix)
{
    namespace fs = std::filesystem;
    CTempFolder root;
    const std::string program = root / "prefix/bin/chromal";
    fs::create_directories(root / "prefix/bin");
    EXPECT_EQ(DataFolderFor(program).find(root.Path()), std::string::npos);

    fs::create_directories(root / "prefix/share/chromal");
    const std::string installed = DataFolderFor(program);
    ASSERT_TRUE(fs::exists(installed)) << installed;
    EXPECT_TRUE(fs::equivalent(installed, root / "prefix/share/chromal")) << installed;

    fs::create_directories(root / "prefix/bin/data");
    EXPECT_EQ(DataFolderFor(program), root / "prefix/bin/data");

    const std::vector<std::string> order = DataFolderCandidates(program);
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(order.front(), root / "prefix/bin/data");
    EXPECT_EQ(order.back(), "data");
    // Without a known program path only the fixed places are tried.
    for (const std::string& folder : DataFolderCandidates(""))
        EXPECT_EQ(folder.find(root.Path()), std::string::npos) << folder;
}
