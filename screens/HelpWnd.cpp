// Help screen: page turning, the page's blocks, and the menu decorations.
#include "screens/HelpWnd.h"

#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "markup/MarkupNode.h"
#include "media/InterfaceResources.h"
#include "media/Music.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "screens/MenuBackground.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "widgets/SimpleButton.h"

#include <algorithm>

namespace NInterface
{
CHelpWnd::CHelpWnd()
{
    if (const CFileSystem* files = CFileSystem::Get())
        m_layout.Load(*files, "mui/help_wnd.txt");
    SetDraggable(true);
    SetKeyboardNavigation(true);
    LoadHelp("mui/help.xml");

    const CInterfaceResources* resources = CInterfaceResources::Get();
    m_close = std::make_unique<CSimpleButton>(this, resources ? resources->m_back_btn : nullptr);
    m_next = std::make_unique<CSimpleButton>(this, resources ? resources->m_help_next_btn : nullptr);
    m_prev = std::make_unique<CSimpleButton>(this, resources ? resources->m_help_prev_btn : nullptr);
    m_close->LoadLayout(m_layout, "m_close_btn");
    m_next->LoadLayout(m_layout, "m_next_btn");
    m_prev->LoadLayout(m_layout, "m_prev_btn");
    AddControl(m_close.get());
    AddControl(m_next.get());
    AddControl(m_prev.get());
    m_dragons = CInterfaceInsect::CreateMenuDragons();
}

CHelpWnd::~CHelpWnd() = default;

void CHelpWnd::LoadHelp(const std::string& fileName)
{
    m_blocks.clear();
    CMarkupNode root;
    root.LoadMarkup(CFileSystem::Get(), fileName);
    const std::vector<CMarkupNode*> pages = root.GetChildren();
    for (std::size_t i = 0; i < pages.size(); ++i)
        for (const CMarkupNode* block : pages[i]->GetChildren())
            m_blocks.push_back(std::make_unique<CHelpBlock>(*block, static_cast<int>(i) + 1));
    m_page_count = static_cast<int>(pages.size());
    m_page = 1;
}

void CHelpWnd::UpdatePageButtons()
{
    if (m_page == 1)
    {
        m_prev->SetDisabled(true);
        m_next->SetDisabled(false);
    }
    else if (m_page == m_page_count)
    {
        m_next->SetDisabled(true);
        m_prev->SetDisabled(false);
    }
    else
    {
        m_next->SetDisabled(false);
        m_prev->SetDisabled(false);
    }
}

void CHelpWnd::Draw()
{
    NGl::ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    NGl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PrepareMenuDrawing();
    NGl::PushMatrix();
    const CInterfaceResources* resources = CInterfaceResources::Get();
    DrawMenuBackground(resources ? resources->m_help_window_back : nullptr);
    UpdatePageButtons();
    CScreen::Draw();
    for (const auto& block : m_blocks)
        if (block->GetPage() == m_page)
            block->Draw();
    DrawMenuDragons(m_dragons);
    NGl::PopMatrix();
    DrawCursor();
}

void CHelpWnd::Update(float elapsed)
{
    CScreen::Update(elapsed);
    UpdateCursor(elapsed);
    UpdateMenuDragons(m_dragons, elapsed);
    for (const auto& block : m_blocks)
        if (block->GetPage() == m_page)
            block->Update(elapsed);
    NAudio::TheMusic().Update();
}

void CHelpWnd::OnKeyDown(int key)
{
    if (key == Settings().m_close_key)
        OnControl(m_close.get());
    CScreen::OnKeyDown(key);
}

void CHelpWnd::OnControl(CControl* control)
{
    CScreen::OnControl(control);
    if (control == m_close.get())
    {
        if (CApplication* app = CApplication::Get())
            app->CloseTop(false);
    }
    else if (control == m_next.get())
        m_page = std::min(m_page + 1, std::max(m_page_count, 1));
    else if (control == m_prev.get())
        m_page = std::max(m_page - 1, 1);
}

void CHelpWnd::OnDialogClosed(int, CDialogScreen*) {}
} // namespace NInterface
