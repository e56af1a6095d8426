// The saved-game file "saved_demo.dat": an enciphered property file in the
// per-user folder holding the game left at exit.
#pragma once

#include <string>

class CPropertyFile;

namespace NGame
{
struct SSavedBoard;
}

namespace NSavedGame
{
constexpr const char* kFileName = "saved_demo.dat";
constexpr const char* kNameKey = "menudata.gamename";
constexpr const char* kNameValue = "chromal game";
constexpr const char* kTypeKey = "gamedata.gametype";
constexpr const char* kScoreKey = "gamedata.totalscore";
constexpr const char* kMoneyKey = "gamedata.playermoney";
constexpr const char* kLivesKey = "gamedata.playerlifes";
// 1 when the opponent's next turn is skipped (bought and not yet used).
constexpr const char* kSkipKey = "gamedata.skip_pending";
// The moves made in a moving level (absent for none).
constexpr const char* kMovesKey = "gamedata.moves";
// The opponent the game was started with (NOpponents).
constexpr const char* kOpponentKey = "gamedata.opponent";

// False (store empty) when the file is missing or cannot be read.
bool Read(const std::string& path, CPropertyFile& store);
bool Write(const std::string& path, const CPropertyFile& store);
// The bytes Write puts in the file, for a write made elsewhere.
std::string Encode(const CPropertyFile& store);
// The stored game type (0 classic, 1 advanced, 2 moving), -1 for anything else.
int GameType(const CPropertyFile& store);
// Purse and lives as stored, kept to what a running game can hold: a hostile
// file must not hand out a negative or absurd purse.
int Money(const CPropertyFile& store);
int Lives(const CPropertyFile& store);
int Moves(const CPropertyFile& store);
// A save from before there was a choice played the level's own opponent.
int Opponent(const CPropertyFile& store);
// The board's part, under its "gamedata." keys (a missing key reads as what
// the board refuses or as the classic set's defaults).
void WriteBoard(const NGame::SSavedBoard& board, CPropertyFile& store);
NGame::SSavedBoard ReadBoard(const CPropertyFile& store);
} // namespace NSavedGame
