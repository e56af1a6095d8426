// Default factories of the game's seams: the toolkit's picture buttons and
// check boxes.
#include "play/GameSeams.h"

#include "widgets/SimpleButton.h"
#include "widgets/SimpleCheckBox.h"

namespace NGame
{
namespace
{
class CBarButton final : public IBarButton
{
  public:
    CBarButton(CScreen* owner, CTexture* texture, const CPropertyFile& layout, const std::string& name)
        : m_button(owner, texture)
    {
        m_button.LoadLayout(layout, name);
    }
    CControl* Control() override { return &m_button; }
    void SetVisible(bool visible) override { m_button.SetVisible(visible); }
    bool IsMouseOver() const override { return m_button.IsMouseOver(); }

  private:
    CSimpleButton m_button;
};

class CHintBox final : public IHintCheckBox
{
  public:
    CHintBox(CScreen* owner, CTexture* texture) : m_box(owner, texture, 0.0f) {}
    CControl* Control() override { return &m_box; }
    void SetPosition(float x, float y) override { m_box.SetPosition(x, y, 0.0f); }
    void SetChecked(bool checked) override { m_box.SetChecked(checked); }
    int GetState() const override { return m_box.GetState(); }

  private:
    CSimpleCheckBox m_box;
};

BarButtonFactory DefaultBarButtons()
{
    return [](CScreen* owner, CTexture* texture, const CPropertyFile& layout, const std::string& name)
    { return std::make_unique<CBarButton>(owner, texture, layout, name); };
}
HintCheckBoxFactory DefaultCheckBoxes()
{
    return [](CScreen* owner, CTexture* texture) { return std::make_unique<CHintBox>(owner, texture); };
}
BarButtonFactory& Buttons()
{
    static BarButtonFactory factory = DefaultBarButtons();
    return factory;
}
HintCheckBoxFactory& CheckBoxes()
{
    static HintCheckBoxFactory factory = DefaultCheckBoxes();
    return factory;
}
SEnterNameSeam& EnterName()
{
    static SEnterNameSeam seam;
    return seam;
}
} // namespace

void SetBarButtonFactory(BarButtonFactory factory)
{
    Buttons() = factory ? std::move(factory) : DefaultBarButtons();
}
void SetHintCheckBoxFactory(HintCheckBoxFactory factory)
{
    CheckBoxes() = factory ? std::move(factory) : DefaultCheckBoxes();
}
void SetEnterNameSeam(SEnterNameSeam seam)
{
    EnterName() = std::move(seam);
}
const BarButtonFactory& GetBarButtonFactory()
{
    return Buttons();
}
const HintCheckBoxFactory& GetHintCheckBoxFactory()
{
    return CheckBoxes();
}
const SEnterNameSeam& GetEnterNameSeam()
{
    return EnterName();
}
} // namespace NGame
