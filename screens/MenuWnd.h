// NInterface::CMenuWnd: the skeleton of the menu windows (options, help, top 7,
// level choice): a layout file, a close button that the close key presses, the
// dragons and the cursor, and the drawing round a window's own content. Clicks
// arrive in the picture's units already: the platform scales the window.
#pragma once

#include "framework/Screen.h"
#include "screens/InterfaceInsect.h"
#include "storage/PropertyFile.h"

#include <memory>
#include <vector>

class CInterfaceResources;
class CSimpleButton;
class CTexture;

namespace NInterface
{
class CMenuWnd : public CScreen
{
  public:
    // An entry of the interface resource table.
    using TextureEntry = CTexture* CInterfaceResources::*;

    ~CMenuWnd() override;

    void Update(float elapsed) final;
    void Draw() final;
    void OnKeyDown(int key) override;
    // The close button closes the window; a window's own controls come after.
    void OnControl(CControl* control) override;
    void OnDialogClosed(int result, CDialogScreen* dialog) override;

    CSimpleButton* CloseButton() const { return m_close.get(); }
    const std::vector<std::unique_ptr<CInterfaceInsect>>& Dragons() const { return m_dragons; }

  protected:
    // Loads `layoutFile` and makes the close button (the layout's
    // "m_close_btn"), the first control; then the dragons.
    CMenuWnd(const char* layoutFile, TextureEntry background, TextureEntry closeTexture);

    const CPropertyFile& Layout() const { return m_layout; }
    // The picture of `entry`, or none without the interface resources (tests).
    static CTexture* Texture(TextureEntry entry);
    // A button placed by the layout's `name`, added as the next control.
    std::unique_ptr<CSimpleButton> MakeButton(const char* name, TextureEntry texture);

    // A window's own steps of Update (before the dragons move) and Draw
    // (under the controls; over them, under the dragons; and once the picture
    // is drawn, before the cursor: by default the music player's update).
    virtual void UpdateContent(float) {}
    virtual void DrawUnderControls() {}
    virtual void DrawOverControls() {}
    virtual void AfterDrawing();

  private:
    CPropertyFile m_layout;
    TextureEntry m_background;
    std::unique_ptr<CSimpleButton> m_close;
    std::vector<std::unique_ptr<CInterfaceInsect>> m_dragons;
};
} // namespace NInterface
