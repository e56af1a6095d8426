// A small creature that flies over the board: it turns on the spot until it
// faces its target, then flies straight to it. Insects carry the intro's
// coins and the bonuses.
#pragma once

#include "anim/SpriteClock.h"

namespace NGame
{
enum EInsectState
{
    InsectTurning = 0,
    InsectFlying = 1,
    InsectArrived = 2
};

class CInsect
{
  public:
    // A null prototype gives an insect that moves but has no picture.
    explicit CInsect(const CSpriteClock* clock = nullptr);
    virtual ~CInsect() = default;

    void SetTarget(float x, float y);
    void Update(float elapsedMs);

    // The heading (degrees, 0 facing up the screen) that faces the target.
    float WantedHeading() const;

    int m_state = InsectArrived;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_speed;
    float m_heading = 0.0f;
    float m_turn_speed;
    float m_delay = 0.0f;
    int m_coin = -1;
    float m_target_x = 0.0f;
    float m_target_y = 0.0f;
    CSpriteClock m_clock;
};
} // namespace NGame
