// Default factories of the game's seams. Until the widget toolkit and the
// bonus effects are wired in, buttons and boxes are bare controls (enabled
// state only, drawn by nobody) and no bonus can be made, so none is sold.
#include "play/GameSeams.h"

namespace NGame
{
namespace
{
class CBareButton final : public IBarButton
{
  public:
    CControl* Control() override { return &m_control; }
    void SetVisible(bool) override {}
    bool IsMouseOver() const override { return false; }

  private:
    CControl m_control;
};

class CBareCheckBox final : public IHintCheckBox
{
  public:
    CControl* Control() override { return &m_control; }
    void SetPosition(float, float) override {}
    void SetChecked(bool checked) override { m_state = checked ? 3 : 1; }
    int GetState() const override { return m_state; }

  private:
    CControl m_control;
    int m_state = 1;
};

BarButtonFactory DefaultBarButtons()
{
    return [](CScreen*, CTexture*, const CPropertyFile&, const std::string&)
    { return std::make_unique<CBareButton>(); };
}
HintCheckBoxFactory DefaultCheckBoxes()
{
    return [](CScreen*, CTexture*) { return std::make_unique<CBareCheckBox>(); };
}
BonusFactory DefaultBonuses()
{
    return [](int, CField&, CPlayer&) { return std::unique_ptr<IBonusEffect>(); };
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
BonusFactory& Bonuses()
{
    static BonusFactory factory = DefaultBonuses();
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
void SetBonusFactory(BonusFactory factory)
{
    Bonuses() = factory ? std::move(factory) : DefaultBonuses();
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
const BonusFactory& GetBonusFactory()
{
    return Bonuses();
}
const SEnterNameSeam& GetEnterNameSeam()
{
    return EnterName();
}
} // namespace NGame
