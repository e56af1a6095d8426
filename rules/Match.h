// One game's match, level after level: the board and its two players, whose
// turn it is, the bonuses bought in the human's turn, and each level's
// decision with the lives, the purse and the score. The game screen owns one
// and drives it a frame at a time; it reports how a level ended, and keeps
// the last whole moment of the game for saving, rather than playing or
// writing anything itself.
#pragma once

#include "catalogue/Opponents.h"
#include "rules/Bonus.h"
#include "rules/Field.h"
#include "rules/Player.h"

#include <functional>
#include <memory>
#include <vector>

namespace NGame
{
// A game type is the number of the level set it plays.
enum EGameType
{
    kClassicGame = NLevelSets::kClassic,
    kAdvancedGame = NLevelSets::kAdvanced,
    kMovingGame = NLevelSets::kMoving
};

class CMatch
{
  public:
    // How a decided level ended, reported once per level.
    enum ELevelEnd
    {
        kLevelCompleted,
        kLevelLifeLost,
        kLevelGameOver
    };

    // The game as it stood at one moment, whole: the board with the purse,
    // lives, score and pending skip that belong to it. Taken whenever a turn
    // is complete (the board's snapshot), when the bonuses of a turn have
    // settled, when a level is finished (before it is counted) and when a
    // level opens; a saved game is always one of these.
    enum EMomentKind
    {
        kMomentOpening,  // a level opens (its insects still bring the coins)
        kMomentTurn,     // the turn came back to the human, or an opening ended
        kMomentBonuses,  // the bonuses of the human's turn have settled
        kMomentFinished, // the level is finished, not yet counted
        kMomentResumed   // a saved game was loaded
    };
    struct SMoment
    {
        EMomentKind m_kind = kMomentOpening;
        SSavedBoard m_board;
        int m_money = 0;
        int m_lives = 0;
        int m_score = 0;
        int m_moves = 0; // the human's moves in the level
        bool m_skip_pending = false;
    };

    // Makes the running bonus of a kind (rules/BonusKinds.h); null refuses it.
    using BonusMaker = std::function<std::unique_ptr<CBonus>(int kind, CField& field, CPlayer& human)>;

    // `humanStrength` 0-5 puts a computer player of that strength on the
    // human side (headless runs); -1 leaves it to the person at the screen.
    // `opponent` is the one chosen in the options (NOpponents).
    CMatch(int gameType, std::unique_ptr<CField> field, int humanStrength = -1,
           int opponent = NOpponents::kLevel);
    ~CMatch();
    CMatch(const CMatch&) = delete;
    CMatch& operator=(const CMatch&) = delete;

    // New players for the board's level: the human at the middle row's left
    // end, the opponent at its right end, the human to move.
    void StartLevel();
    void StartAtLevel(int level);
    // After a decided level: the next one, or the same one again with one
    // life fewer; purses and lives go on.
    void NextLevelOrRetry();

    // One frame of the board and of the player whose turn it is.
    void UpdateBoard(float elapsed);
    // After the board's frame: the turn passes once its player is done, and a
    // level that finished is decided once no bonus runs and the board rests
    // (a life, bought with `lifePrice` cents when none is left, stands for a
    // lost level).
    void AdvanceTurn(int lifePrice);
    // Level ends since the last call.
    std::vector<ELevelEnd> TakeLevelEnds();
    // The level's outcome is fixed: its message stands and it may be left.
    bool IsLevelDecided() const { return m_decided; }

    // Bonuses. One may be bought while it is the human's turn on a resting,
    // undecided board, the purse holds `price` and the bonus finds something
    // to act on. The purse pays when the bonus is made; a bonus that finds
    // nothing left when its carrier arrives gives its price back. When the
    // last one is over the territories settle and the coins the human's zone
    // took are paid at once.
    bool CanBuyBonus(int kind, int price) const;
    bool BuyBonus(int kind, int price);
    void UpdateBonuses(float elapsed);
    std::size_t GetBonusCount() const { return m_bonuses.size(); }
    const CBonus& GetBonus(std::size_t index) const { return *m_bonuses[index].m_bonus; }
    // Replaces how bonuses are made; an empty function restores the rules' own.
    void SetBonusMaker(BonusMaker maker);

    // The last whole moment, and a count that changes with every new one.
    const SMoment& GetMoment() const { return m_moment; }
    unsigned GetMomentCount() const { return m_moment_count; }
    // Takes the board's snapshot (unless it is opening) and keeps the moment.
    void Checkpoint(EMomentKind kind);
    // A resumed game's pending skip, bought for `price`: the opponent's home
    // dims again.
    void RestoreSkipPending(int price);

    int GetGameType() const { return m_game_type; }
    CField& GetField() { return *m_field; }
    const CField& GetField() const { return *m_field; }
    std::size_t GetPlayerCount() const { return m_players.size(); }
    CPlayer* GetPlayer(std::size_t index) const
    {
        return index < m_players.size() ? m_players[index].get() : nullptr;
    }
    int GetCurrentPlayer() const { return m_current_player; }
    int GetAiDifficulty() const { return m_ai_difficulty; }
    // The opponent the game was started with; a new one plays from the next
    // StartLevel on (a resumed game's, before its level starts).
    int GetOpponent() const { return m_opponent; }
    void SetOpponent(int opponent) { m_opponent = NOpponents::FromStored(opponent); }
    // The territory of a player's home; 0 for a player that does not exist.
    int Region(std::size_t player) const;
    int GetTotalScore() const { return m_total_score; }
    void SetTotalScore(int score) { m_total_score = score; }
    bool IsGameOver() const { return m_game_over; }
    bool IsLifeLost() const { return m_life_lost; }
    // The opponent's next turn is skipped (a bonus bought for it).
    bool IsSkipPending() const { return m_skip_pending; }

  private:
    struct SRunningBonus
    {
        std::unique_ptr<CBonus> m_bonus;
        int m_price = 0;
    };

    void PassTurn();
    void DecideLevel(int lifePrice);
    void ReportEnd(ELevelEnd end);
    void RecordMoment(EMomentKind kind);
    // A snapshot the board took by itself (its opening ended) makes a moment.
    void NoteSnapshot();
    bool BarLocked() const;

    int m_game_type;
    int m_human_strength;
    int m_opponent;
    std::unique_ptr<CField> m_field;
    // Declared after the board: players detach their homes from it when they go.
    std::vector<std::unique_ptr<CPlayer>> m_players;
    // After the players: a bonus may act on one (the life).
    std::vector<SRunningBonus> m_bonuses;
    BonusMaker m_bonus_maker;
    int m_current_player = 0;
    int m_ai_difficulty = 0;
    int m_total_score = 0;
    bool m_game_over = false;
    bool m_life_lost = false;
    bool m_decided = false;
    bool m_skip_pending = false;
    int m_skip_price = 0;
    // The bonuses of this turn are over: a moment once the board rests.
    bool m_settle_pending = false;
    std::vector<ELevelEnd> m_ends;
    SMoment m_moment;
    unsigned m_moment_count = 0;
    unsigned m_seen_snapshots = 0;
};
} // namespace NGame
