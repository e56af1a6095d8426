// Buttons and check boxes: hit edges, looks through press and release,
// disabled buttons, caption areas; the places a layout file gives.
#include "widgets/LayoutPosition.h"
#include "widgets/SimpleButton.h"
#include "widgets/SimpleCheckBox.h"
#include "widgets/WidgetTestSupport.h"

#include <tuple>

using namespace NWidgetTest;

namespace
{
class ButtonTest : public CWidgetTest
{
  protected:
    void SetUp() override
    {
        CWidgetTest::SetUp();
        m_texture = MakeTexture(64, 80); // four bands of 20
        m_button = std::make_unique<CSimpleButton>(&m_owner, m_texture.get());
        m_button->SetPosition(100.5f, 50.0f, 0.0f);
    }
    std::unique_ptr<CTexture> m_texture;
    std::unique_ptr<CSimpleButton> m_button;
};
} // namespace

TEST_F(ButtonTest, EdgesAreTruncatedAndCountAsInside)
{
    // x + width = 164.5 truncates to 164: that column is still the button.
    EXPECT_TRUE(m_button->OnLButtonDown(164, 70, 0));
    EXPECT_EQ(m_button->GetState(), CSimpleButton::kPressed);
    m_button->Reset();
    EXPECT_TRUE(m_button->OnLButtonDown(100, 50, 0));
    m_button->Reset();
    EXPECT_FALSE(m_button->OnLButtonDown(165, 60, 0));
    EXPECT_FALSE(m_button->OnLButtonDown(120, 71, 0));
    EXPECT_FALSE(m_button->OnLButtonDown(99, 60, 0));
    ASSERT_EQ(m_owner.m_reports.size(), 2u);
    EXPECT_EQ(m_owner.m_reports[0], m_button.get());
}

TEST_F(ButtonTest, ReleaseOutsideAfterPressLeavesHoverUntilTheMouseMovesOff)
{
    m_button->OnMouseMove(120, 60, 0);
    EXPECT_EQ(m_button->GetState(), CSimpleButton::kHover);
    m_button->OnLButtonDown(120, 60, 0);
    EXPECT_EQ(m_owner.m_reports.size(), 1u); // acts on press
    EXPECT_TRUE(m_button->OnLButtonUp(500, 500, 0));
    EXPECT_EQ(m_button->GetState(), CSimpleButton::kHover);
    EXPECT_FALSE(m_button->OnLButtonUp(120, 60, 0)); // not pressed any more
    EXPECT_FALSE(m_button->OnMouseMove(500, 500, 0));
    EXPECT_EQ(m_button->GetState(), CSimpleButton::kNormal);
    EXPECT_EQ(m_owner.m_reports.size(), 1u);
}

TEST_F(ButtonTest, DisabledButtonRefusesClicksButTakesHoverLooks)
{
    m_button->SetDisabled(true);
    EXPECT_EQ(m_button->GetState(), CSimpleButton::kDisabled);
    EXPECT_FALSE(m_button->OnLButtonDown(120, 60, 0));
    EXPECT_FALSE(m_button->OnLButtonUp(120, 60, 0));
    EXPECT_TRUE(m_owner.m_reports.empty());
    EXPECT_TRUE(m_button->OnMouseMove(120, 60, 0));
    EXPECT_EQ(m_button->GetState(), CSimpleButton::kHover);
    EXPECT_TRUE(m_button->IsDisabled());
    EXPECT_FALSE(m_button->OnLButtonDown(120, 60, 0));

    // Enabling again only clears the disabled look.
    m_button->SetDisabled(false);
    EXPECT_EQ(m_button->GetState(), CSimpleButton::kHover);
    m_button->SetDisabled(true);
    m_button->SetDisabled(false);
    EXPECT_EQ(m_button->GetState(), CSimpleButton::kNormal);
}

