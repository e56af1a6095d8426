// NInterface::CContinueDlg: offers to continue the saved game (showing its
// level and score), to start a new one, or to cancel.
#pragma once

#include "catalogue/Places.h"
#include "framework/DialogScreen.h"
#include "storage/PropertyFile.h"

#include <memory>

class CSimpleButton;

namespace NInterface
{
class CContinueDlg : public CDialogScreen
{
  public:
    enum EChoice
    {
        kCancel = 0,
        kContinue = 1,
        kStartNew = 2
    };

    CContinueDlg(int level, int score);
    ~CContinueDlg() override;

    void Draw() override;
    void OnControl(CControl* control) override;

    int GetLevel() const { return m_level; }
    int GetChoice() const { return m_choice; }
    CSimpleButton* StartNewButton() const { return m_start_new.get(); }

  private:
    CPropertyFile m_layout;
    NPlaces::CPlaces m_places;
    int m_level;
    int m_score;
    int m_choice = kCancel;
    std::unique_ptr<CSimpleButton> m_continue;
    std::unique_ptr<CSimpleButton> m_start_new;
    std::unique_ptr<CSimpleButton> m_cancel;
};
} // namespace NInterface
