// The in-game picture hint and its check box.
#include "play/GameHint.h"

#include "catalogue/Places.h"
#include "media/ResourceGroup.h"
#include "media/Sprite.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "play/GameResources.h"
#include "storage/Settings.h"

namespace NGame
{
namespace
{
std::unique_ptr<CSprite> CopyOf(const CSprite* prototype, bool flip)
{
    if (!prototype)
        return nullptr;
    auto sprite = std::make_unique<CSprite>(*prototype);
    sprite->SetBlend(true);
    sprite->SetFlip(flip);
    return sprite;
}
} // namespace

CGameHint::CGameHint(std::uint32_t record, CScreen* owner, CGameResources& resources,
                     const NPlaces::CPlaces& places)
    : m_record(record), m_data(resources.GetHint(record))
{
    m_check_box = std::make_unique<CSimpleCheckBox>(owner, resources.GetHintsCheckBox(), 0.0f);
    if (m_data)
        m_check_box->SetPosition(m_data->m_check_x, m_data->m_check_y, 0.0f);
    m_check_box->SetChecked(Settings().m_hints);
    if (record == 0)
    {
        m_gameplay = CopyOf(resources.GetGameplayHint(), false);
        m_half = CopyOf(resources.GetHalfHint(), false);
        m_skin = CopyOf(resources.GetSkinHint(), true);
        m_coin = CopyOf(resources.GetCoinHint(), true);
        if (m_gameplay)
        {
            m_gameplay->SetFrameTime(1000);
            const NPlaces::SPlace& board = places[NPlaces::EPlace::kHintBoard];
            m_gameplay->SetPosition(board.m_x, board.m_y, 0.0f);
        }
        if (m_half)
        {
            m_half->SetFrameTime(500);
            const NPlaces::SPlace& pie = places[NPlaces::EPlace::kHintPie];
            m_half->SetPosition(pie.m_x, pie.m_y, 0.0f);
        }
        const NPlaces::SPlace& flower = places[NPlaces::EPlace::kHintFlower];
        if (m_skin)
            m_skin->SetPosition(flower.m_x, flower.m_y, 0.0f);
        if (m_coin)
            m_coin->SetPosition(flower.m_x, flower.m_y, 0.0f);
    }
}

CGameHint::~CGameHint() = default;

bool CGameHint::Update(float elapsedMs)
{
    for (CSprite* sprite : {m_gameplay.get(), m_half.get(), m_coin.get()})
        if (sprite)
            sprite->Update(elapsedMs);
    // A hint closed in the frame it opened (alpha still 0) must fade out too,
    // or it would stay open, unseen, and swallow every board click.
    if ((m_alpha < 1.0f && m_speed > 0.0f) || (m_alpha >= 0.0f && m_speed < 0.0f))
        m_alpha += m_speed * elapsedMs / 30.0f;
    return m_alpha < 0.0f;
}

void CGameHint::Draw()
{
    // The hint pictures are decoded when shown, one at a time.
    if (CResourceGroup* group = m_data && m_data->m_texture ? FindGroup("game") : nullptr)
        group->Require(m_data->m_texture);
    if (m_data && m_data->m_texture && !NGl::IsHeadless())
    {
        NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        NGl::Enable(GL_BLEND);
        NGl::Enable(GL_TEXTURE_2D);
        NGl::Color(1.0f, 1.0f, 1.0f, m_alpha);
        NGl::BindTexture(m_data->m_texture->GetName());
        m_data->m_texture->Draw(m_data->m_x, m_data->m_y, 0.0f);
    }
    for (CSprite* sprite : {m_gameplay.get(), m_half.get(), m_skin.get(), m_coin.get()})
        if (sprite)
            sprite->Draw(true);
    m_check_box->Draw();
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
}

void CGameHint::OnMouseMove(int x, int y)
{
    m_check_box->OnMouseMove(x, y, 0);
}

void CGameHint::Close()
{
    if (m_speed > 0.0f)
        m_speed = -m_speed;
}

void CGameHint::OnLButtonDown(int x, int y)
{
    m_check_box->OnLButtonDown(x, y, 0);
    // A press on the box only toggles it; anywhere else it closes the hint.
    const int state = m_check_box->GetState();
    if ((state == 1 || state == 3) && m_speed > 0.0f)
        m_speed = -m_speed;
}

void CGameHint::OnLButtonUp(int x, int y)
{
    const bool wasChecked = m_check_box->IsChecked();
    m_check_box->OnLButtonUp(x, y, 0);
    // The box takes effect when it is clicked, not when the hint has faded:
    // a player who leaves the game at once keeps the choice.
    if (m_check_box->IsChecked() != wasChecked)
        Settings().m_hints = m_check_box->IsChecked();
}

void CGameHint::MoveTo(float x, float y)
{
    if (!m_data)
        return;
    const float dx = x - m_data->m_x;
    const float dy = y - m_data->m_y;
    m_data->m_x = x;
    m_data->m_y = y;
    m_data->m_check_x += dx;
    m_data->m_check_y += dy;
    m_check_box->SetPosition(m_data->m_check_x, m_data->m_check_y, 0.0f);
}
} // namespace NGame
