// Screens, dialogs and controls: fan-out to every control, dialog-local
// coordinates and window dragging.
#include "framework/Application.h"
#include "platform/KeyCodes.h"
#include "support/FakePlatform.h"
#include "support/RecordingScreens.h"

#include <gtest/gtest.h>

namespace
{
class ScreenTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CApplication::Create(m_platform);
        Application().SetLogicalSize(800, 600);
    }
    void TearDown() override { CApplication::Destroy(); }

    void MakeWindow(int width, int height)
    {
        ASSERT_TRUE(Application().CreateMainWindow("Chromal", 100, 100, width, height));
    }

    CFakePlatform m_platform;
    CJournal m_journal;
};

TEST_F(ScreenTest, EveryControlIsAskedEvenAfterOneTookTheEvent)
{
    MakeWindow(800, 600);
    CScreen screen;
    CRecordingControl first(m_journal, "a", true);
    CRecordingControl second(m_journal, "b");
    screen.AddControl(&first);
    screen.AddControl(&second);
    screen.OnLButtonDown(3, 4, 0);
    screen.OnKeyDown(65);
    screen.OnChar('x', 2);
    screen.Update(16.0f);
    screen.Draw();
    screen.Activate();
    const CJournal expected = {"a.ldown 3 4",  "b.ldown 3 4",  "a.key 65",    "b.key 65",
                               "a.char 120 2", "b.char 120 2", "a.update 16", "b.update 16",
                               "a.draw",       "b.draw",       "a.reset",     "b.reset"};
    EXPECT_EQ(m_journal, expected);
}

TEST_F(ScreenTest, DialogControlsGetThePicturesCoordinatesFromTheDialogsCorner)
{
    // The platform hands out the picture's pixels at any window size: the
    // dialog only counts them from its corner (truncated, not rounded),
    // whatever logical size its opener gave it.
    MakeWindow(1600, 1200);
    CRecordingDialog dialog(m_journal, "dialog");
    CRecordingControl control(m_journal, "c");
    dialog.AddControl(&control);
    dialog.m_x = 100.7f;
    dialog.m_y = 50.2f;
    dialog.m_logical_width = 400;
    dialog.OnLButtonDown(400, 300, 0);
    dialog.OnMouseMove(400, 300, 0);
    dialog.OnLButtonUp(400, 300, 0);
    dialog.OnRButtonUp(400, 300, 0); // not converted
    dialog.m_logical_width = 0;
    dialog.OnLButtonDown(40, 30, 0);
    EXPECT_EQ(m_journal[1], "c.ldown 300 250");
    EXPECT_EQ(m_journal[3], "c.move 300 250");
    EXPECT_EQ(m_journal[5], "c.lup 300 250");
    EXPECT_EQ(m_journal[7], "c.rup 400 300");
    EXPECT_EQ(m_journal[9], "c.ldown -60 -20");
}

TEST_F(ScreenTest, DraggingEmptyAreaMovesTheWindowInWindowedMode)
{
    MakeWindow(800, 600);
    CScreen screen;
    screen.SetDraggable(true);
    m_platform.m_cursor_x = 300;
    m_platform.m_cursor_y = 200;
    screen.OnLButtonDown(200, 100, 0);
    m_platform.m_cursor_x = 310;
    m_platform.m_cursor_y = 195;
    screen.OnMouseMove(210, 95, 0);
    const CRect rect = m_platform.GetWindowRect();
    EXPECT_EQ(std::vector<int>({rect.m_left, rect.m_top, rect.m_width}), std::vector<int>({110, 95, 800}));
    // A window manager slow to move it still reports the old place: the next
    // step goes by the pointer's whole way from the press all the same.
    m_platform.m_window.m_left = 100;
    m_platform.m_cursor_x = 312;
    screen.OnMouseMove(202, 100, 0);
    EXPECT_EQ(m_platform.GetWindowRect().m_left, 112);
    screen.OnLButtonUp(202, 100, 0);
    m_platform.m_cursor_x = 400;
    screen.OnMouseMove(290, 100, 0);
    EXPECT_EQ(m_platform.GetWindowRect().m_left, 112);
}

