// A participant of a level: a home cell on the board, a purse and lives, and
// the turn state through which the game passes moves around.
#pragma once

#include <vector>

namespace NGame
{
class CField;

enum EPlayerState
{
    PlayerWaiting = 0,
    PlayerTurn = 1,
    PlayerMoving = 2
};

class CPlayer
{
  public:
    CPlayer(int homeRow, int homeColumn, CField* field);
    virtual ~CPlayer();
    CPlayer(const CPlayer&) = delete;
    CPlayer& operator=(const CPlayer&) = delete;

    virtual void Update(float elapsedMs);
    // A left click on the board at a screen point.
    virtual void OnClick(float x, float y);
    // A colour chosen from the keyboard: played as a click on a flower of it.
    virtual void OnColourKey(int colour);

    void BeginTurn() { m_state = PlayerTurn; }
    // False, and nothing spent, when the purse holds less than `amount`.
    bool Spend(int amount);

    int GetHomeRow() const { return m_home_row; }
    int GetHomeColumn() const { return m_home_column; }
    int GetMoney() const { return m_money; }
    void SetMoney(int money) { m_money = money; }
    int GetLives() const { return m_lives; }
    void SetLives(int lives) { m_lives = lives; }
    int GetState() const { return m_state; }
    bool IsValidClick() const { return m_valid_click; }
    // The moves played in this level.
    int GetMoves() const { return m_moves; }
    void SetMoves(int moves) { m_moves = moves; }
    CField* GetField() const { return m_field; }

    // Cents a coin of each kind is worth; -1 for an unknown kind.
    static int CoinValue(int kind);
    // Every player that exists, in order of creation.
    static const std::vector<CPlayer*>& Registry();

    // Plays `colour` from the home, credits the coins the move collected (or
    // discards them) and asks for the move sound; false when the board
    // refuses the move. Colour permission is the caller's test.
    bool PlayColour(int colour, bool creditCoins);

  protected:
    int m_state = PlayerWaiting;
    int m_home_column;
    int m_home_row;
    CField* m_field;
    int m_money = 25;
    int m_lives = 3;
    bool m_valid_click = false;
    int m_moves = 0;
};
} // namespace NGame
