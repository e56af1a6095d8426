// The application object on the fake platform: the frame loop, the screen
// stack and dialogs, the window procedure and the display-mode switch.
#include "framework/Application.h"
#include "media/MusicPlayer.h"
#include "platform/KeyCodes.h"
#include "support/FakePlatform.h"
#include "support/RecordingScreens.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace
{
CPlatformEvent Event(CPlatformEvent::EType type, int value = 0, int x = 0, int y = 0)
{
    CPlatformEvent event;
    event.m_type = type;
    event.m_value = value;
    event.m_x = x;
    event.m_y = y;
    return event;
}

int Count(const CJournal& journal, const std::string& entry)
{
    return static_cast<int>(std::count(journal.begin(), journal.end(), entry));
}

class CFakeMusic final : public IMusicPlayer
{
  public:
    bool IsPlaying() const override { return m_playing; }
    void Play(int index) override
    {
        m_playing = true;
        m_plays.push_back(index);
    }
    void Stop() override { m_playing = false; }

    bool m_playing = false;
    std::vector<int> m_plays;
};

class ApplicationTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_app = CApplication::Create(m_platform);
        m_app->SetLogicalSize(800, 600);
        ASSERT_TRUE(m_app->CreateMainWindow("Chromal", 10, 20, 800, 600));
        m_app->PushScreen(&m_screen);
        m_journal.clear();
    }
    void TearDown() override { CApplication::Destroy(); }

    // Runs the loop for `frames` frames; `perFrame` runs before each frame's messages.
    void RunFrames(std::uint32_t frames, std::function<void(std::uint32_t)> perFrame = nullptr)
    {
        m_app->SetFrameHooks(
            [&, perFrame](std::uint32_t frame)
            {
                m_journal.push_back("frame " + std::to_string(frame));
                if (perFrame)
                    perFrame(frame);
            },
            nullptr,
            [&, frames](std::uint32_t frame)
            {
                if (frame + 1 >= frames)
                    m_platform.PostQuit();
            });
        m_app->RunLoop(true, m_music);
    }

    CFakePlatform m_platform;
    CApplication* m_app = nullptr;
    CJournal m_journal;
    CRecordingScreen m_screen{m_journal, "screen"};
    IMusicPlayer* m_music = nullptr;
};

TEST_F(ApplicationTest, BurstOfMessagesIsHandledBeforeTheNextFrame)
{
    m_platform.PushEvent(Event(CPlatformEvent::kActivate, 1));
    RunFrames(2,
              [&](std::uint32_t frame)
              {
                  if (frame == 1)
                      for (int key = 'A'; key <= 'C'; ++key)
                          m_platform.PushEvent(Event(CPlatformEvent::kKeyDown, key));
              });
    const CJournal expected = {"frame 0",       "screen.update 16", "screen.draw",   "frame 1",
                               "screen.key 65", "screen.key 66",    "screen.key 67", "screen.update 16",
                               "screen.draw",   "frame 2"};
    EXPECT_EQ(m_journal, expected) << "the quit is taken before frame 2 runs";
    EXPECT_EQ(m_platform.m_swaps, 2);
}

TEST_F(ApplicationTest, InactiveWindowIsDrawnButNotUpdated)
{
    RunFrames(3);
    EXPECT_EQ(Count(m_journal, "screen.draw"), 3);
    EXPECT_EQ(Count(m_journal, "screen.update 16"), 0);
    EXPECT_EQ(m_platform.m_swaps, 3);
    EXPECT_EQ(std::count(m_platform.m_sleeps.begin(), m_platform.m_sleeps.end(), 100u), 3);
}

