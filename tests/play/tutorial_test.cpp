// The game's configuration and hint table, the tutorial sequence, the
// wrong-colour hint and the hints option.
#include "GameFixture.h"

#include "markup/MarkupNode.h"
#include "media/ResourceGroup.h"
#include "screens/HelpBlock.h"
#include "widgets/ScrollingText.h"

namespace NGame::NTest
{
namespace
{
std::vector<std::uint32_t> OpenRecords(CGame& game)
{
    std::vector<std::uint32_t> records;
    for (const auto& hint : game.GetTutorial().GetHints())
        records.push_back(hint->GetRecord());
    return records;
}
} // namespace

class TutorialTest : public GameFixture
{
  protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        Settings().m_hints = true;
    }
    void Reload(int hintCount, int movingHints = 0)
    {
        WriteHints(hintCount, movingHints);
        CreateGameResourcesFrom(*m_files);
    }
    // A press away from the boxes closes every open hint; they are gone once faded.
    void CloseHints()
    {
        m_game->OnLButtonDown(790, 590, 0);
        m_game->OnLButtonUp(790, 590, 0);
        ASSERT_TRUE(RunUntil([this] { return m_game->GetTutorial().GetHints().empty(); }, 60));
    }
    // Runs until the next tutorial group is open.
    std::vector<std::uint32_t> NextGroup()
    {
        RunUntil([this] { return !m_game->GetTutorial().GetHints().empty(); }, 200);
        return OpenRecords(*m_game);
    }
};

TEST_F(TutorialTest, ConfigurationGivesPricesAndLevelCounts)
{
    EXPECT_EQ(FindGameResources()->GetLevelCount(NLevelSets::kMoving), 20);
    std::ofstream(m_root + "/dat/game.txt") << "m_bonus_price_life 7\n";
    CreateGameResourcesFrom(*m_files);
    EXPECT_EQ(FindGameResources()->GetPrice(BonusLife), 7);
    EXPECT_EQ(FindGameResources()->GetPrice(0), 0) << "a missing price makes the bonus free";
    EXPECT_EQ(FindGameResources()->GetLevelCount(NLevelSets::kMoving), 0);
    EXPECT_EQ(FindGameResources()->GetLevelCount(NLevelSets::kAdvanced), 20);
    // The tooltip and the help name the price the configuration charges.
    EXPECT_EQ(Start().GetBonusBar().TooltipText(BonusLife), "Plus one life (7 cents)  (key L)");
    const std::string help = "<block width=\"9999\"><text>One more life. {m_bonus_price_life}</text></block>";
    CMarkupNode block;
    block.ParseMarkup(help.data(), help.size());
    EXPECT_EQ(NInterface::CHelpBlock(block, 1).GetText()->GetLines(),
              std::vector<std::string>{"One more life. 7 cents "});
}

TEST_F(TutorialTest, HintTableSizesTheTutorial)
{
    Reload(1);
    EXPECT_EQ(FindGameResources()->GetTutorialLength(), 0);
    EXPECT_EQ(FindGameResources()->GetWrongColourHint(), 0);
    // The moving set's hint stands first in the file, yet after the others in
    // the table; each picture keeps the number of its place in the file.
    Reload(12, 1);
    EXPECT_EQ(FindGameResources()->GetTutorialLength(), 11);
    EXPECT_EQ(FindGameResources()->GetWrongColourHint(), 11);
    const SHintRecord* last = FindGameResources()->GetHint(11);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->m_texture, FindGroup("game")->GetTexture("dat/hints/hint12.tga"));
    EXPECT_FLOAT_EQ(last->m_check_x, 115.0f);
    EXPECT_FLOAT_EQ(last->m_check_y, 26.0f);
    ASSERT_EQ(FindGameResources()->GetMovingHints(), std::vector<int>{12});
    EXPECT_EQ(FindGameResources()->GetHint(12)->m_texture,
              FindGroup("game")->GetTexture("dat/hints/hint00.tga"));
    EXPECT_EQ(FindGameResources()->GetHint(13), nullptr);
    Reload(0);
    EXPECT_EQ(FindGameResources()->GetTutorialLength(), 0);
    EXPECT_EQ(FindGameResources()->GetWrongColourHint(), -1);
}

