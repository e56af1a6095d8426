// Slider mapping and clamping, edit-field keys, typing rules and paste, and
// word wrapping of the scrolling text.
#include "widgets/ScrollingText.h"
#include "widgets/SimpleEdit.h"
#include "widgets/TrackBar.h"
#include "widgets/WidgetTestSupport.h"

#include "platform/KeyCodes.h"

using namespace NWidgetTest;

namespace
{
class TrackBarTest : public CWidgetTest
{
  protected:
    void SetUp() override
    {
        CWidgetTest::SetUp();
        m_texture = MakeTexture(21, 40); // an odd width puts the thumb centre on a half unit
        m_bar = std::make_unique<CTrackBar>(&m_owner, m_texture.get());
        m_bar->SetPosition(100.0f, 300.0f, 0.0f);
        m_bar->SetRange(0.0f, 99.0f);
        m_bar->SetLength(495.0f);
        m_bar->SetValue(0.0f);
    }
    std::unique_ptr<CTexture> m_texture;
    std::unique_ptr<CTrackBar> m_bar;
};
} // namespace

TEST_F(TrackBarTest, DragMapsTheThumbCentreOntoTheRange)
{
    ASSERT_TRUE(m_bar->OnLButtonDown(110, 310, 0));
    // x + 247.5 + thumb width / 2 = 358.
    EXPECT_TRUE(m_bar->OnMouseMove(358, 0, 0));
    EXPECT_FLOAT_EQ(m_bar->GetValue(), 49.5f);
    EXPECT_FLOAT_EQ(m_bar->ThumbLeft(), 100.0f + 247.5f);
    EXPECT_TRUE(m_owner.m_reports.empty()); // told only when the drag ends
    EXPECT_FALSE(m_bar->OnLButtonUp(358, 310, 0));
    ASSERT_EQ(m_owner.m_reports.size(), 1u);
    EXPECT_FALSE(m_bar->IsDragging());
    EXPECT_FALSE(m_bar->OnMouseMove(500, 310, 0));
    EXPECT_FLOAT_EQ(m_bar->GetValue(), 49.5f);
    // Past either end the value clamps.
    ASSERT_TRUE(m_bar->OnLButtonDown(350, 310, 0));
    m_bar->OnMouseMove(2000, 0, 0);
    EXPECT_FLOAT_EQ(m_bar->GetValue(), 99.0f);
    m_bar->OnMouseMove(-300, 0, 0);
    EXPECT_FLOAT_EQ(m_bar->GetValue(), 0.0f);
    // So do the keyboard's steps.
    m_bar->Step(-1.0f);
    EXPECT_FLOAT_EQ(m_bar->GetValue(), 0.0f);
    m_bar->SetValue(98.5f);
    m_bar->Step(1.0f);
    EXPECT_FLOAT_EQ(m_bar->GetValue(), 99.0f);
}

TEST_F(TrackBarTest, PressBesideTheThumbDoesNothing)
{
    m_bar->SetValue(50.0f); // thumb at 100 + 250 = 350..371
    EXPECT_FALSE(m_bar->OnLButtonDown(300, 310, 0));
    EXPECT_FALSE(m_bar->OnMouseMove(300, 310, 0));
    EXPECT_FLOAT_EQ(m_bar->GetValue(), 50.0f);
    EXPECT_FALSE(m_bar->OnLButtonDown(372, 310, 0));
    EXPECT_FALSE(m_bar->OnLButtonDown(360, 321, 0)); // below the idle band
    EXPECT_TRUE(m_bar->OnLButtonDown(371, 320, 0));
    // A second press elsewhere ends the drag without telling the owner.
    EXPECT_FALSE(m_bar->OnLButtonDown(10, 10, 0));
    EXPECT_FALSE(m_bar->IsDragging());
    m_bar->OnLButtonUp(10, 10, 0);
    EXPECT_TRUE(m_owner.m_reports.empty());
}

TEST_F(TrackBarTest, EmptyTrackOrRangeKeepsTheValueFinite)
{
    m_bar->SetLength(0.0f);
    ASSERT_TRUE(m_bar->OnLButtonDown(105, 305, 0));
    m_bar->OnMouseMove(400, 0, 0);
    EXPECT_FLOAT_EQ(m_bar->GetValue(), 0.0f);
    m_bar->SetRange(5.0f, 5.0f);
    m_bar->SetValue(5.0f);
    EXPECT_FLOAT_EQ(m_bar->ThumbLeft(), 100.0f);
}

namespace
{
class EditTest : public CWidgetTest
{
  protected:
    void SetUp() override
    {
        CWidgetTest::SetUp();
        m_edit = std::make_unique<CSimpleEdit>(&m_font, 20.0f, nullptr);
        m_edit->SetPosition(50.0f, 50.0f, 0.0f);
        m_edit->SetFocus(true);
    }
    void Type(const std::string& text)
    {
        for (char c : text)
            m_edit->OnChar(static_cast<std::uint16_t>(c), 1);
    }
    std::unique_ptr<CSimpleEdit> m_edit;
};
} // namespace

TEST_F(EditTest, TypingStopsAtTheMaximumLength)
{
    Type("abcdefghijK");
    EXPECT_STREQ(m_edit->GetText(), "abcdefghij");
    EXPECT_EQ(m_edit->GetCaret(), 10);
    // Inserting in the middle pushes the last byte out; the caret stays inside.
    m_edit->OnKeyDown(NKey::kHome);
    Type("X");
    EXPECT_STREQ(m_edit->GetText(), "Xabcdefghi");
    EXPECT_EQ(m_edit->GetCaret(), 1);
}