TEST_F(ApplicationTest, MinimisedWindowNeitherPlaysOnNorDrawsAndWaitsLonger)
{
    m_platform.PushEvent(Event(CPlatformEvent::kActivate, 1));
    m_platform.PushEvent(Event(CPlatformEvent::kSize, CPlatformEvent::kSizeMinimised));
    RunFrames(2);
    EXPECT_EQ(Count(m_journal, "screen.draw"), 0);
    EXPECT_EQ(Count(m_journal, "screen.update 16"), 0) << "the game would play on unseen";
    EXPECT_EQ(m_platform.m_swaps, 0);
    EXPECT_EQ(std::count(m_platform.m_sleeps.begin(), m_platform.m_sleeps.end(), 100u), 2);

    // Inactive as well: 200 ms per frame.
    m_platform.m_sleeps.clear();
    m_platform.PushEvent(Event(CPlatformEvent::kActivate, 0));
    RunFrames(1);
    EXPECT_EQ(std::count(m_platform.m_sleeps.begin(), m_platform.m_sleeps.end(), 100u), 2);

    // Restoring re-activates the top screen.
    m_journal.clear();
    m_app->HandleEvent(Event(CPlatformEvent::kSize, CPlatformEvent::kSizeRestored));
    EXPECT_FALSE(m_app->IsMinimised());
    EXPECT_EQ(m_journal, CJournal{"screen.activate"});
}

TEST_F(ApplicationTest, PartialRedrawNeedsTheWholeOfTheLastFrameStillInTheBackBuffer)
{
    const auto kept = [this]() { return m_app->LastFrameKept(&m_screen); };
    m_platform.m_keeps_back_buffer = true;
    EXPECT_FALSE(kept()) << "nothing drawn yet";
    RunFrames(1);
    EXPECT_TRUE(kept());

    m_platform.m_keeps_back_buffer = false;
    EXPECT_FALSE(kept()) << "a driver that flips buffers";
    m_platform.m_keeps_back_buffer = true;
    CApplication::SetPartialRedraws(false);
    EXPECT_FALSE(kept());
    CApplication::SetPartialRedraws(true);

    // Input may change anything; so may a new window size.
    m_app->HandleEvent(Event(CPlatformEvent::kMouseMove, 0, 5, 5));
    EXPECT_FALSE(kept());
    RunFrames(1);
    m_app->HandleEvent(Event(CPlatformEvent::kSize, CPlatformEvent::kSizeRestored));
    EXPECT_FALSE(kept());
    RunFrames(1);
    m_platform.m_window.m_width = 1024;
    EXPECT_FALSE(kept());
    RunFrames(1);
    EXPECT_TRUE(kept());

    // A dialog lies over the screen's picture, also in the frame after it closed.
    CRecordingDialog dialog(m_journal, "dialog");
    m_app->PushDialog(&dialog);
    EXPECT_FALSE(kept());
    RunFrames(1);
    m_app->CloseTop(true);
    EXPECT_FALSE(kept());
    RunFrames(1);
    EXPECT_TRUE(kept());
    CRecordingScreen other(m_journal, "other");
    EXPECT_FALSE(m_app->LastFrameKept(&other));
}

TEST_F(ApplicationTest, FramesArePacedToSixteenMilliseconds)
{
    m_platform.PushEvent(Event(CPlatformEvent::kActivate, 1));
    RunFrames(3);
    // The fake clock does not move while a frame runs: 16 + 1 each time.
    EXPECT_EQ(m_platform.m_sleeps, (std::vector<std::uint32_t>{17, 17, 17}));

    m_platform.m_sleeps.clear();
    m_app->SetPacing(false);
    RunFrames(2);
    EXPECT_TRUE(m_platform.m_sleeps.empty());
}

TEST_F(ApplicationTest, ClockWrapNeitherSkipsPacingNorSleepsForWeeks)
{
    m_platform.PushEvent(Event(CPlatformEvent::kActivate, 1));
    m_platform.m_ticks = 0xffffffffu - 40;
    RunFrames(6, [&](std::uint32_t) { m_platform.m_ticks += 5; }); // each frame "takes" 5 ms
    ASSERT_EQ(m_platform.m_sleeps.size(), 6u);
    for (std::uint32_t sleep : m_platform.m_sleeps)
    {
        EXPECT_GE(sleep, 1u);
        EXPECT_LE(sleep, 17u);
    }

    // A frame that takes 30 ms while the clock wraps does not sleep at all.
    m_platform.m_sleeps.clear();
    m_platform.m_ticks = 0xffffffffu - 10;
    struct CSlowScreen final : CScreen
    {
        CFakePlatform* m_platform = nullptr;
        void Draw() override { m_platform->m_ticks += 30; }
    } slow;
    slow.m_platform = &m_platform;
    m_app->PushScreen(&slow);
    RunFrames(1);
    EXPECT_TRUE(m_platform.m_sleeps.empty());
}