TEST_F(TutorialTest, TutorialOpensGroupsAndWaitsForEachToClose)
{
    Start();
    Field().LandAllInsects();
    // A hint's picture is decoded when it is shown, one at a time.
    const CResourceGroup* group = FindGroup("game");
    const CTexture* first = FindGameResources()->GetHint(0)->m_texture;
    EXPECT_FALSE(group->IsLoaded(first));
    ASSERT_EQ(NextGroup(), std::vector<std::uint32_t>{0});
    m_game->Draw();
    EXPECT_TRUE(group->IsLoaded(first));
    CloseHints();
    ASSERT_EQ(NextGroup(), std::vector<std::uint32_t>{1});
    m_game->Draw();
    EXPECT_TRUE(group->IsLoaded(FindGameResources()->GetHint(1)->m_texture));
    EXPECT_FALSE(group->IsLoaded(first));
    CloseHints();
    EXPECT_EQ(NextGroup(), (std::vector<std::uint32_t>{2, 3, 4}));
    // Closing two of the three is not enough for the next step.
    m_game->GetTutorial().GetHints()[2]->OnLButtonDown(790, 590);
    m_game->GetTutorial().GetHints()[1]->OnLButtonDown(790, 590);
    Frames(40);
    EXPECT_EQ(OpenRecords(*m_game), std::vector<std::uint32_t>{2});
    CloseHints();
    EXPECT_EQ(NextGroup(), std::vector<std::uint32_t>{5});
    CloseHints();
    EXPECT_EQ(NextGroup(), (std::vector<std::uint32_t>{6, 7}));
    float x = 0.0f;
    float y = 0.0f;
    Field().CellPosition(Field().GetRows() / 3, 4, x, y);
    EXPECT_FLOAT_EQ(FindGameResources()->GetHint(7)->m_x, x);
    EXPECT_FLOAT_EQ(FindGameResources()->GetHint(7)->m_y, y);
    CloseHints();
    EXPECT_EQ(NextGroup(), std::vector<std::uint32_t>{8});
    CloseHints();
    EXPECT_EQ(NextGroup(), std::vector<std::uint32_t>{9});
    CloseHints();
    Frames(50);
    EXPECT_TRUE(m_game->GetTutorial().GetHints().empty());
    EXPECT_EQ(m_game->GetTutorial().GetProgress(), 10);
    EXPECT_TRUE(Settings().m_hints) << "closing without touching the box keeps hints on";
}

TEST_F(TutorialTest, MovingSetShowsItsOwnHintAndNoneOfTheTutorial)
{
    Reload(11, 1);
    Start(kMovingGame);
    Field().LandAllInsects();
    EXPECT_EQ(NextGroup(), std::vector<std::uint32_t>{11});
    CloseHints();
    Frames(200);
    EXPECT_TRUE(m_game->GetTutorial().GetHints().empty());
    EXPECT_EQ(m_game->GetTutorial().GetProgress(), 10);
}

TEST_F(TutorialTest, ShortHintTableSkipsMissingTutorialNumbers)
{
    Reload(4); // three tutorial hints and the wrong-colour hint
    Start();
    Field().LandAllInsects();
    EXPECT_EQ(NextGroup(), std::vector<std::uint32_t>{0});
    CloseHints();
    EXPECT_EQ(NextGroup(), std::vector<std::uint32_t>{1});
    CloseHints();
    EXPECT_EQ(NextGroup(), std::vector<std::uint32_t>{2});
    EXPECT_EQ(m_game->GetTutorial().GetProgress(), 5);
    CloseHints();
    Frames(50);
    EXPECT_TRUE(m_game->GetTutorial().GetHints().empty());
}

