// A game on the fake platform: its own data folder (configuration and hint
// table written here), boards from full in-memory masks, and helpers that lay
// out cells and click them the way the window would.
#pragma once

#include "framework/Application.h"
#include "play/BonusBar.h"
#include "play/Game.h"
#include "play/GameHint.h"
#include "play/GameResources.h"
#include "play/TopTable.h"
#include "play/Tutorial.h"
#include "rules/BoardBuilder.h"
#include "rules/LevelState.h"
#include "rules/Player.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <sys/stat.h>

namespace NGame::NTest
{
// A bonus that is over after a set number of frames, having acted.
class CFakeEffect final : public CBonus
{
  public:
    CFakeEffect(CField& field, int frames) : CBonus(field), m_frames(frames) { m_acted = true; }
    bool Update(float) override { return --m_frames < 0; }

  private:
    int m_frames;
};

class GameFixture : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/chromal-game-XXXXXX";
        m_root = mkdtemp(pattern);
        ::mkdir((m_root + "/dat").c_str(), 0700);
        ::mkdir((m_root + "/dat/hints").c_str(), 0700);
        std::ofstream config(m_root + "/dat/game.txt");
        config << "m_levels_moving 20\n";
        // The bar's prices as the shipped configuration has them.
        for (const SBonusInfo& bonus : kBonusTable)
            config << bonus.PriceKey() << ' ' << bonus.m_default_price << '\n';
        config.close();
        WriteHints(11);
        m_files = CFileSystem::Create();
        m_files->SetRoot(m_root);
        CreateGameResourcesFrom(*m_files);
        m_app = CApplication::Create(m_platform);
        m_app->SetLogicalSize(800, 600);
        m_app->CreateMainWindow("Chromal", 0, 0, 800, 600);
        m_app->PushScreen(&m_menu);
        m_saved_hints = Settings().m_hints;
        Settings().m_hints = false;
        m_bonus_maker = [this](int bonus, CField& field, CPlayer&)
        {
            m_bought.push_back(bonus);
            return std::make_unique<CFakeEffect>(field, m_effect_frames);
        };
    }

    void TearDown() override
    {
        if (m_game)
            m_app->RemoveScreen(m_game.get());
        m_game.reset();
        Settings().m_hints = m_saved_hints;
        CApplication::Destroy();
        ReleaseGameResources();
        CFileSystem::Destroy();
        std::system(("rm -rf '" + m_root + "'").c_str());
    }

    // `moving` records of the moving set come first in the file.
    void WriteHints(int count, int moving = 0)
    {
        std::ofstream hints(m_root + "/dat/hints/hints.xml");
        hints << "<hints>";
        for (int i = 0; i < moving; ++i)
            hints << "<hint set=\"moving\" posx=\"300\" posy=\"200\"></hint>";
        for (int i = 0; i < count; ++i)
            hints << "<hint posx=\"" << 10 * i << "\" posy=\"20\" posxcb=\"5\" posycb=\"6\"></hint>";
        hints << "</hints>";
    }

    CGame& Start(int type = kClassicGame, int level = 0)
    {
        m_game = std::make_unique<CGame>(
            type, &m_table,
            [](const std::string&)
            { return std::make_shared<const std::vector<unsigned char>>(800 * 600, 1); });
        m_game->GetMatch().SetBonusMaker(m_bonus_maker);
        if (level > 0)
            m_game->StartAtLevel(level);
        m_app->PushScreen(m_game.get());
        return *m_game;
    }

    CField& Field() { return m_game->GetField(); }
    CPlayer& Human() { return *m_game->GetPlayer(0); }

    void Frames(int count)
    {
        for (int i = 0; i < count; ++i)
            m_game->Update(16.0f);
    }
    bool RunUntil(const std::function<bool()>& done, int maxFrames = 3000)
    {
        for (int i = 0; i < maxFrames; ++i)
        {
            if (done())
                return true;
            m_game->Update(16.0f);
        }
        return done();
    }
    // The board idle with the human to move: the intro is cut short.
    bool Settle()
    {
        Field().LandAllInsects();
        return RunUntil([this] { return Field().IsIdle() && Human().GetState() == PlayerTurn; });
    }

    // Every cell coloured by `colour(r, c)`; the homes keep their places.
    void Layout(const std::function<int(int, int)>& colour)
    {
        CField& field = Field();
        std::vector<SCellState> cells;
        for (int r = 0; r < field.GetRows(); ++r)
            for (int c = 0; c < field.RowLength(r); ++c)
                cells.push_back({colour(r, c), -1});
        ASSERT_TRUE(field.RestoreState(CLevelState::Write(field.GetLevel(), cells)));
        ASSERT_TRUE(Settle());
    }

    void Click(int x, int y, int dx = 0, int dy = 0)
    {
        m_game->OnLButtonDown(x, y, 0);
        m_game->OnLButtonUp(x + dx, y + dy, 0);
    }
    void ClickCell(int r, int c, int dx = 0, int dy = 0)
    {
        float x = 0.0f;
        float y = 0.0f;
        Field().CellPosition(r, c, x, y);
        Click(static_cast<int>(x), static_cast<int>(y), dx, dy);
    }
    // A cell of a colour the human may take, released (dx, dy) away; false
    // when there is none.
    bool ClickAllowedCell(int dx = 0, int dy = 0)
    {
        CField& field = Field();
        for (int r = 0; r < field.GetRows(); ++r)
            for (int c = 0; c < field.RowLength(r); ++c)
                if (field.IsValidCell(r, c) && field.IsColourAllowed(field.GetCellColour(r, c)))
                {
                    ClickCell(r, c, dx, dy);
                    return true;
                }
        return false;
    }
    int Mid() { return Field().GetRows() / 2; }

    // Human home colour 2, the opponent's 1; the human then takes colour 0
    // with a click on (mid, 1) and ends the level won, tied or lost.
    void WinningBoard()
    {
        const int mid = Mid();
        const int last = Field().RowLength(mid) - 1;
        Layout([mid, last](int r, int c)
               { return r == mid && c == 0 ? 2 : (r == mid && c == last ? 1 : 0); });
    }
    void LosingBoard()
    {
        const int mid = Mid();
        Layout([mid](int r, int c) { return r == mid && c == 0 ? 2 : (r == mid && c == 1 ? 0 : 1); });
    }
    void TiedBoard()
    {
        const int mid = Mid();
        CField& field = Field();
        Layout(
            [mid, &field](int r, int c)
            {
                const int length = field.RowLength(r);
                if (r == mid && c == 0)
                    return 2;
                if (c < length / 2)
                    return 0;
                return length % 2 == 1 && c == length / 2 ? kHole : 1;
            });
    }
    // Plays the finishing move and waits for the decision.
    void FinishLevel()
    {
        ClickCell(Mid(), 1);
        ASSERT_TRUE(RunUntil([this] { return Field().IsLevelFinished() && Field().IsIdle(); }));
        Frames(2);
    }
    // "click to continue" and the level change after it.
    void Continue()
    {
        const int level = Field().GetLevel();
        const bool retry = m_game->IsLifeLost();
        Click(400, 300);
        ASSERT_EQ(Field().GetState(), Leaving);
        ASSERT_TRUE(
            RunUntil([&] { return Field().GetLevel() == level + (retry ? 0 : 1) && !m_game->IsLifeLost(); }));
        ASSERT_FALSE(Field().IsLevelFinished());
    }

    std::string m_root;
    CFakePlatform m_platform;
    CApplication* m_app = nullptr;
    CFileSystem* m_files = nullptr;
    CTopTable m_table{2};
    // Stands where the main menu will be, under the game.
    CScreen m_menu;
    std::unique_ptr<CGame> m_game;
    // Fake bonuses that count their purchases; null for the rules' own.
    CMatch::BonusMaker m_bonus_maker;
    std::vector<int> m_bought;
    int m_effect_frames = 0;
    bool m_saved_hints = true;
};
} // namespace NGame::NTest
