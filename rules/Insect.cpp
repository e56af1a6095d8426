// Turning towards the target, then flying to it.
#include "rules/Insect.h"

#include "rules/Random.h"

#include <cmath>

namespace NGame
{
namespace
{
constexpr float kStep = 6.0f;
constexpr float kDegreesPerRadian = 57.295826f;
} // namespace

CInsect::CInsect(const CSpriteClock* clock) : m_clock(clock ? *clock : CSpriteClock())
{
    m_speed = 1.5f + static_cast<float>(RandomModulo(100)) / 100.0f;
    m_turn_speed = 1.0f + static_cast<float>(RandomModulo(100)) / 100.0f;
    m_clock.SetFrameTime(10);
    m_clock.SetBlend(true);
    m_clock.SetFlip(true);
}

void CInsect::SetTarget(float x, float y)
{
    m_target_x = x;
    m_target_y = y;
    m_state = InsectTurning;
}

float CInsect::WantedHeading() const
{
    float dx = m_target_x - m_x;
    float dy = m_target_y - m_y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length > 0.0f)
    {
        dx /= length;
        dy /= length;
    }
    // Clamp against rounding: asin/acos of a value a hair beyond 1 is NaN.
    dx = std::fmax(-1.0f, std::fmin(1.0f, dx));
    dy = std::fmax(-1.0f, std::fmin(1.0f, dy));
    if (dx > 0.0f)
        return std::asin(dy) * kDegreesPerRadian + 90.0f;
    if (dy >= 0.0f)
        return std::acos(dx) * kDegreesPerRadian + 90.0f;
    return -std::acos(dx) * kDegreesPerRadian + 90.0f;
}

void CInsect::Update(float elapsedMs)
{
    const float k = elapsedMs / kStep;
    if (m_delay > 0.0f)
    {
        m_delay -= elapsedMs;
    }
    else if (m_state == InsectTurning)
    {
        const float wanted = WantedHeading();
        const float turn = m_turn_speed * k;
        if (m_heading <= wanted)
            m_heading += turn;
        else
            m_heading -= turn;
        if (std::fabs(m_heading - wanted) <= turn)
            m_state = InsectFlying;
    }
    else if (m_state == InsectFlying)
    {
        float dx = m_target_x - m_x;
        float dy = m_target_y - m_y;
        const float remaining = dx * dx + dy * dy;
        const float length = std::sqrt(remaining);
        const float stepLength = m_speed * k;
        if (length > 0.0f)
        {
            dx = dx / length * stepLength;
            dy = dy / length * stepLength;
        }
        m_x += dx;
        m_y += dy;
        const float leftX = m_target_x - m_x;
        const float leftY = m_target_y - m_y;
        if (leftX * leftX + leftY * leftY <= stepLength * stepLength)
        {
            m_x = m_target_x;
            m_y = m_target_y;
            m_state = InsectArrived;
        }
    }
    m_clock.Update(elapsedMs);
}
} // namespace NGame
