// One game's match, level after level: the board and its two players, whose
// turn it is, a skipped turn, and each level's decision with the lives, the
// purse and the score. The game screen owns one and drives it a frame at a
// time; it reports how a level ended rather than playing anything itself.
#pragma once

#include "rules/Field.h"
#include "rules/Player.h"

#include <memory>
#include <vector>

namespace NGame
{
enum EGameType
{
    kClassicGame = 0,
    kAdvancedGame = 1,
    kMovingGame = 2
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

    // `humanStrength` 0-5 puts a computer player of that strength on the
    // human side (headless runs); -1 leaves it to the person at the screen.
    CMatch(int gameType, std::unique_ptr<CField> field, int humanStrength = -1);
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
    // level that finished is decided (a life, bought with `lifePrice` cents
    // when none is left, stands for a lost level).
    void AdvanceTurn(int lifePrice);
    // Level ends since the last call.
    std::vector<ELevelEnd> TakeLevelEnds();

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
    // The territory of a player's home; 0 for a player that does not exist.
    int Region(std::size_t player) const;
    int GetTotalScore() const { return m_total_score; }
    void SetTotalScore(int score) { m_total_score = score; }
    bool IsGameOver() const { return m_game_over; }
    bool IsLifeLost() const { return m_life_lost; }
    // The opponent's next turn is skipped (a bonus bought for it).
    bool IsSkipPending() const { return m_skip_pending; }
    void SetSkipPending() { m_skip_pending = true; }

  private:
    void PassTurn();
    void DecideLevel(bool wasFinished, int lifePrice);
    void ReportEnd(ELevelEnd end);

    int m_game_type;
    int m_human_strength;
    std::unique_ptr<CField> m_field;
    // Declared after the board: players detach their homes from it when they go.
    std::vector<std::unique_ptr<CPlayer>> m_players;
    int m_current_player = 0;
    int m_ai_difficulty = 0;
    int m_total_score = 0;
    bool m_game_over = false;
    bool m_life_lost = false;
    bool m_was_finished = false;
    bool m_end_reported = false;
    bool m_skip_pending = false;
    std::vector<ELevelEnd> m_ends;
};
} // namespace NGame
