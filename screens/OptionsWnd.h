// NInterface::COptionsWnd: music volume, sound effects, hints, dragons and
// full screen; every change goes straight into the settings.
#pragma once

#include "framework/Screen.h"
#include "screens/InterfaceInsect.h"
#include "storage/PropertyFile.h"

#include <memory>
#include <vector>

class CSimpleButton;
class CSimpleCheckBox;
class CTrackBar;

namespace NInterface
{
class COptionsWnd : public CScreen
{
  public:
    COptionsWnd(float logicalWidth, float logicalHeight);
    ~COptionsWnd() override;

    void Update(float elapsed) override;
    void Draw() override;
    void OnKeyDown(int key) override;
    void OnControl(CControl* control) override;
    void OnDialogClosed(int result, CDialogScreen* dialog) override;

    CSimpleButton* CloseButton() const { return m_close.get(); }
    CTrackBar* VolumeBar() const { return m_volume.get(); }
    CSimpleCheckBox* SoundBox() const { return m_sound.get(); }
    CSimpleCheckBox* HintsBox() const { return m_hints.get(); }
    CSimpleCheckBox* FullScreenBox() const { return m_full_screen.get(); }

  private:
    // The slider's value becomes the music volume, heard at once.
    void TakeVolume();
    // Keeps the display mode in step with the full-screen box.
    void FollowFullScreen();

    CPropertyFile m_layout;
    std::unique_ptr<CSimpleButton> m_close;
    std::unique_ptr<CTrackBar> m_volume;
    std::unique_ptr<CSimpleCheckBox> m_sound;
    std::unique_ptr<CSimpleCheckBox> m_hints;
    std::unique_ptr<CSimpleCheckBox> m_dragons_box;
    std::unique_ptr<CSimpleCheckBox> m_full_screen;
    // The box's state as FollowFullScreen last left it: a change is a click.
    bool m_full_screen_shown = false;
    float m_logical_width;
    float m_logical_height;
    std::vector<std::unique_ptr<CInterfaceInsect>> m_dragons;
};
} // namespace NInterface
