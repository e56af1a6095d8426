// One hexagonal cell of the board: a flower of one of six colours or a hole,
// perhaps carrying a coin, with its own appear/flip/move/vanish animation.
#pragma once

#include "anim/SpriteClock.h"

#include <memory>

namespace NGame
{
enum ECellState
{
    CellIdle = 0,
    CellFlip = 1,
    CellAppear = 2,
    CellVanish = 3,
    CellMove = 4,
    CellGone = 5
};

class CCell
{
  public:
    // The clock prototypes are copied; the cell keeps no reference to them. A
    // null coin prototype gives coins without pictures (their kinds still count).
    CCell(int colour, const CSpriteClock& cellClock, const CSpriteClock* coinClock, float x, float y,
          float size);
    virtual ~CCell() = default;

    // Animated recolouring; a hole ignores it.
    void SetColour(int colour);
    // Recolouring without animation or changed mark (level build and restore).
    void SetColourDirect(int colour);
    void StartFlip();
    void SetDelay(float ms) { m_delay = ms; }
    void FadeIn();
    void FadeOut();
    void MoveTo(float x, float y, bool fade);
    void SetCoin(int kind);
    void SetHole(bool hole) { m_hole = hole; }
    void SetLit(bool lit) { m_lit = lit; }
    void SetHover(bool hover) { m_hover = hover; }
    void SetSize(float size) { m_size = size; }

    void Update(float elapsedMs);

    int GetState() const { return m_state; }
    bool IsIdle() const { return m_state == CellIdle; }
    bool IsMoving() const { return m_state == CellMove; }
    bool IsGone() const { return m_state == CellGone; }
    // The flower colour, -3 for a hole.
    int GetColour() const { return m_hole ? -3 : m_colour; }
    int GetFlowerColour() const { return m_colour; }
    int GetCoin() const { return m_coin; }
    bool IsHole() const { return m_hole; }
    bool IsChanged() const { return m_changed; }
    bool IsHover() const { return m_hover; }
    bool IsLit() const { return m_lit; }
    bool HasRemovedCoin() const { return m_removed_coin_clock != nullptr; }
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    float GetSize() const { return m_size; }
    float GetSizeFactor() const { return m_size_factor; }
    float GetAlpha() const { return m_alpha; }
    float GetAngle() const { return m_angle; }
    const CSpriteClock& GetClock() const { return m_clock; }
    // The coin shown, and a collected one still shown until the flip; null
    // when there is none or the board has no coin pictures.
    const CSpriteClock* GetCoinClock() const { return m_coin_clock.get(); }
    const CSpriteClock* GetRemovedCoinClock() const { return m_removed_coin_clock.get(); }

  private:
    // The steps of Update, one per state; k is the elapsed time in steps.
    void UpdateFlip(float elapsedMs);
    // Counts a fade's delay down; true while it lasts.
    bool FadeDelayed(float elapsedMs);
    void UpdateAppear(float k);
    void UpdateVanish(float k);
    void UpdateMove(float k);
    void UpdateIdle(float k);
    void UpdateHover(float k);

    int m_state = CellIdle;
    float m_alpha = 1.0f;
    float m_alpha_speed = 0.0f;
    bool m_hole = false;
    bool m_lit = true;
    bool m_hover = false;
    float m_size;
    float m_size_factor = 1.0f;
    int m_colour;
    CSpriteClock m_clock;
    const CSpriteClock* m_coin_prototype;
    int m_coin = -1;
    std::unique_ptr<CSpriteClock> m_coin_clock;
    std::unique_ptr<CSpriteClock> m_removed_coin_clock;
    bool m_changed = false;
    float m_angle = 0.0f;
    float m_rotation_speed = 0.5f;
    float m_delay = 0.0f;
    float m_x;
    float m_y;
    float m_target_x = 0.0f;
    float m_target_y = 0.0f;
    bool m_fade_while_moving = false;
};
} // namespace NGame
