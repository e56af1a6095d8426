// One-line edit field: caret movement, deletion, typed and pasted input.
#include "widgets/SimpleEdit.h"
#include "widgets/LayoutPosition.h"

#include "framework/Application.h"
#include "media/BitmapText.h"
#include "media/Sound.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "platform/KeyCodes.h"
#include "storage/PropertyFile.h"
#include "widgets/HitTest.h"

#include <algorithm>

CSimpleEdit::CSimpleEdit(CBitmapText* font, float textSize, CTexture* background)
    : m_background(background), m_font(font), m_text_size(textSize)
{
}

void CSimpleEdit::SetPosition(float x, float y, float z)
{
    m_x = x;
    m_y = y;
    m_z = z;
}

void CSimpleEdit::LoadLayout(const CPropertyFile& layout, const std::string& name)
{
    const SLayoutPosition at = ReadLayoutPosition(layout, name);
    SetPosition(at.m_x, at.m_y, at.m_z);
}

std::size_t CSimpleEdit::MaxLength() const
{
    if (m_max_length <= 0)
        return 0;
    return std::min(static_cast<std::size_t>(m_max_length), kCapacity);
}

void CSimpleEdit::SetText(const std::string& text)
{
    m_text = text.substr(0, MaxLength());
    m_caret = static_cast<int>(m_text.size());
}

void CSimpleEdit::Insert(const std::string& text)
{
    const std::size_t caret = static_cast<std::size_t>(m_caret);
    std::string joined = m_text.substr(0, caret) + text + m_text.substr(caret);
    joined.resize(std::min(joined.size(), kCapacity));
    m_text = joined.substr(0, MaxLength());
    // The caret may never point past the text: after a cut it would index
    // beyond the stored bytes on the next edit.
    const std::size_t advanced = caret + text.size();
    m_caret = static_cast<int>(std::min(advanced, m_text.size()));
}

void CSimpleEdit::Paste()
{
    CApplication* app = CApplication::Get();
    if (!app)
        return;
    std::string text = app->Platform().GetClipboardText();
    if (text.empty())
        return;
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
            c = ' ';
    Insert(text);
}

bool CSimpleEdit::Hits(int x, int y) const
{
    return InsideTruncated(x, y, m_x, m_y, m_width, m_height);
}

bool CSimpleEdit::OnLButtonDown(int x, int y, std::uint32_t)
{
    if (!m_active)
        return false;
    const bool inside = Hits(x, y);
    SetFocus(inside);
    return inside;
}

bool CSimpleEdit::OnLButtonUp(int x, int y, std::uint32_t)
{
    if (!m_active || !Hits(x, y))
        return false;
    SetFocus(true);
    return true;
}

bool CSimpleEdit::OnMouseMove(int x, int y, std::uint32_t)
{
    return m_active && Hits(x, y);
}

void CSimpleEdit::OnKeyDown(int key)
{
    if (!m_active)
        return;
    if (HasFocus())
    {
        const int length = static_cast<int>(m_text.size());
        CApplication* app = CApplication::Get();
        auto held = [app](int virtualKey) { return app && app->Platform().IsKeyDown(virtualKey); };
        switch (key)
        {
        case NKey::kBackspace:
            if (m_caret > 0)
            {
                --m_caret;
                m_text.erase(static_cast<std::size_t>(m_caret), 1);
                m_caret_shown = true;
            }
            break;
        case NKey::kDelete:
            if (m_caret < length)
            {
                m_text.erase(static_cast<std::size_t>(m_caret), 1);
                m_caret_shown = true;
            }
            break;
        case NKey::kHome:
            m_caret = 0;
            m_caret_shown = true;
            break;
        case NKey::kEnd:
            m_caret = length;
            m_caret_shown = true;
            break;
        case NKey::kLeft:
            if (m_caret > 0)
            {
                --m_caret;
                m_caret_shown = true;
            }
            break;
        case NKey::kRight:
            if (m_caret < length)
            {
                ++m_caret;
                m_caret_shown = true;
            }
            break;
        case 'V':
            if (held(NKey::kControl))
                Paste();
            break;
        case NKey::kInsert:
            if (held(NKey::kShift))
                Paste();
            break;
        default:
            break;
        }
    }
    // Typing clicks, whatever the key.
    if (m_click_sound)
        m_click_sound->PlaySound(true, false, -1);
}

void CSimpleEdit::OnChar(std::uint16_t character, std::uint16_t)
{
    if (!m_active || !HasFocus() || character < 32 || character > 126)
        return;
    Insert(std::string(1, static_cast<char>(character)));
}

void CSimpleEdit::Update(float elapsed)
{
    m_blink_timer += elapsed;
    if (m_blink_timer >= m_blink_period)
    {
        m_caret_shown = !m_caret_shown;
        m_blink_timer = 0.0f;
    }
}

void CSimpleEdit::Draw()
{
    if (!m_active)
        return;
    if (m_background)
    {
        m_width = static_cast<float>(m_background->GetWidth());
        m_height = static_cast<float>(m_background->GetHeight()) / 2.0f;
        NGl::Enable(GL_TEXTURE_2D);
        NGl::BindTexture(m_background->GetName());
    }
    else
        NGl::Disable(GL_TEXTURE_2D);
    NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    NGl::Enable(GL_BLEND);
    NGl::Disable(GL_ALPHA_TEST);
    const float upper = m_focus_state / 2.0f;
    const float lower = (m_focus_state - 1) / 2.0f;
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, upper);
    NGl::Vertex(m_x, m_y, m_z);
    NGl::TexCoord(0.0f, lower);
    NGl::Vertex(m_x, m_y + m_height, m_z);
    NGl::TexCoord(1.0f, lower);
    NGl::Vertex(m_x + m_width, m_y + m_height, m_z);
    NGl::TexCoord(1.0f, upper);
    NGl::Vertex(m_x + m_width, m_y, m_z);
    NGl::End();

    const float pad = (m_height - m_text_size) / 2.0f;
    if (m_caret_shown && HasFocus() && m_font)
    {
        const std::string before = m_text.substr(0, static_cast<std::size_t>(m_caret));
        const float left = m_x + m_left_margin + m_font->TextWidth(before.c_str(), m_text_size);
        NGl::Disable(GL_TEXTURE_2D);
        NGl::Color(m_r, m_g, m_b, m_a);
        NGl::Begin(GL_QUADS);
        NGl::Vertex(left, m_y + pad, m_z);
        NGl::Vertex(left, m_y + m_height - pad, m_z);
        NGl::Vertex(left + 3.0f, m_y + m_height - pad, m_z);
        NGl::Vertex(left + 3.0f, m_y + pad, m_z);
        NGl::End();
        NGl::Enable(GL_TEXTURE_2D);
    }
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Translate(0.0f, 0.0f, 0.5f);
    if (m_font)
        m_font->DrawTextOutlined(m_text.c_str(), m_text_size, m_x + m_left_margin, m_y + m_height - pad,
                                 20.0f, m_r, m_g, m_b, m_a, false, false);
    NGl::Translate(0.0f, 0.0f, -0.5f);
    NGl::Disable(GL_BLEND);
}
