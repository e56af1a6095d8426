// Where the game screen meets pieces built elsewhere: the bar's picture
// buttons, the hints' check boxes and the enter-name dialog. Each is reached through a replaceable factory,
// so tests can put in their own, and the enter-name dialog can be supplied by the menus.
#pragma once

#include "framework/Control.h"

#include <functional>
#include <memory>
#include <string>

class CDialogScreen;
class CPropertyFile;
class CScreen;
class CTexture;

namespace NGame
{
class CBoardPainter;
class CField;
class CGame;
class CPlayer;

// A picture button of the bonus bar.
class IBarButton
{
  public:
    virtual ~IBarButton() = default;
    // The control the screen lists and OnControl reports.
    virtual CControl* Control() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsMouseOver() const = 0;
};

// The "show hints" box on a hint picture.
class IHintCheckBox
{
  public:
    virtual ~IHintCheckBox() = default;
    virtual CControl* Control() = 0;
    virtual void SetPosition(float x, float y) = 0;
    virtual void SetChecked(bool checked) = 0;
    // 1 clear, 2 clear under the pointer, 3 ticked, 4 ticked under the pointer.
    virtual int GetState() const = 0;
    bool IsChecked() const { return GetState() > 2; }
};

using BarButtonFactory = std::function<std::unique_ptr<IBarButton>(
    CScreen* owner, CTexture* texture, const CPropertyFile& layout, const std::string& name)>;
using HintCheckBoxFactory = std::function<std::unique_ptr<IHintCheckBox>(CScreen* owner, CTexture* texture)>;

// The enter-name dialog: opening it (null: none available) and reading its text.
struct SEnterNameSeam
{
    std::function<CDialogScreen*(CGame& game)> m_open;
    std::function<std::string(CDialogScreen* dialog)> m_text;
};

// Replace a factory; an empty function restores the default.
void SetBarButtonFactory(BarButtonFactory factory);
void SetHintCheckBoxFactory(HintCheckBoxFactory factory);
void SetEnterNameSeam(SEnterNameSeam seam);

const BarButtonFactory& GetBarButtonFactory();
const HintCheckBoxFactory& GetHintCheckBoxFactory();
const SEnterNameSeam& GetEnterNameSeam();
} // namespace NGame
