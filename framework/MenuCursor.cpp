// The process-wide cursor sprite, placed at the pointer in logical units.
#include "framework/MenuCursor.h"

#include "framework/Application.h"
#include "framework/MenuRepaint.h"
#include "media/InterfaceResources.h"
#include "media/Sprite.h"
#include "media/Texture.h"

#include <memory>

namespace NInterface
{
namespace
{
std::unique_ptr<CSprite> g_cursor;
} // namespace

bool CreateCursor()
{
    g_cursor.reset();
    const CInterfaceResources* resources = CInterfaceResources::Get();
    if (!resources || !resources->m_menu_cursor)
        return false;
    g_cursor = std::make_unique<CSprite>(*resources->m_menu_cursor);
    g_cursor->SetBlend(true);
    g_cursor->SetFlip(true);
    const CTexture* texture = g_cursor->GetTexture();
    return texture && texture->GetWidth() > 0;
}

void DestroyCursor()
{
    g_cursor.reset();
}

CSprite* GetCursorSprite()
{
    return g_cursor.get();
}

namespace
{
// Where DrawCursor puts the sprite's centre: the pointer, which the platform
// gives in the picture's own units at any window size.
void CursorPosition(const CApplication* app, float& lx, float& ly)
{
    int x = 0;
    int y = 0;
    app->GetCursorClientPos(x, y);
    lx = static_cast<float>(x);
    ly = static_cast<float>(y);
}
} // namespace

void DrawCursor()
{
    CApplication* app = CApplication::Get();
    if (!g_cursor || !app)
        return;
    float lx = 0.0f;
    float ly = 0.0f;
    CursorPosition(app, lx, ly);
    g_cursor->SetPosition(lx, ly, 0.0f);
    g_cursor->Draw(true);
}

bool GetCursorArea(SArea& area)
{
    const CApplication* app = CApplication::Get();
    if (!g_cursor || !app)
        return false;
    float lx = 0.0f;
    float ly = 0.0f;
    CursorPosition(app, lx, ly);
    const float hw = g_cursor->GetCellWidth() / 2.0f;
    const float hh = g_cursor->GetCellHeight() / 2.0f;
    area = {lx - hw, ly - hh, lx + hw, ly + hh};
    return true;
}

void UpdateCursor(float elapsed)
{
    if (g_cursor)
        g_cursor->Update(static_cast<float>(static_cast<int>(elapsed)));
}
} // namespace NInterface
