// Tooltip box placement and drawing.
#include "play/Hint.h"

#include "framework/Application.h"
#include "media/BitmapText.h"
#include "platform/Gl.h"

CHint::SBox CHint::Place(float width, float x, float y, float size, bool centre)
{
    constexpr float kMargin = 4.0f;
    float offset = 54.0f;
    if (x + width + offset + 2.0f * kMargin > 795.0f)
        offset = -(width + 24.0f);
    SBox box;
    box.m_left = centre ? (800.0f - width - 2.0f * kMargin) / 2.0f : x + offset - kMargin;
    box.m_right = box.m_left + width + 2.0f * kMargin;
    box.m_top = y - kMargin;
    box.m_bottom = y + size + kMargin;
    return box;
}

void CHint::Draw(const CBitmapText& font, const char* text, float x, float y, float size, bool atCursor,
                 bool centre)
{
    if (atCursor)
        if (CApplication* app = CApplication::Get())
        {
            int cx = 0;
            int cy = 0;
            app->GetCursorClientPos(cx, cy);
            x = static_cast<float>(cx);
            y = static_cast<float>(cy);
        }
    const SBox box = Place(font.TextWidth(text, size), x, y, size, centre);
    if (!NGl::IsHeadless())
    {
        NGl::Enable(GL_BLEND);
        NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        NGl::Disable(GL_TEXTURE_2D);
        NGl::Color(1.0f, 1.0f, 1.0f, 0.75f);
        NGl::Begin(GL_QUADS);
        NGl::Vertex(box.m_left, box.m_top);
        NGl::Vertex(box.m_right, box.m_top);
        NGl::Vertex(box.m_right, box.m_bottom);
        NGl::Vertex(box.m_left, box.m_bottom);
        NGl::End();
        NGl::LineWidth(2.0f);
        NGl::Color(0.0f, 0.0f, 0.75f, 1.0f);
        NGl::Begin(GL_LINE_LOOP);
        NGl::Vertex(box.m_left, box.m_top);
        NGl::Vertex(box.m_right, box.m_top);
        NGl::Vertex(box.m_right, box.m_bottom);
        NGl::Vertex(box.m_left, box.m_bottom);
        NGl::End();
        NGl::Enable(GL_TEXTURE_2D);
    }
    font.DrawText(text, size, box.m_left + 4.0f, y + size, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, false, false);
}