TEST_F(ApplicationTest, InputAndUpdateReachOnlyTheNewestDialog)
{
    CRecordingDialog older(m_journal, "older");
    CRecordingDialog newer(m_journal, "newer");
    m_app->PushDialog(&older);
    EXPECT_EQ(m_journal, (CJournal{"older.activate", "screen.activate"}));
    m_app->PushDialog(&newer);
    EXPECT_EQ(m_app->InputTarget(), &newer);
    m_journal.clear();
    m_app->HandleEvent(Event(CPlatformEvent::kActivate, 1));
    m_app->HandleEvent(Event(CPlatformEvent::kKeyDown, 'Q'));
    m_app->HandleEvent(Event(CPlatformEvent::kChar, 'q'));
    m_app->HandleEvent(Event(CPlatformEvent::kRButtonUp, 0, 5, 6));
    m_app->FrameStep(16.0f);
    const CJournal expected = {"newer.key 81", "newer.char 113", "newer.rup 5 6", "newer.update 16"};
    EXPECT_EQ(m_journal, expected);

    // Drawing: the top screen, then the dialogs from the newest to the oldest.
    m_journal.clear();
    m_app->DrawScreens();
    EXPECT_EQ(m_journal, (CJournal{"screen.draw", "newer.draw", "older.draw"}));
}

TEST_F(ApplicationTest, HeldKeysRepeatOnlyForEditing)
{
    for (int key : {NKey::kEscape, NKey::kEnter, int{'L'}, NKey::kBackspace, NKey::kLeft})
    {
        CPlatformEvent repeat = Event(CPlatformEvent::kKeyDown, key);
        repeat.m_flags = kKeyFlagRepeat;
        m_app->HandleEvent(Event(CPlatformEvent::kKeyDown, key));
        m_app->HandleEvent(repeat);
    }
    const CJournal expected = {"screen.key 27", "screen.key 13", "screen.key 76", "screen.key 8",
                               "screen.key 8",  "screen.key 37", "screen.key 37"};
    EXPECT_EQ(m_journal, expected);
}

TEST_F(ApplicationTest, EscapeAndEnterCloseDialogsWithResultsAtTheNextFrameStep)
{
    CRecordingDialog older(m_journal, "older");
    CRecordingDialog newer(m_journal, "newer");
    m_app->PushDialog(&older);
    m_app->PushDialog(&newer);
    m_journal.clear();

    m_app->HandleEvent(Event(CPlatformEvent::kKeyDown, NKey::kEscape));
    EXPECT_EQ(m_app->DialogCount(), 2u) << "closing waits for the frame step";
    m_app->FrameStep(16.0f);
    EXPECT_EQ(m_app->DialogCount(), 1u);
    EXPECT_EQ(Count(m_journal, "older.dialog closed 1"), 1);
    EXPECT_EQ(older.m_closed_dialog, &newer);
    EXPECT_EQ(Count(m_journal, "screen.dialog closed 1"), 0);

    m_journal.clear();
    m_app->HandleEvent(Event(CPlatformEvent::kKeyDown, NKey::kEnter));
    m_app->FrameStep(16.0f);
    EXPECT_EQ(m_app->DialogCount(), 0u);
    EXPECT_EQ(Count(m_journal, "screen.dialog closed 0"), 1);
    EXPECT_EQ(m_screen.m_closed_dialog, &older);
    // Neither the receiver is re-activated nor anything else is told.
    EXPECT_EQ(Count(m_journal, "screen.activate"), 0);
}

TEST_F(ApplicationTest, ClosingTheTopScreenTellsTheScreenBelowThenActivatesIt)
{
    CRecordingScreen upper(m_journal, "upper");
    m_app->PushScreen(&upper);
    m_journal.clear();
    m_app->CloseTop(false);
    EXPECT_EQ(m_app->TopScreen(), &upper);
    m_app->HandleEvent(Event(CPlatformEvent::kActivate, 1));
    m_app->FrameStep(16.0f);
    EXPECT_EQ(m_app->TopScreen(), &m_screen);
    EXPECT_EQ(m_screen.m_closed_screen, &upper);
    const CJournal expected = {"screen.screen closed", "screen.activate", "screen.update 16"};
    EXPECT_EQ(m_journal, expected);
}

