// NInterface::CTopWnd: the top-7 lists, one page per level set.
#pragma once

#include "framework/Screen.h"
#include "screens/InterfaceInsect.h"
#include "storage/PropertyFile.h"

#include <array>
#include <memory>
#include <vector>

class CSimpleButton;
class CTopTable;

namespace NInterface
{
class CTopWnd : public CScreen
{
  public:
    static constexpr int kRows = 7;

    explicit CTopWnd(const CTopTable* table);
    ~CTopWnd() override;

    // Pages outside the table's lists are brought back into it.
    void SetPage(int page);
    int GetPage() const { return m_page; }

    void Update(float elapsed) override;
    void Draw() override;
    void OnKeyDown(int key) override;
    void OnControl(CControl* control) override;

    CSimpleButton* CloseButton() const { return m_close.get(); }
    CSimpleButton* NextButton() const { return m_next.get(); }
    CSimpleButton* PrevButton() const { return m_prev.get(); }

  private:
    void UpdatePageButtons();
    int PageCount() const;

    CPropertyFile m_layout;
    const CTopTable* m_table;
    int m_page = 0;
    std::unique_ptr<CSimpleButton> m_close;
    std::unique_ptr<CSimpleButton> m_next;
    std::unique_ptr<CSimpleButton> m_prev;
    float m_font_size;
    float m_num_space;
    float m_score_space;
    std::array<float, kRows> m_row_x{};
    std::array<float, kRows> m_row_y{};
    std::vector<std::unique_ptr<CInterfaceInsect>> m_dragons;
};
} // namespace NInterface