TEST_F(ScreenTest, NoDraggingInFullScreenOrWhenAControlTakesThePress)
{
    MakeWindow(800, 600);
    CScreen screen; // not draggable
    m_platform.m_cursor_x = 300;
    screen.OnLButtonDown(200, 100, 0);
    m_platform.m_cursor_x = 350;
    screen.OnMouseMove(250, 100, 0);
    EXPECT_TRUE(m_platform.m_moves.empty());

    CScreen withButton;
    withButton.SetDraggable(true);
    CRecordingControl button(m_journal, "button", true);
    withButton.AddControl(&button);
    withButton.OnLButtonDown(250, 100, 0);
    EXPECT_FALSE(withButton.IsDragging());
    m_platform.m_cursor_x = 360;
    withButton.OnMouseMove(260, 100, 0);
    EXPECT_TRUE(m_platform.m_moves.empty());

    // Draggable, but full screen came by Alt+Enter, which no screen sees;
    // the same key back to the window lets it drag again.
    CScreen keyed;
    keyed.SetDraggable(true);
    CPlatformEvent toggle;
    toggle.m_type = CPlatformEvent::kToggleFullScreen;
    for (const bool full : {true, false})
    {
        Application().HandleEvent(toggle);
        EXPECT_EQ(keyed.IsDraggable(), !full);
        m_platform.m_moves.clear();
        keyed.OnLButtonDown(200, 100, 0);
        m_platform.m_cursor_x += 50;
        keyed.OnMouseMove(250, 100, 0);
        keyed.OnLButtonUp(250, 100, 0);
        EXPECT_EQ(m_platform.m_moves.empty(), full);
    }
}

TEST_F(ScreenTest, DragEndsWhenTheCursorLeftTheWindowByTheNextUpdate)
{
    MakeWindow(800, 600);
    CScreen screen;
    screen.SetDraggable(true);
    m_platform.m_cursor_x = 300;
    m_platform.m_cursor_y = 300;
    screen.OnLButtonDown(200, 200, 0);
    screen.Update(16.0f);
    EXPECT_TRUE(screen.IsDragging());
    m_platform.m_cursor_x = 100 + 800; // just right of the window
    screen.Update(16.0f);
    EXPECT_FALSE(screen.IsDragging());

    screen.OnLButtonDown(200, 200, 0);
    screen.OnControl(nullptr);
    EXPECT_FALSE(screen.IsDragging());
    screen.OnLButtonDown(200, 200, 0);
    screen.Activate();
    EXPECT_FALSE(screen.IsDragging());
}
// A control a keyboard player's pointer can jump to.
class CFocusControl : public CRecordingControl
{
  public:
    CFocusControl(CJournal& journal, std::string name, float x, float y)
        : CRecordingControl(journal, std::move(name)), m_fx(x), m_fy(y)
    {
    }
    bool GetFocusPoint(float& x, float& y) const override
    {
        x = m_fx;
        y = m_fy;
        return true;
    }

  private:
    float m_fx;
    float m_fy;
};

TEST_F(ScreenTest, KeysMoveThePointerInReadingOrderAndSpaceClicksThere)
{
    MakeWindow(800, 600);
    CScreen screen;
    screen.SetKeyboardNavigation(true);
    CFocusControl right(m_journal, "right", 300, 102);
    CFocusControl left(m_journal, "left", 100, 98);
    CFocusControl below(m_journal, "below", 200, 400);
    CFocusControl disabled(m_journal, "disabled", 50, 500);
    CRecordingControl plain(m_journal, "plain");
    disabled.SetDisabled(true);
    for (CControl* control : std::initializer_list<CControl*>{&right, &left, &below, &disabled, &plain})
        screen.AddControl(control);
    auto pointer = []
    {
        int x = 0;
        int y = 0;
        Application().GetCursorClientPos(x, y);
        return std::to_string(x) + " " + std::to_string(y);
    };
    std::vector<std::string> visited;
    for (int key : {NKey::kTab, NKey::kTab, NKey::kDown, NKey::kTab, NKey::kUp})
    {
        screen.OnKeyDown(key);
        visited.push_back(pointer());
    }
    m_platform.m_keys.insert(NKey::kShift);
    screen.OnKeyDown(NKey::kTab);
    visited.push_back(pointer());
    EXPECT_EQ(visited,
              (std::vector<std::string>{"100 98", "300 102", "200 400", "100 98", "200 400", "300 102"}));

    m_journal.clear();
    screen.OnKeyDown(NKey::kSpace);
    // Hovered before it is pressed, though the warp's own move has not arrived.
    const auto first = [this](const std::string& entry)
    { return std::find(m_journal.begin(), m_journal.end(), entry) - m_journal.begin(); };
    EXPECT_LT(first("right.move 300 102"), first("right.ldown 300 102"));
    EXPECT_LT(first("right.ldown 300 102"), first("right.lup 300 102"));
    EXPECT_LT(first("right.lup 300 102"), static_cast<long>(m_journal.size()));

    // A dialog's controls lie at its corner; a screen without navigation keeps its pointer.
    CRecordingDialog dialog(m_journal, "dialog");
    dialog.SetKeyboardNavigation(true);
    dialog.m_x = 100.0f;
    dialog.m_y = 50.0f;
    CFocusControl inside(m_journal, "inside", 10, 20);
    dialog.AddControl(&inside);
    dialog.OnKeyDown(NKey::kDown);
    EXPECT_EQ(pointer(), "110 70");
    screen.SetKeyboardNavigation(false);
    screen.OnKeyDown(NKey::kTab);
    EXPECT_EQ(pointer(), "110 70");
}
} // namespace
