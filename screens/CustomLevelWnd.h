// NInterface::CCustomLevelWnd: choose the level set and a level reached
// before, with a live preview of its board; locked levels cannot start.
#pragma once

#include "framework/MenuRepaint.h"
#include "framework/Screen.h"
#include "play/BoardPainter.h"
#include "rules/Field.h"
#include "screens/InterfaceInsect.h"
#include "storage/PropertyFile.h"

#include <memory>
#include <vector>

class CBitmapText;
class CSettings;
class CSimpleButton;
class CSimpleCheckBox;
class CTrackBar;

namespace NInterface
{
class CCustomLevelWnd : public CScreen
{
  public:
    static constexpr const char* kClassicFolder = "dat/levels_classic";
    static constexpr const char* kAdvancedFolder = "dat/levels_duel";
    static constexpr const char* kMovingFolder = "dat/levels_moving";

    CCustomLevelWnd();
    // Preview masks from `masks` instead of the data files.
    explicit CCustomLevelWnd(NGame::CField::MaskReader masks);
    ~CCustomLevelWnd() override;

    // A level can be started only once the player has reached beyond it in
    // that set (0 classic, 1 advanced, 2 moving).
    static bool IsUnlocked(int set, int level, const CSettings& settings);

    // Where the level number (the chosen level + 1) stands: the lower-left
    // corner of its line of glyphs, and their size.
    static constexpr float kNumberX = 324.0f;
    static constexpr float kNumberY = 401.0f;
    static constexpr float kNumberSize = 40.0f;
    // The dark backing under the number `shown`: its whole line of glyphs,
    // their outline and a margin.
    static SArea NumberBacking(const CBitmapText& font, int shown);

    bool IsStartRequested() const { return m_start_requested; }
    int GetChosenLevel() const;
    // The game type of the checked set: 0 classic, 1 advanced, 2 moving.
    int GetChosenSet() const;
    // Moves the OK button's lock to the current choice.
    void UpdateLock();

    void Update(float elapsed) override;
    void Draw() override;
    void Activate() override;
    void OnKeyDown(int key) override;
    void OnControl(CControl* control) override;
    void OnDialogClosed(int result, CDialogScreen* dialog) override;

    CSimpleButton* CloseButton() const { return m_close.get(); }
    CSimpleButton* OkButton() const { return m_ok.get(); }
    CSimpleCheckBox* ClassicBox() const { return m_classic.get(); }
    CSimpleCheckBox* AdvancedBox() const { return m_advanced.get(); }
    CSimpleCheckBox* MovingBox() const { return m_moving.get(); }
    CTrackBar* LevelBar() const { return m_level_bar.get(); }
    const NGame::CField& Preview() const { return *m_preview; }

  private:
    // The level count of a set, from the game's configuration when it is loaded.
    static int LevelCount(int set);
    // Reloads the preview from the set's folder.
    void ShowSet(int set);

    CPropertyFile m_layout;
    bool m_start_requested = false;
    bool m_locked = true;
    std::unique_ptr<CSimpleButton> m_close;
    std::unique_ptr<CSimpleButton> m_ok;
    std::unique_ptr<CSimpleCheckBox> m_classic;
    std::unique_ptr<CSimpleCheckBox> m_advanced;
    std::unique_ptr<CSimpleCheckBox> m_moving;
    std::unique_ptr<CTrackBar> m_level_bar;
    std::unique_ptr<NGame::CField> m_preview;
    std::unique_ptr<NGame::CBoardPainter> m_preview_painter;
    std::vector<std::unique_ptr<CInterfaceInsect>> m_dragons;
};
} // namespace NInterface