// The keys' colours, Space and Escape in a real window: keyboard_play_test
// and system_keys_test.
TEST_F(TutorialTest, ClicksAndColourKeysDoNothingWhileAHintIsOpen)
{
    Start();
    Field().LandAllInsects();
    ASSERT_FALSE(NextGroup().empty());
    ASSERT_TRUE(RunUntil([this] { return Field().IsIdle(); }));
    for (int key = '1'; key <= '6'; ++key)
        m_game->OnKeyDown(key);
    EXPECT_EQ(Human().GetState(), PlayerTurn);
    ASSERT_TRUE(ClickAllowedCell()); // its press closes the hint, its release is ignored
    EXPECT_EQ(Human().GetState(), PlayerTurn);
}

TEST_F(TutorialTest, ClearingTheBoxTurnsHintsOffAtOnceAndForGood)
{
    Start();
    Field().LandAllInsects();
    ASSERT_EQ(NextGroup(), std::vector<std::uint32_t>{0});
    // The first hint's box stands at (5, 26). Its click counts at once, so a
    // player who leaves before the hint has faded keeps the choice.
    m_game->OnMouseMove(5, 26, 0);
    Click(5, 26);
    EXPECT_FALSE(Settings().m_hints);
    Frames(1);
    EXPECT_TRUE(m_game->GetTutorial().GetHints().empty()) << "no hint stays open with hints off";
    Frames(100);
    EXPECT_TRUE(m_game->GetTutorial().GetHints().empty());
    EXPECT_EQ(m_game->GetTutorial().GetProgress(), 10) << "steps still advance, their hints go at once";
}

TEST_F(TutorialTest, WrongColourHintShowsAtMostTwice)
{
    Start();
    m_game->GetTutorial().SetProgress(FindGameResources()->GetTutorialLength());
    ASSERT_TRUE(Settle());
    for (int i = 0; i < 3; ++i)
    {
        ClickCell(Mid(), 0); // the human's own colour
        EXPECT_FALSE(Human().IsValidClick());
        EXPECT_EQ(m_game->GetTutorial().GetHints().size(), i < 2 ? 1u : 0u) << "click " << i;
        if (!m_game->GetTutorial().GetHints().empty())
        {
            EXPECT_EQ(m_game->GetTutorial().GetHints()[0]->GetRecord(), 10u);
            CloseHints();
        }
    }
    EXPECT_EQ(m_game->GetTutorial().GetWrongPickHints(), 2);
}

TEST_F(TutorialTest, EmptyHintTableOpensNoHintAtAll)
{
    Reload(0);
    Start();
    ASSERT_TRUE(Settle());
    ClickCell(Mid(), 0);
    EXPECT_TRUE(m_game->GetTutorial().GetHints().empty());
    EXPECT_EQ(m_game->GetTutorial().OpenHint(0), nullptr);
    EXPECT_EQ(m_game->GetTutorial().OpenHint(-1), nullptr);
}

TEST_F(TutorialTest, MovingSetTakesTheRivalsColourByKeyAndClickWithNoWrongColourHint)
{
    Start(kMovingGame);
    m_game->GetTutorial().SetProgress(FindGameResources()->GetTutorialLength());
    ASSERT_TRUE(Settle());
    const int mid = Mid();
    const int last = Field().RowLength(mid) - 1;
    Layout([mid, last](int r, int c)
           { return r == mid && c == 0 ? 2 : (r == mid && c == last ? 1 : (c % 2 == 0 ? 0 : 3)); });
    m_game->OnKeyDown('2'); // the rival's home colour
    EXPECT_EQ(Human().GetState(), PlayerMoving);
    EXPECT_EQ(Human().GetMoney(), 25) << "the moving set pays no coins";
    ASSERT_TRUE(RunUntil([this] { return Field().IsIdle() && Human().GetState() == PlayerTurn; }));
    ASSERT_TRUE(ClickAllowedCell());
    EXPECT_EQ(Human().GetState(), PlayerMoving);
    EXPECT_TRUE(m_game->GetTutorial().GetHints().empty());
}
} // namespace NGame::NTest
