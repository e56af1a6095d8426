// NInterface::CCustomLevelWnd: choose the level set and a level reached
// before, with a live preview of its board; locked levels cannot start.
#pragma once

#include "catalogue/LevelSets.h"
#include "catalogue/Places.h"
#include "framework/MenuRepaint.h"
#include "play/BoardPainter.h"
#include "rules/Field.h"
#include "screens/MenuWnd.h"

#include <array>
#include <memory>

class CBitmapText;
class CSettings;
class CSimpleButton;
class CSimpleCheckBox;
class CStatistics;
class CTrackBar;

namespace NInterface
{
class CCustomLevelWnd final : public CMenuWnd
{
  public:
    // The set checked when the window opens.
    static constexpr NLevelSets::ESet kFirstSet = NLevelSets::kAdvanced;

    CCustomLevelWnd();
    // Preview masks from `masks` instead of the data files.
    explicit CCustomLevelWnd(NGame::CField::MaskReader masks);
    ~CCustomLevelWnd() override;

    // A level can be started only once the player has reached beyond it in
    // that set (0 classic, 1 advanced, 2 moving).
    static bool IsUnlocked(int set, int level, const CSettings& settings);

    // The dark backing under the number `shown` drawn at `at` (the lower-left
    // corner of its line of glyphs, and their size): the whole line, the
    // glyphs' outline and a margin.
    static SArea NumberBacking(const CBitmapText& font, int shown, const NPlaces::SPlace& at);

    bool IsStartRequested() const { return m_start_requested; }
    int GetChosenLevel() const;
    // The game type of the checked set: 0 classic, 1 advanced, 2 moving.
    NLevelSets::ESet GetChosenSet() const;
    // Where a moving level's fewest moves are read from (none by default).
    void SetStatistics(const CStatistics* statistics) { m_statistics = statistics; }
    // Moves the OK button's lock to the current choice.
    void UpdateLock();

    void Activate() override;
    void OnKeyDown(int key) override;
    void OnControl(CControl* control) override;

    CSimpleButton* OkButton() const { return m_ok.get(); }
    CSimpleCheckBox* SetBox(NLevelSets::ESet set) const { return m_boxes[set].get(); }
    CSimpleCheckBox* ClassicBox() const { return SetBox(NLevelSets::kClassic); }
    CSimpleCheckBox* AdvancedBox() const { return SetBox(NLevelSets::kAdvanced); }
    CSimpleCheckBox* MovingBox() const { return SetBox(NLevelSets::kMoving); }
    CTrackBar* LevelBar() const { return m_level_bar.get(); }
    const NGame::CField& Preview() const { return *m_preview; }

  private:
    // The level count of a set, from the game's configuration when it is loaded.
    static int LevelCount(NLevelSets::ESet set);
    // Reloads the preview from the set's folder.
    void ShowSet(NLevelSets::ESet set);
    bool IsSetBox(const CControl* control) const;
    // The preview follows the slider; drawn with the chosen number and,
    // while the level is locked, the lock over it.
    void UpdateContent(float elapsed) override;
    void DrawUnderControls() override;

    NPlaces::CPlaces m_places;
    const CStatistics* m_statistics = nullptr;
    bool m_start_requested = false;
    bool m_locked = true;
    std::unique_ptr<CSimpleButton> m_ok;
    // One check box per level set, by its game type.
    std::array<std::unique_ptr<CSimpleCheckBox>, NLevelSets::kCount> m_boxes;
    std::unique_ptr<CTrackBar> m_level_bar;
    std::unique_ptr<NGame::CField> m_preview;
    std::unique_ptr<NGame::CBoardPainter> m_preview_painter;
};
} // namespace NInterface
