// NInterface::CEnterNameDlg: asks the player's name for the top-7 table; the
// game opens it itself at GAME OVER.
#pragma once

#include "framework/DialogScreen.h"
#include "storage/PropertyFile.h"

#include <memory>
#include <string>

class CSimpleButton;
class CSimpleEdit;

namespace NInterface
{
class CEnterNameDlg : public CDialogScreen
{
  public:
    static constexpr int kMaxLength = 15;

    CEnterNameDlg();
    ~CEnterNameDlg() override;

    void Draw() override;
    // Enter and Escape take the name as OK does; Tab reaches OK, and Space
    // presses it there but is a blank of the name elsewhere.
    void OnKeyDown(int key) override;
    void OnControl(CControl* control) override;

    std::string GetName() const;
    CSimpleButton* OkButton() const { return m_ok.get(); }
    CSimpleEdit* Edit() const { return m_edit.get(); }

  private:
    CPropertyFile m_layout;
    std::unique_ptr<CSimpleButton> m_ok;
    std::unique_ptr<CSimpleEdit> m_edit;
};
} // namespace NInterface