TEST_F(ApplicationTest, BottomScreenIsNeverClosed)
{
    m_app->CloseTop(false);
    m_app->FrameStep(16.0f);
    m_app->CloseTop(true);
    EXPECT_EQ(m_app->ScreenCount(), 1u);
    EXPECT_EQ(m_app->TopScreen(), &m_screen);
}

TEST_F(ApplicationTest, CloseAsksTheTopScreenOnlyWithF4Held)
{
    // Without F4 (the window's close button) the window hides and the program quits.
    m_platform.m_visible = true;
    m_app->HandleEvent(Event(CPlatformEvent::kClose));
    EXPECT_FALSE(m_platform.m_visible);
    ASSERT_EQ(m_platform.m_queue.size(), 1u);
    EXPECT_EQ(m_platform.m_queue.front().m_type, CPlatformEvent::kQuit);
    EXPECT_TRUE(m_journal.empty());

    // With F4 held the top screen decides, and open dialogs are dropped.
    m_platform.m_queue.clear();
    CRecordingDialog dialog(m_journal, "dialog");
    m_app->PushDialog(&dialog);
    m_journal.clear();
    m_platform.m_keys.insert(NKey::kF4);
    m_app->HandleEvent(Event(CPlatformEvent::kClose));
    EXPECT_EQ(m_journal, CJournal{"screen.close request"});
    EXPECT_EQ(m_app->DialogCount(), 0u);
    EXPECT_TRUE(m_platform.m_queue.empty());
}

TEST_F(ApplicationTest, CloseThatTheProgramPostsQuitsEvenWithF4Held)
{
    m_platform.m_keys.insert(NKey::kF4);
    m_app->PostClose();
    RunFrames(100);
    EXPECT_EQ(Count(m_journal, "screen.close request"), 0);
    EXPECT_EQ(Count(m_journal, "screen.draw"), 0) << "quits before the first frame";
    EXPECT_FALSE(m_platform.m_visible);
}

TEST_F(ApplicationTest, MousePositionsArriveAsSigned16BitClientCoordinates)
{
    m_app->HandleEvent(Event(CPlatformEvent::kMouseMove, 0, 0xfffe, 40));
    m_app->HandleEvent(Event(CPlatformEvent::kLButtonDown, 0, 10, 20));
    m_app->HandleEvent(Event(CPlatformEvent::kLButtonUp, 0, 11, 21));
    m_app->HandleEvent(Event(CPlatformEvent::kRButtonDown, 0, 12, 22));
    const CJournal expected = {"screen.move -2 40", "screen.ldown 10 20", "screen.lup 11 21"};
    EXPECT_EQ(m_journal, expected);
}

TEST_F(ApplicationTest, FocusLossStopsMusicAndReturnRestartsItOnlyIfItWasPlaying)
{
    CFakeMusic music;
    music.m_playing = true;
    m_music = &music;
    m_platform.PushEvent(Event(CPlatformEvent::kActivate, 1));
    RunFrames(6,
              [&](std::uint32_t frame)
              {
                  if (frame == 2)
                      m_platform.m_foreground = false;
                  if (frame == 4)
                      m_platform.m_foreground = true;
              });
    EXPECT_TRUE(music.m_playing);
    EXPECT_EQ(music.m_plays, std::vector<int>{-1});

    // Not playing when focus was lost: not started on return.
    music.m_playing = false;
    music.m_plays.clear();
    RunFrames(4,
              [&](std::uint32_t frame)
              {
                  if (frame == 7)
                      m_platform.m_foreground = false;
                  if (frame == 8)
                      m_platform.m_foreground = true;
              });
    EXPECT_FALSE(music.m_playing);
    EXPECT_TRUE(music.m_plays.empty());
}

