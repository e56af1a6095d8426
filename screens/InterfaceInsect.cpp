// Menu dragons: creation with random placement, movement along the heading,
// steering and respawning, drawing turned to the heading.
#include "screens/InterfaceInsect.h"

#include "framework/MenuRepaint.h"
#include "media/InterfaceResources.h"
#include "media/Sprite.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "storage/Settings.h"

#include <cmath>
#include <cstdlib>

namespace NInterface
{
namespace
{
// The single-precision 3.14159, as the headings have always been converted.
constexpr double kPi = 3.141590118408203;

int Random(int modulo)
{
    return std::rand() % modulo;
}
} // namespace

CInterfaceInsect::CInterfaceInsect(CSprite* sprite) : m_sprite(sprite) {}

CInterfaceInsect::~CInterfaceInsect() = default;

std::unique_ptr<CInterfaceInsect> CInterfaceInsect::CreateMenuDragon()
{
    const CInterfaceResources* resources = CInterfaceResources::Get();
    if (!resources || !resources->m_menu_dragon)
        return nullptr;
    auto sprite = std::make_unique<CSprite>(*resources->m_menu_dragon);
    sprite->SetBlend(true);
    sprite->SetFlip(true);
    sprite->SetFrameTime(10);
    const int row = Random(3);
    sprite->SetGroup(row < sprite->GetGroupCount() ? row : 0);

    auto dragon = std::make_unique<CInterfaceInsect>(sprite.release());
    dragon->m_x = static_cast<float>(Random(800));
    dragon->m_y = static_cast<float>(600 + Random(100));
    dragon->m_z = 0.0f;
    dragon->m_speed = 1.0f + Random(100) / 100.0f;
    dragon->m_turn_rate = (Random(200) - 100) / 200.0f;
    dragon->m_heading = 0.0f;
    return dragon;
}

std::vector<std::unique_ptr<CInterfaceInsect>> CInterfaceInsect::CreateMenuDragons()
{
    std::vector<std::unique_ptr<CInterfaceInsect>> dragons;
    for (int i = 0; i < kMenuCount; ++i)
        if (auto dragon = CreateMenuDragon())
            dragons.push_back(std::move(dragon));
    return dragons;
}

void CInterfaceInsect::MoveInsect(float elapsed)
{
    const float step = elapsed / 6.0f;
    m_heading += m_turn_rate * step;
    if (m_heading > 360.0f)
        m_heading -= 360.0f;
    if (m_heading < -360.0f)
        m_heading += 360.0f;
    const double h = m_heading * kPi / 180.0;
    m_x += static_cast<float>(m_speed * step * std::sin(h));
    m_y -= static_cast<float>(m_speed * step * std::cos(h));
    if (m_sprite)
        m_sprite->Update(static_cast<float>(static_cast<int>(elapsed)));
}

void CInterfaceInsect::Steer()
{
    if (Random(20) == 11)
        m_turn_rate = (Random(200) - 100) / 100.0f;
    if (m_x < -50.0f || m_x > 850.0f || m_y < -50.0f || m_y > 750.0f)
    {
        m_x = static_cast<float>(Random(800));
        m_y = 650.0f;
        m_z = 0.0f;
    }
}

void CInterfaceInsect::DrawInsect() const
{
    if (!Settings().m_show_dragons || !m_sprite)
        return;
    NGl::PushMatrix();
    NGl::Translate(m_x, m_y, m_z);
    NGl::Rotate(m_heading, 0.0f, 0.0f, 1.0f);
    m_sprite->SetPosition(0.0f, 0.0f, 0.0f);
    m_sprite->Draw(true);
    NGl::PopMatrix();
}

void UpdateMenuDragons(std::vector<std::unique_ptr<CInterfaceInsect>>& dragons, float elapsed)
{
    for (auto& dragon : dragons)
    {
        dragon->MoveInsect(elapsed);
        dragon->Steer();
    }
}

void AppendDragonAreas(const std::vector<std::unique_ptr<CInterfaceInsect>>& dragons,
                       std::vector<SArea>& areas)
{
    if (!Settings().m_show_dragons)
        return;
    for (const auto& dragon : dragons)
        if (const CSprite* sprite = dragon->GetSprite())
            areas.push_back(CMenuRepaint::Turned(dragon->m_x, dragon->m_y, sprite->GetCellWidth(),
                                                 sprite->GetCellHeight()));
}

void DrawMenuDragons(const std::vector<std::unique_ptr<CInterfaceInsect>>& dragons)
{
    for (const auto& dragon : dragons)
        dragon->DrawInsect();
}
} // namespace NInterface
