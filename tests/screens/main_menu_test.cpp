// The main menu and the screens it opens, on the fake platform with a small
// data folder: the level lock of each set, the continue dialog's choices, the saved-game
// and top-7 files across runs, and damaged files in the per-user folder.
#include "framework/Application.h"
#include "media/InterfaceResources.h"
#include "media/ResourceGroup.h"
#include "media/TestMedia.h"
#include "play/Game.h"
#include "play/GameResources.h"
#include "play/SavedGame.h"
#include "screens/ContinueDlg.h"
#include "screens/CustomLevelWnd.h"
#include "screens/GameLink.h"
#include "screens/MainMenu.h"
#include "screens/TopWnd.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"
#include "storage/Settings.h"
#include "support/FakePlatform.h"
#include "widgets/SimpleButton.h"
#include "widgets/SimpleCheckBox.h"
#include "widgets/TrackBar.h"

#include <gtest/gtest.h>

#include <array>

using namespace NTestMedia;
using NInterface::CContinueDlg;
using NInterface::CCustomLevelWnd;
using NInterface::CMainMenu;

namespace
{
class MainMenuTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CSettings& settings = Settings();
        m_saved_folder = settings.m_user_folder;
        m_saved_levels = settings.m_level_records;
        settings.m_user_folder = m_user.Path() + "/";
        m_data.Write("mui/resourses.txt", "");
        CFileSystem::Create()->SetRoot(m_data.Path());
        m_group = CreateGroup("main", *CFileSystem::Get());
        CApplication::Create(m_platform);
        Application().SetLogicalSize(800, 600);
        ASSERT_TRUE(Application().CreateMainWindow("Chromal", 0, 0, 800, 600));
    }
    void TearDown() override
    {
        CApplication::Destroy();
        CInterfaceResources::Destroy();
        DeleteGroup("main");
        CFileSystem::Destroy();
        CSettings& settings = Settings();
        settings.m_user_folder = m_saved_folder;
        settings.m_level_records = m_saved_levels;
    }
    std::string UserFile(const char* name) const { return m_user.Path() + "/" + name; }

    CTempFolder m_data;
    CTempFolder m_user;
    CFakePlatform m_platform;
    CResourceGroup* m_group = nullptr;
    std::string m_saved_folder;
    std::array<int, NLevelSets::kCount> m_saved_levels{};
};

NGame::CField::Mask NoMasks(const std::string&)
{
    return nullptr;
}
} // namespace

TEST_F(MainMenuTest, LevelChoicePreviewsTheCheckedSet)
{
    std::vector<std::string> read;
    CCustomLevelWnd window(
        [&read](const std::string& name)
        {
            read.push_back(name);
            return NGame::CField::Mask();
        });
    window.LevelBar()->SetValue(3.0f);
    window.Update(16.0f);
    EXPECT_EQ(read.back(), "dat/levels_duel/lev003.raw");

    window.OnControl(window.ClassicBox());
    EXPECT_EQ(read.back(), "dat/levels_classic/lev003.raw");
    EXPECT_EQ(window.Preview().GetLevelSet(), NLevelSets::kClassic);
    EXPECT_EQ(window.Preview().GetLevelsCount(), 20);
    window.LevelBar()->SetValue(5.0f);
    window.Update(16.0f);
    EXPECT_EQ(read.back(), "dat/levels_classic/lev005.raw");

    window.OnControl(window.AdvancedBox());
    EXPECT_EQ(read.back(), "dat/levels_duel/lev005.raw");
    EXPECT_EQ(window.Preview().GetLevelSet(), NLevelSets::kAdvanced);
    EXPECT_EQ(window.Preview().GetLevelsCount(), 20);
}

