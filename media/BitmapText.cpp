// Font metrics from the picture's alpha, and text layout and drawing.
#include "media/BitmapText.h"

#include "media/Image.h"
#include "media/Texture.h"
#include "media/TgaDecoder.h"
#include "platform/Gl.h"

#include <cstdio>
#include <utility>

bool CBitmapText::LoadMetrics(const unsigned char* bytes, std::size_t size, CTexture* fontTexture)
{
    m_texture = fontTexture;
    CImage image;
    if (size < 17 || bytes[16] != 32 || !DecodeTga(bytes, size, image) || image.m_components != 4)
        return false;
    // A picture with no pixels leaves nothing measurable.
    const unsigned char* alpha = image.m_pixels.empty() ? nullptr : image.m_pixels.data() + 3;
    return m_metrics.Analyse(alpha, image.m_width, image.m_height, image.m_components);
}

template <typename Visit>
void CBitmapText::ForEachGlyph(const char* text, float size, float x, float y, bool centre, Visit visit) const
{
    NText::CFontMetrics::SAdvance advance;
    if (text == nullptr || !m_metrics.Advances(size, advance))
        return;
    if (centre)
        x -= TextWidth(text, size) / 2.0f;
    const float lineStart = x;
    for (const char* p = text; *p != '\0'; ++p)
    {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == ' ')
            x += advance.m_space;
        else if (c == '\n')
        {
            y += size;
            x = lineStart + advance.m_gap;
        }
        else if (const SGlyph* glyph = m_metrics.GlyphOf(c))
        {
            const float w = advance.m_scale * (glyph->m_right_s - glyph->m_left_s);
            visit(*glyph, c, x, y, w);
            x += w + advance.m_gap;
        }
        // Other bytes have no glyph and take no room.
    }
}

std::vector<CBitmapText::SPlacedGlyph> CBitmapText::Layout(const char* text, float size, float x, float y,
                                                           bool centre) const
{
    std::vector<SPlacedGlyph> placed;
    ForEachGlyph(text, size, x, y, centre,
                 [&placed](const SGlyph&, unsigned char c, float gx, float gy, float w) {
                     placed.push_back(SPlacedGlyph{gx, gy, w, c});
                 });
    return placed;
}

float CBitmapText::TextWidth(const char* text, float size) const
{
    return text ? m_metrics.Width(text, size) : 0.0f;
}

void CBitmapText::DrawText(const char* text, float size, float x, float y, float z, float r, float g, float b,
                           float a, bool flip, bool centre) const
{
    NGl::Enable(GL_TEXTURE_2D);
    NGl::BindTexture(m_texture ? m_texture->GetName() : 0);
    NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    NGl::Enable(GL_BLEND);
    NGl::Disable(GL_DEPTH_TEST);
    NGl::Color(r, g, b, a);
    ForEachGlyph(text, size, x, y, centre,
                 [size, z, flip](const SGlyph& glyph, unsigned char, float gx, float gy, float w)
                 {
                     float lower = glyph.m_lower_t;
                     float upper = glyph.m_upper_t;
                     if (flip)
                         std::swap(lower, upper);
                     NGl::Begin(GL_TRIANGLE_STRIP);
                     NGl::TexCoord(glyph.m_left_s, lower);
                     NGl::Vertex(gx, gy, z);
                     NGl::TexCoord(glyph.m_left_s, upper);
                     NGl::Vertex(gx, gy - size, z);
                     NGl::TexCoord(glyph.m_right_s, lower);
                     NGl::Vertex(gx + w, gy, z);
                     NGl::TexCoord(glyph.m_right_s, upper);
                     NGl::Vertex(gx + w, gy - size, z);
                     NGl::End();
                 });
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Disable(GL_BLEND);
    NGl::Disable(GL_TEXTURE_2D);
}

void CBitmapText::DrawTextOutlined(const char* text, float size, float x, float y, float z, float r, float g,
                                   float b, float a, bool flip, bool centre) const
{
    const float shadow = a / 2.0f;
    DrawText(text, size, x - 1, y - 1, z, 0, 0, 0, shadow, flip, centre);
    DrawText(text, size, x + 1, y + 1, z, 0, 0, 0, shadow, flip, centre);
    DrawText(text, size, x - 1, y + 1, z, 0, 0, 0, shadow, flip, centre);
    DrawText(text, size, x + 1, y - 1, z, 0, 0, 0, shadow, flip, centre);
    DrawText(text, size, x, y, z, r, g, b, a, flip, centre);
}

void CBitmapText::DrawNumberOutlined(int number, float size, float x, float y, float z, float r, float g,
                                     float b, float a, bool flip, bool centre) const
{
    static char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%i", number);
    DrawTextOutlined(buffer, size, x, y, z, r, g, b, a, flip, centre);
}