TEST_F(ApplicationTest, FullScreenRefusesSmallOrRefusedModesAndComesBackWhereTheWindowWas)
{
    EXPECT_TRUE(m_app->SetWindowed()); // already windowed: the window keeps its size
    EXPECT_EQ(m_platform.GetWindowRect().m_width, 800);
    EXPECT_EQ(m_platform.GetWindowRect().m_height, 600);
    m_platform.m_moves.clear();
    EXPECT_FALSE(m_app->SetFullScreen(640, 480));
    EXPECT_FALSE(m_app->SetFullScreen(320, 200));
    EXPECT_FALSE(m_app->SetFullScreen(400, 300));
    m_platform.m_mode_switch_works = false;
    EXPECT_FALSE(m_app->SetFullScreen(800, 600)) << "a mode the driver refuses";
    m_platform.m_mode_switch_works = true;
    EXPECT_FALSE(m_app->IsFullScreen());
    EXPECT_TRUE(m_platform.m_moves.empty());
    EXPECT_EQ(m_app->ModeChanges(), 0) << "no request changed the mode";

    // A resized and moved window, switched there and back twice by the keys.
    m_platform.MoveWindow(30, 40, 1000, 700);
    for (int round = 0; round < 2; ++round)
    {
        m_app->HandleEvent(Event(CPlatformEvent::kToggleFullScreen));
        EXPECT_TRUE(m_app->IsFullScreen());
        EXPECT_TRUE(m_platform.m_full_screen);
        const CRect kept = m_app->GetWindowedRect();
        EXPECT_EQ(kept.m_left, 30);
        EXPECT_EQ(kept.m_width, 1000);
        m_app->HandleEvent(Event(CPlatformEvent::kToggleFullScreen));
        EXPECT_FALSE(m_app->IsFullScreen());
        const CRect rect = m_platform.GetWindowRect();
        EXPECT_EQ(rect.m_left, 30);
        EXPECT_EQ(rect.m_top, 40);
        EXPECT_EQ(rect.m_width, 1000);
        EXPECT_EQ(rect.m_height, 700);
    }
    EXPECT_EQ(m_app->ModeChanges(), 4) << "there and back twice";
    EXPECT_TRUE(m_journal.empty());
}

TEST(FirstWindowSize, LargestOfOneOneAndAHalfAndTwoThatLeavesATenthOfTheHeight)
{
    const struct
    {
        int screenWidth, screenHeight, width, height;
    } cases[] = {{1024, 768, 800, 600},         {1280, 1024, 1200, 900},  {1920, 1080, 1200, 900},
                 {2560, 1440, 1600, 1200},      {1600, 1333, 1600, 1200}, {1600, 1332, 1200, 900},
                 {1199, 2000, 800, 600},        {640, 480, 800, 600},     {0, 0, 800, 600},
                 {INT_MAX, INT_MAX, 1600, 1200}};
    for (const auto& c : cases)
    {
        int width = 0;
        int height = 0;
        CApplication::FirstWindowSize(c.screenWidth, c.screenHeight, 800, 600, width, height);
        EXPECT_EQ(width, c.width) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(height, c.height) << c.screenWidth << "x" << c.screenHeight;
    }
}

TEST_F(ApplicationTest, MinimisingFromFullScreenLeavesFullScreenFirst)
{
    m_app->SetFullScreen(800, 600);
    m_app->Minimise();
    EXPECT_FALSE(m_app->IsFullScreen());
    EXPECT_FALSE(m_platform.m_full_screen);
    EXPECT_TRUE(m_app->IsMinimised());
    EXPECT_EQ(m_platform.m_minimise_calls, 1);
    m_app->HandleEvent(Event(CPlatformEvent::kSize, CPlatformEvent::kSizeRestored));
    EXPECT_FALSE(m_app->IsFullScreen()) << "restored as a window";
}

TEST(KeepOnScreen, WindowBeyondTheScreenMovesToHalfItsPositionWithoutOverflow)
{
    const struct
    {
        int width, height, x, y, wantX, wantY;
    } cases[] = {
        {800, 600, 900, 100, 450, 100},
        {800, 600, 1024 - 400, 768 - 300, 312, 234}, // exactly at the limit counts as beyond
        {800, 600, 1024 - 401, 0, 623, 0},
        // Any int can come from a damaged settings file.
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX - 10, INT_MAX / 2, (INT_MAX - 10) / 2},
        {INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN},
    };
    for (const auto& c : cases)
    {
        int x = c.x;
        int y = c.y;
        CApplication::KeepOnScreen(1024, 768, c.width, c.height, x, y);
        EXPECT_EQ(x, c.wantX) << c.x << "," << c.y;
        EXPECT_EQ(y, c.wantY) << c.x << "," << c.y;
    }
}
} // namespace