TEST_F(MainMenuTest, LevelRecordsUnlockTheLevelChoiceAcrossRuns)
{
    // Finishing the advanced set's level 4 raises its record to 5, and the
    // moving set's level 1 its own to 2.
    Settings().m_level_records[NLevelSets::kClassic] = 2;
    Settings().m_level_records[NLevelSets::kAdvanced] = 1;
    Settings().m_level_records[NLevelSets::kMoving] = 1;
    NGame::CField board(NLevelSets::kAdvanced, 20, {}, NoMasks);
    board.SetLevelReached(NGame::RecordLevelReached(Settings()));
    board.SetLevel(3);
    board.AdvanceLevel(1);
    NGame::CField moving(NLevelSets::kMoving, 20, {}, NoMasks);
    moving.SetLevelReached(NGame::RecordLevelReached(Settings()));
    moving.AdvanceLevel(1);
    ASSERT_EQ(Settings().m_level_records[NLevelSets::kAdvanced], 5);
    ASSERT_EQ(Settings().m_level_records[NLevelSets::kMoving], 2);
    ASSERT_EQ(Settings().m_level_records[NLevelSets::kClassic], 2);
    ASSERT_TRUE(Settings().Save(UserFile(CSettings::kFileName), CWindowState{}));

    // The next run reads the records back before the level choice opens.
    Settings().m_level_records[NLevelSets::kClassic] = 0;
    Settings().m_level_records[NLevelSets::kAdvanced] = 0;
    Settings().m_level_records[NLevelSets::kMoving] = 0;
    Settings().Load(UserFile(CSettings::kFileName));
    CCustomLevelWnd window(NoMasks);
    Application().PushScreen(&window);
    const struct
    {
        CSimpleCheckBox* box;
        int level;
        bool open;
    } cases[] = {{window.AdvancedBox(), 4, true}, {window.AdvancedBox(), 5, false},
                 {window.ClassicBox(), 1, true},  {window.ClassicBox(), 2, false},
                 {window.MovingBox(), 1, true},   {window.MovingBox(), 2, false}};
    for (const auto& c : cases)
    {
        // A box's click (a second one too) weighs the chosen level against
        // its own set's record, and leaves that box alone checked.
        window.LevelBar()->SetValue(static_cast<float>(c.level));
        window.OnControl(c.box);
        window.OnControl(c.box);
        EXPECT_EQ(window.OkButton()->IsDisabled(), !c.open) << c.level;
        EXPECT_EQ(window.AdvancedBox()->IsChecked() + window.ClassicBox()->IsChecked() +
                      window.MovingBox()->IsChecked(),
                  1);
        EXPECT_TRUE(c.box->IsChecked());
        if (!c.open)
            window.OnControl(window.OkButton());
        EXPECT_FALSE(window.IsStartRequested()) << "a locked level must not start";
    }
    window.LevelBar()->SetValue(1.0f);
    window.UpdateLock();
    window.OnControl(window.OkButton());
    EXPECT_TRUE(window.IsStartRequested());
    Application().RemoveScreen(&window);
}

// Play opening the level choice without a saved game, Escape closing it and
// then quitting from the menu, with no game written: the golden menus run.
TEST_F(MainMenuTest, HostileSavedGameKeysAreRefusedOrKeptInRange)
{
    CPropertyFile store;
    for (const char* type : {"-1", "3", "99999999999", "", "two"})
    {
        store.SetString(NSavedGame::kTypeKey, type);
        EXPECT_EQ(NSavedGame::GameType(store), -1) << type;
    }
    store.SetInt(NSavedGame::kTypeKey, 2);
    EXPECT_EQ(NSavedGame::GameType(store), 2);
    store.SetInt(NSavedGame::kMoneyKey, -500);
    store.SetInt(NSavedGame::kLivesKey, 2147483647);
    EXPECT_EQ(NSavedGame::Money(store), 0);
    EXPECT_LE(NSavedGame::Lives(store), 1000);

    // Noise in place of the file: nothing to resume, and the menu still starts.
    m_user.Write(NSavedGame::kFileName, Bytes{0x00, 0xff, 0x22, 0x0a, 0x7f, 0x3d});
    m_user.Write(CTopTable::kFileName, std::string(5000, '"'));
    CMainMenu menu;
    menu.StartHook();
    EXPECT_EQ(menu.Game(), nullptr);
    EXPECT_EQ(menu.TopTable().GetName(1, 6), CTopTable::kDefaultName);
    EXPECT_EQ(menu.TopTable().GetPoints(0, 0), 0);
}

// A new score on the disk at once, before the menu closes: high_score_test.
TEST_F(MainMenuTest, TopPagesStayWithinTheTwoLists)
{
    CMainMenu menu;
    NInterface::CTopWnd top(&menu.TopTable());
    top.SetPage(7);
    EXPECT_EQ(top.GetPage(), 1);
    EXPECT_FALSE(top.NextButton()->IsVisible());
    EXPECT_TRUE(top.PrevButton()->IsVisible());
    top.OnControl(top.PrevButton());
    top.OnControl(top.PrevButton());
    EXPECT_EQ(top.GetPage(), 0);
    EXPECT_FALSE(top.PrevButton()->IsVisible());
}

