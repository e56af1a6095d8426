// NInterface::CHelpWnd: the rules as a sequence of pages read from
// "mui/help.xml", with close, next and previous buttons and the dragons.
#pragma once

#include "framework/Screen.h"
#include "screens/HelpBlock.h"
#include "screens/InterfaceInsect.h"
#include "storage/PropertyFile.h"

#include <memory>
#include <string>
#include <vector>

class CSimpleButton;

namespace NInterface
{
class CHelpWnd : public CScreen
{
  public:
    CHelpWnd();
    ~CHelpWnd() override;

    void LoadHelp(const std::string& fileName);

    void Update(float elapsed) override;
    void Draw() override;
    void OnKeyDown(int key) override;
    void OnControl(CControl* control) override;
    void OnDialogClosed(int result, CDialogScreen* dialog) override;

    int GetPageCount() const { return m_page_count; }
    int GetPage() const { return m_page; }
    const std::vector<std::unique_ptr<CHelpBlock>>& Blocks() const { return m_blocks; }
    const std::vector<std::unique_ptr<CInterfaceInsect>>& Dragons() const { return m_dragons; }
    CSimpleButton* CloseButton() const { return m_close.get(); }
    CSimpleButton* NextButton() const { return m_next.get(); }
    CSimpleButton* PrevButton() const { return m_prev.get(); }

  private:
    void UpdatePageButtons();

    CPropertyFile m_layout;
    std::unique_ptr<CSimpleButton> m_close;
    std::unique_ptr<CSimpleButton> m_next;
    std::unique_ptr<CSimpleButton> m_prev;
    std::vector<std::unique_ptr<CInterfaceInsect>> m_dragons;
    std::vector<std::unique_ptr<CHelpBlock>> m_blocks;
    int m_page_count = 0;
    int m_page = 1;
};
} // namespace NInterface
