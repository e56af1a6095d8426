// NInterface::COptionsWnd: music volume, sound effects, hints, dragons, full
// screen, the zones' outline and the opponent of new games; every change goes
// straight into the settings.
#pragma once

#include "catalogue/Opponents.h"
#include "screens/MenuWnd.h"

#include <array>
#include <memory>

class CSimpleCheckBox;
class CTrackBar;

namespace NInterface
{
class COptionsWnd final : public CMenuWnd
{
  public:
    COptionsWnd();
    ~COptionsWnd() override;

    void OnControl(CControl* control) override;

    CTrackBar* VolumeBar() const { return m_volume.get(); }
    CSimpleCheckBox* SoundBox() const { return m_sound.get(); }
    CSimpleCheckBox* HintsBox() const { return m_hints.get(); }
    CSimpleCheckBox* FullScreenBox() const { return m_full_screen.get(); }
    CSimpleCheckBox* ZonesBox() const { return m_zones.get(); }
    CSimpleCheckBox* OpponentBox(NOpponents::EOpponent opponent) const { return m_opponents[opponent].get(); }

  private:
    void UpdateContent(float elapsed) override;
    // The volume follows the thumb while it is being dragged; merely showing
    // the screen leaves the setting as it was.
    void AfterDrawing() override;
    // The slider's value becomes the music volume, heard at once.
    void TakeVolume();
    // Keeps the display mode in step with the full-screen box.
    void FollowFullScreen();

    std::unique_ptr<CTrackBar> m_volume;
    std::unique_ptr<CSimpleCheckBox> m_sound;
    std::unique_ptr<CSimpleCheckBox> m_hints;
    std::unique_ptr<CSimpleCheckBox> m_dragons_box;
    std::unique_ptr<CSimpleCheckBox> m_full_screen;
    std::unique_ptr<CSimpleCheckBox> m_zones;
    // One checked at a time, like the level choice's set boxes.
    std::array<std::unique_ptr<CSimpleCheckBox>, NOpponents::kCount> m_opponents;
    // The box's state as FollowFullScreen last left it: a change is a click.
    bool m_full_screen_shown = false;
};
} // namespace NInterface
