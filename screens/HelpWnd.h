// NInterface::CHelpWnd: the rules as a sequence of pages read from
// "mui/help.xml", with close, next and previous buttons and the dragons.
#pragma once

#include "screens/HelpBlock.h"
#include "screens/MenuWnd.h"

#include <memory>
#include <string>
#include <vector>

class CSimpleButton;

namespace NInterface
{
class CHelpWnd final : public CMenuWnd
{
  public:
    CHelpWnd();
    ~CHelpWnd() override;

    void LoadHelp(const std::string& fileName);

    void OnControl(CControl* control) override;

    int GetPageCount() const { return m_page_count; }
    int GetPage() const { return m_page; }
    const std::vector<std::unique_ptr<CHelpBlock>>& Blocks() const { return m_blocks; }
    CSimpleButton* NextButton() const { return m_next.get(); }
    CSimpleButton* PrevButton() const { return m_prev.get(); }

  private:
    // The blocks of the page shown; its buttons.
    void UpdateContent(float elapsed) override;
    void DrawUnderControls() override;
    void DrawOverControls() override;
    void UpdatePageButtons();

    std::unique_ptr<CSimpleButton> m_next;
    std::unique_ptr<CSimpleButton> m_prev;
    std::vector<std::unique_ptr<CHelpBlock>> m_blocks;
    int m_page_count = 0;
    int m_page = 1;
};
} // namespace NInterface
