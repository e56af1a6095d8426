// The cell's animation states: appear, flip to a new colour, slide, vanish,
// and the hover growth that marks whose turn it is.
#include "rules/Cell.h"

#include "media/Texture.h"
#include "platform/Gl.h"
#include "rules/Random.h"

#include <algorithm>
#include <cmath>

namespace NGame
{
namespace
{
constexpr int kHoleGroup = 7;
constexpr float kMaxSize = 50.0f;
constexpr float kStep = 6.0f;
} // namespace

CCell::CCell(int colour, const CSprite& cellSprite, const CSprite* coinSprite, float x, float y, float size)
    : m_size(size), m_colour(colour), m_sprite(cellSprite), m_coin_prototype(coinSprite), m_x(x), m_y(y)
{
    // Each cell animates at its own pace and angle so the board does not pulse in step.
    m_sprite.SetFrameTime(static_cast<unsigned>(15 + RandomModulo(30)));
    m_angle = static_cast<float>(RandomModulo(360));
    m_rotation_speed = RandomModulo(2) ? 0.5f : -0.5f;
    m_sprite.SetGroup(colour);
    m_sprite.SetBlend(true);
    m_sprite.SetFlip(true);
    m_sprite.SetPosition(x, y, 0.0f);
    m_sprite.SetCellSize(size, size);
}

void CCell::SetColour(int colour)
{
    if (m_hole)
        return;
    m_colour = colour;
    m_changed = true;
    // The flip runs backwards to its middle, where the new colour takes over.
    m_sprite.SetReverse(true);
}

void CCell::SetColourDirect(int colour)
{
    m_colour = colour;
    m_sprite.SetGroup(colour);
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
            m_removed_coin_sprite = std::move(m_coin_sprite);
        m_coin_sprite.reset();
        m_coin = -1;
        return;
    }
    m_coin = kind;
    m_removed_coin_sprite.reset();
    // Drawn even without a picture, so that a seed replays the same game
    // with or without the coin sheet.
    const unsigned frameTime = static_cast<unsigned>(30 + RandomModulo(30));
    if (!m_coin_prototype)
    {
        m_coin_sprite.reset();
        return;
    }
    m_coin_sprite = std::make_unique<CSprite>(*m_coin_prototype);
    m_coin_sprite->SetGroup(kind);
    m_coin_sprite->SetCellSize(m_size, m_size);
    m_coin_sprite->SetFrameTime(frameTime);
    m_coin_sprite->SetBlend(true);
    m_coin_sprite->SetFlip(true);
    m_coin_sprite->SetPosition(m_x, m_y, 0.0f);
}

void CCell::Update(float elapsedMs)
{
    const float k = elapsedMs / kStep;
    if (m_size > kMaxSize)
        m_size = kMaxSize;
    if (m_coin_sprite)
        m_coin_sprite->Update(elapsedMs);
    if (m_removed_coin_sprite)
        m_removed_coin_sprite->Update(elapsedMs);

    const int frames = m_sprite.GetFrameCount();
    switch (m_state)
    {
    case CellFlip:
        if (m_delay > 0.0f)
        {
            m_delay -= elapsedMs;
            break;
        }
        m_removed_coin_sprite.reset();
        m_sprite.Update(elapsedMs);
        if (m_sprite.GetReverse())
        {
            if (m_sprite.GetFrame() == frames / 2 - 1)
            {
                m_sprite.SetGroup(m_colour);
                m_sprite.SetReverse(false);
            }
        }
        else
        {
            if (m_sprite.GetFrame() == frames / 2)
                m_sprite.SetGroup(m_colour);
            if (m_sprite.GetFrame() == frames - 1)
            {
                m_sprite.Rewind();
                m_state = CellIdle;
                m_changed = false;
            }
        }
        break;
    case CellAppear:
        if (m_delay >= 0.0f)
        {
            m_delay -= elapsedMs;
            if (m_delay >= 0.0f)
                break;
        }
        m_alpha += m_alpha_speed * k;
        if (m_alpha > 1.0f)
        {
            m_alpha = 1.0f;
            m_alpha_speed = 0.0f;
            m_state = CellIdle;
            m_sprite.SetFrame(0);
        }
        else
        {
            m_sprite.SetFrame(8 - static_cast<int>(m_alpha / 0.125f));
        }
        break;
    case CellVanish:
        if (m_delay >= 0.0f)
        {
            m_delay -= elapsedMs;
            if (m_delay >= 0.0f)
                break;
        }
        m_alpha += m_alpha_speed * k;
        if (m_alpha < 0.0f)
        {
            m_alpha = 0.0f;
            m_alpha_speed = 0.0f;
            m_state = CellGone;
            m_sprite.SetFrame(9);
        }
        else if (m_hole)
        {
            m_sprite.SetFrame(8 - static_cast<int>(m_alpha / 0.125f));
        }
        else
        {
            m_sprite.SetFrame(static_cast<int>(m_alpha / 0.125f) + 7);
        }
        break;
    case CellMove:
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
        m_sprite.SetPosition(m_x, m_y, 0.0f);
        if (m_coin_sprite)
            m_coin_sprite->SetPosition(m_x, m_y, 0.0f);
        if (m_removed_coin_sprite)
            m_removed_coin_sprite->SetPosition(m_x, m_y, 0.0f);
        break;
    }
    case CellIdle:
        // Dimming marks a skipped player's home; lighting brings it back.
        if (m_lit && m_alpha < 1.0f)
            m_alpha = std::fmin(1.0f, m_alpha + 0.02f * k);
        else if (!m_lit && m_alpha > 0.3f)
            m_alpha -= 0.02f * k;
        break;
    default:
        break;
    }

    if (m_hover)
    {
        m_size_factor = std::fmin(1.5f, m_size_factor + 0.01f * k);
        m_angle += m_rotation_speed * k;
    }
    else
    {
        m_size_factor = std::fmax(1.0f, m_size_factor - 0.01f * k);
    }
    m_sprite.SetCellSize(m_size * m_size_factor, m_size * m_size_factor);
}

