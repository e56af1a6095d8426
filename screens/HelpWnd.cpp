// Help screen: page turning, the page's blocks, and the menu decorations.
#include "screens/HelpWnd.h"

#include "markup/MarkupNode.h"
#include "media/InterfaceResources.h"
#include "storage/FileSystem.h"
#include "widgets/SimpleButton.h"

#include <algorithm>

namespace NInterface
{
CHelpWnd::CHelpWnd()
    : CMenuWnd("mui/help_wnd.txt", &CInterfaceResources::m_help_window_back, &CInterfaceResources::m_back_btn)
{
    LoadHelp("mui/help.xml");
    m_next = MakeButton("m_next_btn", &CInterfaceResources::m_help_next_btn);
    m_prev = MakeButton("m_prev_btn", &CInterfaceResources::m_help_prev_btn);
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
    m_prev->SetDisabled(m_page == 1);
    m_next->SetDisabled(m_page != 1 && m_page == m_page_count);
}

void CHelpWnd::DrawUnderControls()
{
    UpdatePageButtons();
}

void CHelpWnd::DrawOverControls()
{
    for (const auto& block : m_blocks)
        if (block->GetPage() == m_page)
            block->Draw();
}

void CHelpWnd::UpdateContent(float elapsed)
{
    for (const auto& block : m_blocks)
        if (block->GetPage() == m_page)
            block->Update(elapsed);
}

void CHelpWnd::OnControl(CControl* control)
{
    CMenuWnd::OnControl(control);
    if (control == m_next.get())
        m_page = std::min(m_page + 1, std::max(m_page_count, 1));
    else if (control == m_prev.get())
        m_page = std::max(m_page - 1, 1);
}
} // namespace NInterface
