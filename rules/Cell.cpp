// The cell's animation states: appear, flip to a new colour, slide, vanish,
// and the hover growth that marks whose turn it is.
#include "rules/Cell.h"

#include "rules/Random.h"

#include <cmath>

namespace NGame
{
namespace
{
constexpr float kMaxSize = 50.0f;
constexpr float kStep = 6.0f;
} // namespace

CCell::CCell(int colour, const CSpriteClock& cellClock, const CSpriteClock* coinClock, float x, float y,
             float size)
    : m_size(size), m_colour(colour), m_clock(cellClock), m_coin_prototype(coinClock), m_x(x), m_y(y)
{
    // Each cell animates at its own pace and angle so the board does not pulse in step.
    m_clock.SetFrameTime(static_cast<unsigned>(15 + RandomModulo(30)));
    m_angle = static_cast<float>(RandomModulo(360));
    m_rotation_speed = RandomModulo(2) ? 0.5f : -0.5f;
    m_clock.SetGroup(colour);
    m_clock.SetBlend(true);
    m_clock.SetFlip(true);
    m_clock.SetPosition(x, y, 0.0f);
    m_clock.SetCellSize(size, size);
}

void CCell::SetColour(int colour)
{
    if (m_hole)
        return;
    m_colour = colour;
    m_changed = true;
    // The flip runs backwards to its middle, where the new colour takes over.
    m_clock.SetReverse(true);
}

void CCell::SetColourDirect(int colour)
{
    m_colour = colour;
    m_clock.SetGroup(colour);
}

void CCell::StartFlip()
{
    m_state = CellFlip;
    m_delay = 0.0f;
}

void CCell::FadeIn()
{
    m_state = CellAppear;
    m_alpha = 0.0f;
    m_alpha_speed = 0.03f;
    m_delay = static_cast<float>(RandomModulo(1500));
}

void CCell::FadeOut()
{
    m_state = CellVanish;
    m_alpha = 1.0f;
    m_alpha_speed = -0.03f;
    m_delay = static_cast<float>(RandomModulo(1500));
}

void CCell::MoveTo(float x, float y, bool fade)
{
    m_target_x = x;
    m_target_y = y;
    m_fade_while_moving = fade;
    m_state = CellMove;
}

void CCell::SetCoin(int kind)
{
    if (kind < 0)
    {
        // The picture of a collected coin stays until the cell flips, so the
        // coin leaves together with the flower's turn.
        if (m_coin >= 0)
            m_removed_coin_clock = std::move(m_coin_clock);
        m_coin_clock.reset();
        m_coin = -1;
        return;
    }
    m_coin = kind;
    m_removed_coin_clock.reset();
    // Drawn even without a picture, so that a seed replays the same game
    // with or without the coin sheet.
    const unsigned frameTime = static_cast<unsigned>(30 + RandomModulo(30));
    if (!m_coin_prototype)
    {
        m_coin_clock.reset();
        return;
    }
    m_coin_clock = std::make_unique<CSpriteClock>(*m_coin_prototype);
    m_coin_clock->SetGroup(kind);
    m_coin_clock->SetCellSize(m_size, m_size);
    m_coin_clock->SetFrameTime(frameTime);
    m_coin_clock->SetBlend(true);
    m_coin_clock->SetFlip(true);
    m_coin_clock->SetPosition(m_x, m_y, 0.0f);
}

void CCell::Update(float elapsedMs)
{
    const float k = elapsedMs / kStep;
    if (m_size > kMaxSize)
        m_size = kMaxSize;
    if (m_coin_clock)
        m_coin_clock->Update(elapsedMs);
    if (m_removed_coin_clock)
        m_removed_coin_clock->Update(elapsedMs);
    switch (m_state)
    {
    case CellFlip:
        UpdateFlip(elapsedMs);
        break;
    case CellAppear:
        if (!FadeDelayed(elapsedMs))
            UpdateAppear(k);
        break;
    case CellVanish:
        if (!FadeDelayed(elapsedMs))
            UpdateVanish(k);
        break;
    case CellMove:
        UpdateMove(k);
        break;
    case CellIdle:
        UpdateIdle(k);
        break;
    default:
        break;
    }
    UpdateHover(k);
}

void CCell::UpdateFlip(float elapsedMs)
{
    if (m_delay > 0.0f)
    {
        m_delay -= elapsedMs;
        return;
    }
    m_removed_coin_clock.reset();
    const int frames = m_clock.GetFrameCount();
    m_clock.Update(elapsedMs);
    if (m_clock.GetReverse())
    {
        if (m_clock.GetFrame() == frames / 2 - 1)
        {
            m_clock.SetGroup(m_colour);
            m_clock.SetReverse(false);
        }
        return;
    }
    if (m_clock.GetFrame() == frames / 2)
        m_clock.SetGroup(m_colour);
    if (m_clock.GetFrame() == frames - 1)
    {
        m_clock.Rewind();
        m_state = CellIdle;
        m_changed = false;
    }
}

bool CCell::FadeDelayed(float elapsedMs)
{
    if (m_delay < 0.0f)
        return false;
    m_delay -= elapsedMs;
    return m_delay >= 0.0f;
}

void CCell::UpdateAppear(float k)
{
    m_alpha += m_alpha_speed * k;
    if (m_alpha > 1.0f)
    {
        m_alpha = 1.0f;
        m_alpha_speed = 0.0f;
        m_state = CellIdle;
        m_clock.SetFrame(0);
    }
    else
        m_clock.SetFrame(8 - static_cast<int>(m_alpha / 0.125f));
}

void CCell::UpdateVanish(float k)
{
    m_alpha += m_alpha_speed * k;
    if (m_alpha < 0.0f)
    {
        m_alpha = 0.0f;
        m_alpha_speed = 0.0f;
        m_state = CellGone;
        m_clock.SetFrame(9);
    }
    else if (m_hole)
        m_clock.SetFrame(8 - static_cast<int>(m_alpha / 0.125f));
    else
        m_clock.SetFrame(static_cast<int>(m_alpha / 0.125f) + 7);
}

void CCell::UpdateMove(float k)
{
    const float dx = m_target_x - m_x;
    const float dy = m_target_y - m_y;
    const float distance = std::sqrt(dx * dx + dy * dy);
    if (distance <= k)
    {
        m_x = m_target_x;
        m_y = m_target_y;
        m_state = CellIdle;
        if (m_fade_while_moving)
            m_alpha = 0.0f;
    }
    else
    {
        m_x += dx / distance * k;
        m_y += dy / distance * k;
        if (m_fade_while_moving)
        {
            const float left = distance - k;
            m_alpha = m_size > 0.0f ? std::fmax(0.0f, left / m_size) : 0.0f;
        }
    }
    m_clock.SetPosition(m_x, m_y, 0.0f);
    if (m_coin_clock)
        m_coin_clock->SetPosition(m_x, m_y, 0.0f);
    if (m_removed_coin_clock)
        m_removed_coin_clock->SetPosition(m_x, m_y, 0.0f);
}

void CCell::UpdateIdle(float k)
{
    // Dimming marks a skipped player's home; lighting brings it back.
    if (m_lit && m_alpha < 1.0f)
        m_alpha = std::fmin(1.0f, m_alpha + 0.02f * k);
    else if (!m_lit && m_alpha > 0.3f)
        m_alpha -= 0.02f * k;
}

void CCell::UpdateHover(float k)
{
    if (m_hover)
    {
        m_size_factor = std::fmin(1.5f, m_size_factor + 0.01f * k);
        m_angle += m_rotation_speed * k;
    }
    else
        m_size_factor = std::fmax(1.0f, m_size_factor - 0.01f * k);
    m_clock.SetCellSize(m_size * m_size_factor, m_size * m_size_factor);
}
} // namespace NGame