TEST_F(MainMenuTest, StartNewFromTheContinueDialogKeepsTheGameUntilANewOneStarts)
{
    CreateGameResourcesFrom(*CFileSystem::Get());
    Settings().m_level_records[NLevelSets::kAdvanced] = 1;
    {
        CMainMenu menu;
        Application().PushScreen(&menu);
        menu.StartGame(0, 2);
        NGame::CGame* kept = menu.Game();
        ASSERT_NE(kept, nullptr);
        kept->OnControl(kept->GetMainMenuButton());
        Application().FrameStep(16.0f);
        ASSERT_EQ(menu.Game(), kept) << "a game left by its menu button is kept";

        menu.OnControl(menu.GameButton());
        CContinueDlg* dialog = menu.ContinueDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->GetLevel(), 3);
        dialog->OnControl(dialog->StartNewButton());
        Application().FrameStep(16.0f);
        CCustomLevelWnd* choice = menu.LevelWindow();
        ASSERT_NE(choice, nullptr);
        EXPECT_EQ(Application().TopScreen(), choice);
        EXPECT_EQ(menu.Game(), kept) << "kept until a new game starts";

        // The advanced set, checked at first, from its first level.
        choice->LevelBar()->SetValue(0.0f);
        choice->OnControl(choice->OkButton());
        Application().FrameStep(16.0f);
        ASSERT_NE(menu.Game(), nullptr);
        EXPECT_EQ(Application().TopScreen(), menu.Game());
        EXPECT_EQ(menu.Game()->GetGameType(), 1);
        EXPECT_EQ(NGameLink::ContinueLevel(menu.Game()), 1);
        Application().RemoveScreen(&menu);
    }
    ReleaseGameResources();
}

TEST_F(MainMenuTest, MovingLevelChosenStartsAMovingGameThatIsSavedAndResumedAsOne)
{
    m_data.Write("dat/game.txt", "m_levels_moving 7\n");
    CreateGameResourcesFrom(*CFileSystem::Get());
    Settings().m_level_records[NLevelSets::kMoving] = 2;
    {
        CMainMenu menu;
        Application().PushScreen(&menu);
        menu.OnControl(menu.GameButton());
        CCustomLevelWnd* choice = menu.LevelWindow();
        ASSERT_NE(choice, nullptr);
        choice->OnControl(choice->MovingBox());
        EXPECT_EQ(choice->Preview().GetLevelSet(), NLevelSets::kMoving);
        EXPECT_EQ(choice->Preview().GetLevelsCount(), 7) << "the game's count of moving boards";
        choice->LevelBar()->SetValue(1.0f);
        choice->OnControl(choice->OkButton());
        Application().FrameStep(16.0f);
        ASSERT_NE(menu.Game(), nullptr);
        EXPECT_EQ(menu.Game()->GetGameType(), NGame::kMovingGame);
        EXPECT_EQ(menu.Game()->GetField().GetLevel(), 1);
        EXPECT_EQ(menu.Game()->GetField().GetLevelSet(), NLevelSets::kMoving);
        menu.ExitHook();
        Application().RemoveScreen(&menu);
    }
    // A level counted after the save, as a kill between the two files leaves
    // it: the resumed game goes with the statistics of its own moment.
    CStatistics counted;
    counted.Load(UserFile(CStatistics::kFileName));
    const int revision = counted.Revision();
    counted.LevelWon(NLevelSets::kMoving, 0);
    ASSERT_TRUE(counted.Save(UserFile(CStatistics::kFileName)));
    CMainMenu next;
    next.StartHook();
    ASSERT_NE(next.Game(), nullptr);
    EXPECT_EQ(next.Game()->GetGameType(), NGame::kMovingGame);
    EXPECT_EQ(next.Game()->GetField().GetLevel(), 1);
    EXPECT_EQ(next.Statistics().Revision(), revision);
    EXPECT_EQ(next.Statistics().Set(NLevelSets::kMoving).m_won, 0);
    ReleaseGameResources();
}

TEST_F(MainMenuTest, MenuBackdropIsDecodedWhenShownAndReleasedWhileAGameCoversTheMenu)
{
    m_data.Write("mui/resourses.txt", "m_main_window_back mui/main.tga\n");
    CreateGameResourcesFrom(*CFileSystem::Get());
    {
        CMainMenu menu;
        Application().PushScreen(&menu);
        const CTexture* backdrop = CInterfaceResources::Get()->m_main_window_back;
        EXPECT_FALSE(m_group->IsLoaded(backdrop));
        Application().DrawScreens();
        EXPECT_TRUE(m_group->IsLoaded(backdrop));

        menu.StartGame(0, 0);
        ASSERT_NE(menu.Game(), nullptr);
        EXPECT_FALSE(m_group->IsLoaded(backdrop)) << "kept behind the game";
        menu.Game()->OnControl(menu.Game()->GetMainMenuButton());
        Application().FrameStep(16.0f);
        ASSERT_EQ(Application().TopScreen(), &menu);
        Application().DrawScreens();
        EXPECT_TRUE(m_group->IsLoaded(backdrop));
        Application().RemoveScreen(&menu);
    }
    ReleaseGameResources();
}
