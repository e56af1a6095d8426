// The board's snapshot in a saved game: what is written, what comes back, and
// saves that are refused without touching the board.
#include "play/SavedGame.h"
#include "rules/BoardBuilder.h"
#include "storage/PropertyFile.h"

#include <gtest/gtest.h>

namespace NGame::NTest
{
namespace
{
// The board's part of a saved-game file, written and read as the game does.
bool SaveTo(const CField& board, CPropertyFile& save)
{
    SSavedBoard saved;
    if (!board.SaveState(saved))
        return false;
    NSavedGame::WriteBoard(saved, save);
    return true;
}

bool LoadFrom(CField& board, const CPropertyFile& save)
{
    return board.LoadState(NSavedGame::ReadBoard(save));
}

// A classic-set board whose four masks cover everything.
std::unique_ptr<CField> ClassicBoard(SMaskTable& masks)
{
    for (const char* name : {"dat/levels_classic/lev000.raw", "dat/levels_classic/lev001.raw",
                             "dat/levels_classic/lev002.raw", "dat/levels_classic/lev003.raw"})
        masks.m_files[name] = FullMask();
    return std::make_unique<CField>(NLevelSets::kClassic, 4, TestResources(), masks.Reader());
}

// Random colours, holes and coins at `level`, snapshotted and saved.
CPropertyFile SaveRandomBoard(CField& board, int level)
{
    board.SetLevel(level);
    std::vector<SCellState> cells;
    const int mid = board.GetRows() / 2;
    for (int r = 0; r < board.GetRows(); ++r)
        for (int c = 0; c < board.RowLength(r); ++c)
        {
            // Never a hole under a home.
            const bool home = r == mid && (c == 0 || c == board.RowLength(r) - 1);
            cells.push_back({std::rand() % 7 == 0 && !home ? -3 : std::rand() % 6,
                             std::rand() % 5 == 0 ? std::rand() % 5 : -1});
        }
    EXPECT_TRUE(board.RestoreState(CLevelState::Write(level, cells)));
    RunUntilIdle(board);
    CPropertyFile save;
    EXPECT_TRUE(SaveTo(board, save));
    return save;
}

// The first level's save, byte for byte: the golden tutorial run.
TEST(SaveState, TheLastSnapshotIsSavedNotAMoveAfterIt)
{
    SMaskTable masks;
    auto board = ClassicBoard(masks);
    CPropertyFile save;
    board->SetLevel(2);
    RunUntilIdle(*board);
    const std::string snapshot = board->GetLevelState();
    board->PaintCell(0, 0, (board->GetCellColour(0, 0) + 1) % 6, true);
    ASSERT_TRUE(SaveTo(*board, save));
    EXPECT_EQ(save.ToText(), "gamedata.dir_pattern dat/levels_classic/lev%03d.raw\n"
                             "gamedata.fieldstate \"" +
                                 snapshot +
                                 "\"\n"
                                 "gamedata.level_num 2\ngamedata.levels_count 4\ngamedata.m_game_type 0\n");
}

TEST(LoadState, RandomBoardsComeBackExactlyThroughTheFileWithoutInsects)
{
    std::srand(99);
    for (int round = 0; round < 10; ++round)
    {
        SMaskTable savedMasks;
        auto saved = ClassicBoard(savedMasks);
        const std::string file = SaveRandomBoard(*saved, 1 + std::rand() % 150).ToText();
        CPropertyFile save;
        save.Parse(file.data(), file.size(), true);

        // A board of another set takes the saved one over, masks included.
        SMaskTable masks;
        masks.m_files["dat/levels_duel/lev000.raw"] = FullMask();
        CField board(NLevelSets::kAdvanced, 1, TestResources(), masks.Reader());
        masks.m_files = savedMasks.m_files;
        masks.m_requests.clear();
        ASSERT_TRUE(LoadFrom(board, save));
        EXPECT_EQ(masks.m_requests.size(), 1u);
        EXPECT_EQ(board.GetLevelSet(), NLevelSets::kClassic);
        EXPECT_EQ(board.GetLevelsCount(), 4);
        EXPECT_EQ(board.DescribeState(), saved->GetLevelState());
        EXPECT_TRUE(board.GetInsects().empty());
        EXPECT_EQ(board.GetState(), Intro);
        EXPECT_EQ(board.GetCell(0, 0)->GetState(), CellAppear);
        // The fade-in ends by itself and takes the new snapshot.
        for (int i = 0; i < 2000 && !board.IsIdle(); ++i)
            board.Update(16.0f);
        EXPECT_EQ(board.GetLevelState(), saved->GetLevelState());
    }
}

TEST(LoadState, ScrolledMovingBoardComesBackCellForCell)
{
    // Holes under the last cells of the upper rows, where every refill
    // reads the mask again; the set has no level count of its own.
    SMaskTable masks;
    std::vector<unsigned char> mask = FullMask();
    for (int y = 0; y < 270; ++y)
        for (int x = 700; x < 800; ++x)
            mask[static_cast<std::size_t>(x + y * 800)] = 0;
    masks.m_files["dat/levels_moving/lev000.raw"] = mask;
    masks.m_files["dat/levels_moving/lev001.raw"] = mask;
    std::srand(3);
    CField board(NLevelSets::kMoving, 0, TestResources(), masks.Reader());
    board.SetRefillLevelsCount(2);
    board.SetLevel(1);
    RunUntilIdle(board);
    for (int shift = 0; shift < 4; ++shift)
    {
        board.StartShift(1);
        ASSERT_TRUE(RunUntilIdle(board));
    }
    for (int r = 0; r < board.GetRows(); ++r)
        board.SetCellCoin(r, board.RowLength(r) - 1 - r % 3, r % 5);
    board.TakeSnapshot();
    CPropertyFile save;
    ASSERT_TRUE(SaveTo(board, save));

    CField resumed(NLevelSets::kMoving, 20, TestResources(), masks.Reader());
    ASSERT_TRUE(LoadFrom(resumed, save));
    EXPECT_EQ(resumed.DescribeState(), board.GetLevelState());
    // What lies under the ponds comes out of them as it would have.
    int hiddenCoins = 0;
    for (int r = 0; r < board.GetRows(); ++r)
        for (int c = 0; c < board.RowLength(r); ++c)
            if (board.IsHole(r, c))
            {
                hiddenCoins += board.GetCoin(r, c) >= 0;
                EXPECT_TRUE(resumed.IsHole(r, c));
                EXPECT_EQ(resumed.GetCell(r, c)->GetFlowerColour(), board.GetCell(r, c)->GetFlowerColour());
                EXPECT_EQ(resumed.GetCoin(r, c), board.GetCoin(r, c));
            }
    EXPECT_GT(hiddenCoins, 0);
}

TEST(LoadState, DamagedOrHostileSavesAreRefusedAndLeaveTheBoard)
{
    std::srand(5);
    SMaskTable masks;
    auto source = ClassicBoard(masks);
    const CPropertyFile good = SaveRandomBoard(*source, 2);
    const std::string text = good.GetString("gamedata.fieldstate", "");
    std::string wrongColour = text;
    wrongColour[5] = '6';

    const std::vector<std::pair<std::string, std::string>> damage = {
        {"gamedata.fieldstate", ""},
        {"gamedata.fieldstate", text.substr(0, text.size() - 3)},
        {"gamedata.fieldstate", text + "01 "},
        {"gamedata.fieldstate", "002 xx 01 "},
        {"gamedata.fieldstate", wrongColour},
        {"gamedata.fieldstate", "002 60 01 09 "},
        {"gamedata.fieldstate", "99999999999 01 "},
        {"gamedata.dir_pattern", "%s%s%s%n/lev%03d.raw"},
        {"gamedata.dir_pattern", "/etc/lev%03d.raw"},
        {"gamedata.level_num", "3"},
        {"gamedata.level_num", "-2"},
        {"gamedata.levels_count", "0"},
        {"gamedata.levels_count", "many"},
        {"gamedata.m_game_type", "7"},
    };
    auto board = ClassicBoard(masks);
    RunUntilIdle(*board);
    const std::string before = board->DescribeState();
    for (const auto& [key, value] : damage)
    {
        CPropertyFile save = good;
        save.SetString(key, value);
        EXPECT_FALSE(LoadFrom(*board, save)) << key << " = " << value;
    }
    // Only the set flag has a usable default.
    for (const char* missing :
         {"gamedata.fieldstate", "gamedata.dir_pattern", "gamedata.level_num", "gamedata.levels_count"})
    {
        CPropertyFile save;
        for (const auto& [key, value] : good.Map())
            if (key != missing)
                save.SetString(key, value);
        EXPECT_FALSE(LoadFrom(*board, save)) << "without " << missing;
    }
    EXPECT_EQ(board->DescribeState(), before);
    EXPECT_TRUE(board->IsIdle());
    EXPECT_EQ(board->GetLevelSet(), NLevelSets::kClassic);
}
} // namespace
} // namespace NGame::NTest