void CCell::DrawAt(float size) const
{
    CSprite sprite = m_sprite;
    sprite.SetCellSize(size, size);
    if (m_hole)
        sprite.SetGroup(kHoleGroup);
    NGl::PushMatrix();
    NGl::Translate(m_x, m_y, 0.0f);
    NGl::Rotate(m_angle, 0.0f, 0.0f, 1.0f);
    sprite.SetPosition(0.0f, 0.0f, 0.0f);
    sprite.Draw(true);
    NGl::PopMatrix();
}

void CCell::Draw() const
{
    if (NGl::IsHeadless())
        return;
    NGl::Color(1.0f, 1.0f, 1.0f, m_alpha);
    DrawAt(m_size * m_size_factor);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
}

void CCell::AppendLook(std::vector<double>& look) const
{
    const CTexture* texture = m_sprite.GetTexture();
    const double values[kLookSize] = {1.0,
                                      m_x,
                                      m_y,
                                      m_size * m_size_factor,
                                      m_angle,
                                      m_alpha,
                                      m_hole ? 1.0 : 0.0,
                                      m_hover ? 1.0 : 0.0,
                                      texture ? static_cast<double>(texture->GetName()) : 0.0,
                                      static_cast<double>(m_sprite.GetGroup()),
                                      static_cast<double>(m_sprite.GetFrame()),
                                      static_cast<double>(m_sprite.GetGroupCount()),
                                      static_cast<double>(m_sprite.GetFrameCount()),
                                      m_sprite.IsFlipped() ? 1.0 : 0.0,
                                      m_sprite.IsVisible() ? 1.0 : 0.0,
                                      m_sprite.IsBlended() ? 1.0 : 0.0};
    look.insert(look.end(), std::begin(values), std::end(values));
}

void CCell::AppendNoLook(std::vector<double>& look)
{
    look.insert(look.end(), kLookSize, 0.0);
}

void CCell::ExtendByLook(const double* record, float area[4])
{
    if (record[0] == 0.0)
        return;
    // A square quad of the recorded size, turned by any angle, plus a pixel
    // or two of filtering and edge rounding.
    const double reach = std::fabs(record[3]) * 0.7072 + 2.0;
    area[0] = static_cast<float>(std::min<double>(area[0], record[1] - reach));
    area[1] = static_cast<float>(std::min<double>(area[1], record[2] - reach));
    area[2] = static_cast<float>(std::max<double>(area[2], record[1] + reach));
    area[3] = static_cast<float>(std::max<double>(area[3], record[2] + reach));
}

void CCell::DrawPlain() const
{
    if (NGl::IsHeadless())
        return;
    CSprite sprite = m_sprite;
    sprite.SetFrame(0);
    if (m_hole)
        sprite.SetGroup(kHoleGroup);
    sprite.SetPosition(0.0f, 0.0f, 0.0f);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::PushMatrix();
    NGl::Translate(m_x, m_y, 0.0f);
    NGl::Rotate(m_angle, 0.0f, 0.0f, 1.0f);
    sprite.Draw(true);
    NGl::PopMatrix();
}

void CCell::DrawTinted(float r, float g, float b, float grow) const
{
    if (NGl::IsHeadless())
        return;
    NGl::Color(r, g, b, m_alpha);
    DrawAt(m_size * m_size_factor + grow);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
}

void CCell::DrawCoins() const
{
    if (NGl::IsHeadless() || m_hole)
        return;
    NGl::Color(1.0f, 1.0f, 1.0f, m_alpha);
    if (m_coin_sprite)
        m_coin_sprite->Draw(true);
    if (m_removed_coin_sprite)
        m_removed_coin_sprite->Draw(true);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
}
} // namespace NGame
