// What the rules subcommands (board, move, ai, simulate) share: opening the
// data as the game does and building boards headless.
#pragma once

#include "rules/AIPlayer.h"
#include "rules/Field.h"
#include "rules/Match.h"
#include "tools/chromal-tool/ToolArgs.h"

#include <functional>
#include <memory>
#include <string>

namespace NTool
{
// The rules refused the move that was asked for.
constexpr int kExitRefused = 3;

// A whole decimal integer within [low, high].
bool ParseInt(const std::string& text, int low, int high, int& value);

// The data folder opened as the game opens it, and the named level set.
class CRulesData
{
  public:
    bool Open(const std::string& folder, const std::string& setName, std::string& error);
    std::unique_ptr<NGame::CField> MakeField() const;
    NLevelSets::ESet GetSet() const { return m_set; }
    int GetLevelsCount() const { return m_levels_count; }

  private:
    NLevelSets::ESet m_set = NLevelSets::kClassic;
    // The set's count in the data, and that of the set a moving board refills from.
    int m_levels_count = 0;
    int m_refill_count = 0;
    NGame::SFieldResources m_sheets;
};

// Runs 16 ms frames until the board is idle; false when it never settles.
bool RunUntilIdle(NGame::CField& field);
// Puts a level-state text on the board through the saved-game path, with the
// board's own level set, so the tool accepts exactly what the game accepts.
bool LoadStateText(NGame::CField& field, const std::string& text);
// --seed, or the clock as the game seeds it.
void SeedRandom(const CArgs& args);
// The level-state text from --state or --state-file.
bool ReadStateOption(const CArgs& args, std::string& text, std::string& error);
// The board of --level (0 when absent), seeded by --seed, from the data set of
// --data and --set. On a problem it returns null and sets `exitCode` (usage
// error or failure, message printed).
std::unique_ptr<NGame::CField> BuildLevelBoard(const CArgs& args, CRulesData& data, const char* usage,
                                               int& level, int& exitCode);
// The board restored from --state or --state-file the way a saved game is
// restored; null with `exitCode` set on a problem.
std::unique_ptr<NGame::CField> RestoreStateBoard(const CArgs& args, CRulesData& data, const char* usage,
                                                 int& exitCode);
// The racer's colour for the human of a moving match (rules/MovingPlayer.h).
int RaceColour(const NGame::CMatch& match);
// How PlayLevel left a level.
enum class EPlayed
{
    kFinished,
    kStalled,    // the player to move found no colour the board takes
    kUnfinished, // the moves ran out
    kUnsettled,  // the board never came to rest; `failure` says when
};
// Plays the match's level as the game's turns go, computer players on both
// sides: `choose` gives the colour of the player whose turn it is, and
// `onMove(move, player, colour)` sees each move once the board has settled.
// `moves` counts the moves made.
EPlayed PlayLevel(NGame::CMatch& match, int maxMoves, const std::function<int(NGame::CAIPlayer&)>& choose,
                  const std::function<void(int, int, int)>& onMove, int& moves, std::string& failure);
// Checks what every rules subcommand needs: no positionals, --data and
// --set, and the listed required options. Returns an empty string when fine.
std::string CheckCommon(const CArgs& args, std::initializer_list<const char*> required);
} // namespace NTool
