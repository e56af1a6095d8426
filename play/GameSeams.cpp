// Default factories of the game's seams: the toolkit's picture buttons and
// check boxes, and the rules' bonuses.
#include "play/GameSeams.h"

#include "play/BoardPainter.h"
#include "rules/BonusKinds.h"
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

class CBonusEffect final : public IBonusEffect
{
  public:
    explicit CBonusEffect(std::unique_ptr<CBonus> bonus) : m_bonus(std::move(bonus)) {}
    bool Update(float elapsedMs) override { return m_bonus->Update(elapsedMs); }
    void Draw(const CBoardPainter& painter) override { painter.Draw(m_bonus->GetInsect()); }

  private:
    std::unique_ptr<CBonus> m_bonus;
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
BonusFactory DefaultBonuses()
{
    return [](int bonus, CField& field, CPlayer& human) -> std::unique_ptr<IBonusEffect>
    {
        std::unique_ptr<CBonus> made = CreateBonus(bonus, field, human);
        if (!made)
            return nullptr;
        return std::make_unique<CBonusEffect>(std::move(made));
    };
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
