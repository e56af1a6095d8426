// Font metrics from the picture's alpha, and text layout and drawing.
#include "media/BitmapText.h"

#include "media/Image.h"
#include "media/Texture.h"
#include "media/TgaDecoder.h"
#include "platform/Gl.h"

#include <cstdio>
#include <utility>

namespace
{
constexpr unsigned char kFirstCode = 33;
constexpr unsigned char kLastCode = 126;

bool RowHasInk(const CImage& image, std::uint32_t row)
{
    for (std::uint32_t column = 0; column < image.m_width; ++column)
        if (image.Pixel(column, row)[3] != 0)
            return true;
    return false;
}

bool ColumnHasInk(const CImage& image, std::uint32_t column, std::uint32_t fromRow, std::uint32_t toRow)
{
    for (std::uint32_t row = fromRow; row <= toRow; ++row)
        if (image.Pixel(column, row)[3] != 0)
            return true;
    return false;
}

// First inked column at or after `from`; the last column when there is none.
std::uint32_t NextInkColumn(const CImage& image, std::uint32_t from, std::uint32_t bottom, std::uint32_t top)
{
    for (std::uint32_t column = from; column < image.m_width; ++column)
        if (ColumnHasInk(image, column, bottom, top))
            return column;
    return image.m_width - 1;
}

// The last inked column of the run that starts at `first`.
std::uint32_t RunEnd(const CImage& image, std::uint32_t first, std::uint32_t bottom, std::uint32_t top)
{
    std::uint32_t column = first;
    while (column < image.m_width && ColumnHasInk(image, column, bottom, top))
        ++column;
    return column - 1;
}
} // namespace

bool CBitmapText::LoadMetrics(const unsigned char* bytes, std::size_t size, CTexture* fontTexture)
{
    m_texture = fontTexture;
    CImage image;
    if (size < 17 || bytes[16] != 32 || !DecodeTga(bytes, size, image))
        return false;
    m_picture_width = image.m_width;
    m_picture_height = image.m_height;
    m_bytes_per_pixel = image.m_components;
    const float width = static_cast<float>(image.m_width);
    const float height = static_cast<float>(image.m_height);

    int found = 0;
    std::uint32_t bottom = image.m_height;
    for (;;)
    {
        // Lines are searched from the last stored row: the top of a bottom-up picture.
        std::uint32_t top = 0;
        for (std::uint32_t row = bottom; row-- > 0;)
            if (RowHasInk(image, row))
            {
                top = row;
                break;
            }
        bottom = 0;
        for (std::uint32_t row = top + 1; row-- > 0;)
            if (!RowHasInk(image, row))
            {
                bottom = row + 1;
                break;
            }
        if (top == 0)
            break;

        // Each line opens with a run that is no glyph.
        const std::uint32_t lead = NextInkColumn(image, 0, bottom, top);
        std::uint32_t last = RunEnd(image, lead, bottom, top);
        m_line_height = top / height - bottom / height;
        for (;;)
        {
            const std::uint32_t first = NextInkColumn(image, last + 1, bottom, top);
            if (first == image.m_width - 1)
                break;
            last = RunEnd(image, first, bottom, top);
            // Runs beyond the table are counted but not stored.
            if (found < kGlyphCount)
            {
                SGlyph& glyph = m_glyphs[found];
                glyph.m_upper_t = top / height;
                glyph.m_lower_t = bottom / height;
                glyph.m_left_s = (static_cast<float>(first) - 1.0f) / width;
                glyph.m_right_s = (static_cast<float>(last) + 1.0f) / width;
            }
            ++found;
        }
    }
    return found == kGlyphCount;
}

bool CBitmapText::Advances(float size, SAdvance& advance) const
{
    if (m_line_height <= 0.0f || m_picture_height == 0)
        return false;
    const SGlyph& a = m_glyphs['A' - kFirstCode];
    advance.m_scale = size / m_line_height * (static_cast<float>(m_picture_width) / m_picture_height);
    advance.m_space = advance.m_scale * (a.m_right_s - a.m_left_s);
    advance.m_gap = advance.m_space / 10.0f;
    return true;
}

template <typename Visit>
void CBitmapText::ForEachGlyph(const char* text, float size, float x, float y, bool centre, Visit visit) const
{
    SAdvance advance;
    if (text == nullptr || !Advances(size, advance))
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
        else if (c >= kFirstCode && c <= kLastCode)
        {
            const SGlyph& glyph = m_glyphs[c - kFirstCode];
            const float w = advance.m_scale * (glyph.m_right_s - glyph.m_left_s);
            visit(glyph, c, x, y, w);
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
    SAdvance advance;
    if (text == nullptr || !Advances(size, advance))
        return 0.0f;
    float width = 0.0f;
    for (const char* p = text; *p != '\0'; ++p)
    {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == ' ')
            width += advance.m_space;
        else if (c >= kFirstCode && c <= kLastCode)
        {
            const SGlyph& glyph = m_glyphs[c - kFirstCode];
            width += advance.m_scale * (glyph.m_right_s - glyph.m_left_s) + advance.m_gap;
        }
    }
    return width;
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

void CBitmapText::DrawNumber(int number, float size, float x, float y, float z, float r, float g, float b,
                             float a, bool flip, bool centre) const
{
    static char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%i", number);
    DrawText(buffer, size, x, y, z, r, g, b, a, flip, centre);
}

void CBitmapText::DrawNumberOutlined(int number, float size, float x, float y, float z, float r, float g,
                                     float b, float a, bool flip, bool centre) const
{
    static char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%i", number);
    DrawTextOutlined(buffer, size, x, y, z, r, g, b, a, flip, centre);
}