TEST_F(EditTest, EditingKeysStayWithinTheText)
{
    Type("abc");
    m_edit->OnKeyDown(NKey::kDelete); // at the end: nothing
    EXPECT_STREQ(m_edit->GetText(), "abc");
    m_edit->OnKeyDown(NKey::kLeft);
    m_edit->OnKeyDown(NKey::kBackspace);
    EXPECT_STREQ(m_edit->GetText(), "ac");
    EXPECT_EQ(m_edit->GetCaret(), 1);
    m_edit->OnKeyDown(NKey::kHome);
    m_edit->OnKeyDown(NKey::kBackspace); // at 0: nothing
    m_edit->OnKeyDown(NKey::kLeft);
    EXPECT_STREQ(m_edit->GetText(), "ac");
    EXPECT_EQ(m_edit->GetCaret(), 0);
    m_edit->OnKeyDown(NKey::kDelete);
    EXPECT_STREQ(m_edit->GetText(), "c");
    m_edit->OnKeyDown(NKey::kEnd);
    m_edit->OnKeyDown(NKey::kRight);
    EXPECT_EQ(m_edit->GetCaret(), 1);

    // Without focus, or inactive, keys and characters change nothing.
    m_edit->SetFocus(false);
    m_edit->OnKeyDown(NKey::kBackspace);
    Type("z");
    EXPECT_STREQ(m_edit->GetText(), "c");
    m_edit->SetFocus(true);
    m_edit->m_active = false;
    Type("z");
    EXPECT_FALSE(m_edit->OnLButtonDown(60, 60, 0));
    EXPECT_STREQ(m_edit->GetText(), "c");
}

TEST_F(EditTest, PasteTurnsControlBytesIntoSpaces)
{
    m_edit->m_max_length = 30;
    Type("<>");
    m_edit->OnKeyDown(NKey::kLeft);
    m_platform.m_clipboard = "a\tb\nc";
    m_edit->OnKeyDown('V'); // Control not held: nothing
    EXPECT_STREQ(m_edit->GetText(), "<>");
    m_platform.m_keys.insert(NKey::kControl);
    m_edit->OnKeyDown('V');
    EXPECT_STREQ(m_edit->GetText(), "<a b c>");
    EXPECT_EQ(m_edit->GetCaret(), 6);
    m_platform.m_keys.clear();

    m_platform.m_keys.insert(NKey::kShift);
    m_platform.m_clipboard = "\xe9x";
    m_edit->OnKeyDown(NKey::kInsert);
    EXPECT_STREQ(m_edit->GetText(), "<a b c x>");
}

TEST_F(EditTest, PasteCutAtTheMaximumLengthKeepsTheCaretInsideTheText)
{
    Type("ab");
    m_edit->OnKeyDown(NKey::kHome);
    m_platform.m_keys.insert(NKey::kControl);
    m_platform.m_clipboard = std::string(2000, 'x');
    m_edit->OnKeyDown('V');
    EXPECT_EQ(std::string(m_edit->GetText()), std::string(10, 'x'));
    EXPECT_EQ(m_edit->GetCaret(), 10);

    m_edit->m_max_length = 5000; // more than the buffer holds
    m_edit->OnKeyDown(NKey::kEnd);
    m_edit->OnKeyDown('V');
    EXPECT_EQ(std::string(m_edit->GetText()).size(), CSimpleEdit::kCapacity);
    EXPECT_EQ(m_edit->GetCaret(), static_cast<int>(CSimpleEdit::kCapacity));
    m_edit->OnKeyDown(NKey::kBackspace);
    EXPECT_EQ(std::string(m_edit->GetText()).size(), CSimpleEdit::kCapacity - 1);
}

namespace
{
class WrapTest : public CWidgetTest
{
  protected:
    // Limit: exactly the width of two four-letter words with their spaces.
    float TwoWords() const { return m_font.TextWidth("aaaa aaaa ", 10.0f); }
};
} // namespace

TEST_F(WrapTest, LinesEndWithASpaceAtWordsCarriageReturnsAndTheLimit)
{
    const struct
    {
        float m_width;
        const char* m_source;
        std::vector<std::string> m_lines;
    } cases[] = {
        {TwoWords() + 0.1f, "aaaa bbbb cccc\ndddd", {"aaaa bbbb ", "ccccdddd "}},
        // A word wider than the line stands alone, after an empty line when first.
        {m_font.TextWidth("aaaa", 10.0f), "wwwwwwww aa bb", {"", "wwwwwwww ", "aa ", "bb "}},
        {1000.0f, "ab\r\rcd", {"ab ", " ", "cd "}},
    };
    for (const auto& c : cases)
    {
        CScrollingText text(&m_font, c.m_width, 10.0f, 5);
        text.SetText(c.m_source, static_cast<int>(std::string(c.m_source).size()));
        EXPECT_EQ(text.GetLines(), c.m_lines) << c.m_source;
    }
    // Only the given count is read; a bad count gives one empty line.
    CScrollingText text(&m_font, 1000.0f, 10.0f, 5);
    text.SetText("ab", 1);
    EXPECT_EQ(text.GetLines(), std::vector<std::string>{"a "});
    text.SetText(nullptr, -4);
    EXPECT_EQ(text.GetLines(), std::vector<std::string>{" "});
}
