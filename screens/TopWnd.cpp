// The top-7 screen: rank, name and points of each entry, page buttons.
#include "screens/TopWnd.h"

#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/InterfaceResources.h"
#include "media/Music.h"
#include "platform/Gl.h"
#include "play/TopTable.h"
#include "screens/MenuBackground.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "widgets/SimpleButton.h"

#include <algorithm>
#include <cstdio>

namespace NInterface
{
CTopWnd::CTopWnd(const CTopTable* table) : m_table(table)
{
    if (const CFileSystem* files = CFileSystem::Get())
        m_layout.Load(*files, "mui/top_wnd.txt");
    SetDraggable(true);
    SetKeyboardNavigation(true);

    const CInterfaceResources* resources = CInterfaceResources::Get();
    auto button =
        [&](std::unique_ptr<CSimpleButton>& member, const char* name, CTexture* CInterfaceResources::*tex)
    {
        member = std::make_unique<CSimpleButton>(this, resources ? resources->*tex : nullptr);
        member->LoadLayout(m_layout, name);
        AddControl(member.get());
    };
    button(m_close, "m_close_btn", &CInterfaceResources::m_back_btn);
    button(m_next, "m_next_btn", &CInterfaceResources::m_top_next_btn);
    button(m_prev, "m_prev_btn", &CInterfaceResources::m_top_prev_btn);

    m_font_size = m_layout.GetFloat("m_font_size", 10.0f);
    m_num_space = m_layout.GetFloat("m_num_space", 30.0f);
    m_score_space = m_layout.GetFloat("m_score_space", 400.0f);
    for (int row = 0; row < kRows; ++row)
    {
        char key[32];
        std::snprintf(key, sizeof key, "string_pos_%02d.x", row);
        m_row_x[row] = m_layout.GetFloat(key, 0.0f);
        std::snprintf(key, sizeof key, "string_pos_%02d.y", row);
        m_row_y[row] = m_layout.GetFloat(key, 0.0f);
    }
    m_dragons = CInterfaceInsect::CreateMenuDragons();
    UpdatePageButtons();
}

CTopWnd::~CTopWnd() = default;

int CTopWnd::PageCount() const
{
    return m_table ? m_table->GetListCount() : 0;
}

void CTopWnd::SetPage(int page)
{
    m_page = std::clamp(page, 0, std::max(PageCount() - 1, 0));
    UpdatePageButtons();
}

void CTopWnd::UpdatePageButtons()
{
    m_prev->SetVisible(m_page > 0);
    m_next->SetVisible(m_page < PageCount() - 1);
}

void CTopWnd::Update(float elapsed)
{
    CScreen::Update(elapsed);
    UpdateCursor(elapsed);
    UpdateMenuDragons(m_dragons, elapsed);
}

void CTopWnd::Draw()
{
    NGl::ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    NGl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PrepareMenuDrawing();
    NGl::PushMatrix();
    const CInterfaceResources* resources = CInterfaceResources::Get();
    DrawMenuBackground(resources ? resources->m_top_window_back : nullptr);
    UpdatePageButtons();
    if (resources && m_table && m_page < PageCount())
    {
        const CBitmapText& font = resources->m_font;
        char text[32];
        for (int row = 0; row < kRows; ++row)
        {
            const float x = m_row_x[row];
            const float y = m_row_y[row];
            std::snprintf(text, sizeof text, "%d.", row + 1);
            font.DrawTextOutlined(text, m_font_size, x - m_num_space, y, 0.0f, 1, 1, 1, 1, false, false);
            font.DrawTextOutlined(m_table->GetName(m_page, row).c_str(), m_font_size, x, y, 0.0f, 1, 1, 1, 1,
                                  false, false);
            std::snprintf(text, sizeof text, "%d", m_table->GetPoints(m_page, row));
            font.DrawTextOutlined(text, m_font_size, x + m_score_space, y, 0.0f, 1, 1, 1, 1, false, false);
        }
        const char* title = m_page == 0 ? "CLASSIC GAME" : "ADVANCED GAME";
        const float size = m_font_size * 1.4f;
        font.DrawTextOutlined(title, size, (800.0f - font.TextWidth(title, size)) / 2.0f, 155.0f, 0.0f, 1, 1,
                              1, 1, false, false);
    }
    CScreen::Draw();
    DrawMenuDragons(m_dragons);
    NGl::PopMatrix();
    NAudio::TheMusic().Update();
    DrawCursor();
}

void CTopWnd::OnKeyDown(int key)
{
    if (key == Settings().m_close_key)
        OnControl(m_close.get());
    CScreen::OnKeyDown(key);
}

void CTopWnd::OnControl(CControl* control)
{
    CScreen::OnControl(control);
    if (control == m_close.get())
    {
        if (CApplication* app = CApplication::Get())
            app->CloseTop(false);
    }
    else if (control == m_next.get())
        SetPage(m_page + 1);
    else if (control == m_prev.get())
        SetPage(m_page - 1);
}
} // namespace NInterface
