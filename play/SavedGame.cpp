// Reading and writing the saved-game file and checking its game keys.
#include "play/SavedGame.h"

#include "catalogue/Opponents.h"
#include "rules/Field.h"
#include "storage/Cipher.h"
#include "storage/PropertyFile.h"

#include <algorithm>

namespace NSavedGame
{
namespace
{
constexpr int kKeyLength = 12;
// Far beyond any purse or life count a game reaches.
constexpr int kMaxMoney = 100000000;
constexpr int kMaxLives = 1000;
constexpr int kMaxMoves = 100000;
} // namespace

bool Read(const std::string& path, CPropertyFile& store)
{
    store.Clear();
    return store.LoadFile(path, true, CCipher::kSavedGameKey, kKeyLength);
}

bool Write(const std::string& path, const CPropertyFile& store)
{
    return store.Save(path, CCipher::kSavedGameKey, kKeyLength);
}

std::string Encode(const CPropertyFile& store)
{
    return store.Encode(CCipher::kSavedGameKey, kKeyLength);
}

int GameType(const CPropertyFile& store)
{
    const int type = store.GetInt(kTypeKey, -1);
    return type >= 0 && type <= 2 ? type : -1;
}

int Money(const CPropertyFile& store)
{
    return std::clamp(store.GetInt(kMoneyKey, 0), 0, kMaxMoney);
}

int Lives(const CPropertyFile& store)
{
    return std::clamp(store.GetInt(kLivesKey, 0), 0, kMaxLives);
}

int Moves(const CPropertyFile& store)
{
    return std::clamp(store.GetInt(kMovesKey, 0), 0, kMaxMoves);
}

int Opponent(const CPropertyFile& store)
{
    return NOpponents::FromStored(store.GetInt(kOpponentKey, NOpponents::kLevel));
}

void WriteBoard(const NGame::SSavedBoard& board, CPropertyFile& store)
{
    store.SetString("gamedata.fieldstate", board.m_field_state);
    store.SetString("gamedata.dir_pattern", board.m_dir_pattern);
    store.SetInt("gamedata.level_num", board.m_level_num);
    store.SetInt("gamedata.levels_count", board.m_levels_count);
    store.SetInt("gamedata.m_game_type", board.m_game_type);
}

NGame::SSavedBoard ReadBoard(const CPropertyFile& store)
{
    NGame::SSavedBoard board;
    board.m_field_state = store.GetString("gamedata.fieldstate", "");
    board.m_dir_pattern = store.GetString("gamedata.dir_pattern", "0");
    board.m_level_num = store.GetInt("gamedata.level_num", 0);
    board.m_levels_count = store.GetInt("gamedata.levels_count", 0);
    board.m_game_type = store.GetInt("gamedata.m_game_type", 1);
    return board;
}
} // namespace NSavedGame