namespace
{
class CheckBoxTest : public CWidgetTest
{
  protected:
    void SetUp() override
    {
        CWidgetTest::SetUp();
        m_texture = MakeTexture(32, 128);
        m_box = std::make_unique<CSimpleCheckBox>(&m_owner, m_texture.get(), 110.0f);
        m_box->SetPosition(100.0f, 100.0f, 0.0f);
    }
    std::unique_ptr<CTexture> m_texture;
    std::unique_ptr<CSimpleCheckBox> m_box;
};
} // namespace

TEST_F(CheckBoxTest, CaptionAreaTogglesOnRelease)
{
    // 100 + 32 + 110 = 242 is the caption's last column.
    EXPECT_TRUE(m_box->OnMouseMove(242, 110, 0));
    EXPECT_TRUE(m_box->OnLButtonDown(242, 110, 0));
    EXPECT_FALSE(m_box->IsChecked()); // pressing alone changes nothing
    EXPECT_TRUE(m_box->OnLButtonUp(242, 110, 0));
    EXPECT_TRUE(m_box->IsChecked());
    EXPECT_EQ(m_box->GetState(), CSimpleCheckBox::kCheckedHover);
    ASSERT_EQ(m_owner.m_reports.size(), 1u);
    EXPECT_EQ(m_owner.m_reports[0], m_box.get());

    EXPECT_FALSE(m_box->OnMouseMove(243, 110, 0));
    EXPECT_EQ(m_box->GetState(), CSimpleCheckBox::kChecked);
    EXPECT_FALSE(m_box->OnLButtonUp(243, 110, 0)); // released away: no toggle
    EXPECT_TRUE(m_box->IsChecked());
}

TEST_F(CheckBoxTest, SetCheckedWhileHoveredShowsPlainCheckedUntilNextMove)
{
    m_box->OnMouseMove(110, 110, 0);
    m_box->SetChecked(true);
    EXPECT_EQ(m_box->GetState(), CSimpleCheckBox::kChecked);
    // A release now does not toggle: the hover look is gone.
    EXPECT_FALSE(m_box->OnLButtonUp(110, 110, 0));
    m_box->OnMouseMove(111, 110, 0);
    EXPECT_EQ(m_box->GetState(), CSimpleCheckBox::kCheckedHover);
    m_box->SetChecked(false);
    EXPECT_EQ(m_box->GetState(), CSimpleCheckBox::kUnchecked);
}

// A screen draws where its layout file says; a value missing, damaged or
// absurd leaves the built-in one, and another file's places are not read.
TEST(LayoutPlaces, FileGivesPlacesAndDamagedValuesKeepTheBuiltInOnes)
{
    using NPlaces::EPlace;
    const std::string text = "m_dialog.x 30\nm_dialog.y nan\nm_level_text.x 1e30\nm_level_text.y -40.5\n"
                             "m_level_text.size -3\nm_score_text.x abc\nm_score_text.size 12\nm_preview.x 5\n"
                             "m_sound_cb.caption_width 0\nm_hints_cb.caption_width 70\n";
    CPropertyFile layout;
    layout.Parse(text.data(), text.size(), true);
    const NPlaces::CPlaces at = ReadPlaces(layout, NPlaces::kContinueFile);
    const auto values = [&](EPlace id) { return std::tuple(at[id].m_x, at[id].m_y, at[id].m_size); };
    EXPECT_EQ(values(EPlace::kContinueDialog), std::tuple(30.0f, 44.0f, 0.0f));
    EXPECT_EQ(values(EPlace::kContinueLevel), std::tuple(162.0f, -40.5f, 25.0f));
    EXPECT_EQ(values(EPlace::kContinueScore), std::tuple(164.0f, 261.0f, 12.0f));
    EXPECT_EQ(values(EPlace::kPreview), std::tuple(173.0f, 188.0f, 0.262f));
    EXPECT_EQ(ReadLength(layout, NPlaces::ELength::kSoundCaption), 110.0f);
    EXPECT_EQ(ReadLength(layout, NPlaces::ELength::kHintsCaption), 70.0f);
}
