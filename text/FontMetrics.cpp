// Glyph rectangles from the font picture's alpha, and text widths.
#include "text/FontMetrics.h"

#include <cstddef>

namespace NText
{
namespace
{
// The alpha channel of a picture, addressed by column and stored row.
struct SAlpha
{
    const unsigned char* m_first;
    std::uint32_t m_width;
    std::uint32_t m_stride;

    bool Inked(std::uint32_t column, std::uint32_t row) const
    {
        return m_first[(static_cast<std::size_t>(row) * m_width + column) * m_stride] != 0;
    }
    bool RowHasInk(std::uint32_t row) const
    {
        for (std::uint32_t column = 0; column < m_width; ++column)
            if (Inked(column, row))
                return true;
        return false;
    }
    bool ColumnHasInk(std::uint32_t column, std::uint32_t fromRow, std::uint32_t toRow) const
    {
        for (std::uint32_t row = fromRow; row <= toRow; ++row)
            if (Inked(column, row))
                return true;
        return false;
    }
    // First inked column at or after `from`; the last column when there is none.
    std::uint32_t NextInkColumn(std::uint32_t from, std::uint32_t bottom, std::uint32_t top) const
    {
        for (std::uint32_t column = from; column < m_width; ++column)
            if (ColumnHasInk(column, bottom, top))
                return column;
        return m_width - 1;
    }
    // The last inked column of the run that starts at `first`.
    std::uint32_t RunEnd(std::uint32_t first, std::uint32_t bottom, std::uint32_t top) const
    {
        std::uint32_t column = first;
        while (column < m_width && ColumnHasInk(column, bottom, top))
            ++column;
        return column - 1;
    }
};
} // namespace

bool CFontMetrics::Analyse(const unsigned char* alpha, std::uint32_t width, std::uint32_t height,
                           std::uint32_t stride)
{
    m_width = width;
    m_height = height;
    if (alpha == nullptr || width == 0 || height == 0)
        return false;
    const SAlpha picture{alpha, width, stride};
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);

    int found = 0;
    std::uint32_t bottom = height;
    for (;;)
    {
        // Lines are searched from the last stored row: the top of a bottom-up picture.
        std::uint32_t top = 0;
        for (std::uint32_t row = bottom; row-- > 0;)
            if (picture.RowHasInk(row))
            {
                top = row;
                break;
            }
        bottom = 0;
        for (std::uint32_t row = top + 1; row-- > 0;)
            if (!picture.RowHasInk(row))
            {
                bottom = row + 1;
                break;
            }
        if (top == 0)
            break;

        const std::uint32_t lead = picture.NextInkColumn(0, bottom, top);
        std::uint32_t last = picture.RunEnd(lead, bottom, top);
        m_line_height = top / h - bottom / h;
        for (;;)
        {
            const std::uint32_t first = picture.NextInkColumn(last + 1, bottom, top);
            if (first == width - 1)
                break;
            last = picture.RunEnd(first, bottom, top);
            if (found < kGlyphCount)
                m_glyphs[found] = {top / h, bottom / h, (static_cast<float>(first) - 1.0f) / w,
                                   (static_cast<float>(last) + 1.0f) / w};
            ++found;
        }
    }
    return found == kGlyphCount;
}

bool CFontMetrics::Advances(float size, SAdvance& advance) const
{
    if (m_line_height <= 0.0f || m_height == 0)
        return false;
    const SGlyph& a = m_glyphs['A' - kFirstCode];
    advance.m_scale = size / m_line_height * (static_cast<float>(m_width) / m_height);
    advance.m_space = advance.m_scale * (a.m_right_s - a.m_left_s);
    advance.m_gap = advance.m_space / 10.0f;
    return true;
}

const CFontMetrics::SGlyph* CFontMetrics::GlyphOf(unsigned char code) const
{
    return code >= kFirstCode && code <= kLastCode ? &m_glyphs[code - kFirstCode] : nullptr;
}

float CFontMetrics::Width(std::string_view text, float size) const
{
    SAdvance advance;
    if (!Advances(size, advance))
        return 0.0f;
    float width = 0.0f;
    for (const char c : text)
    {
        if (c == ' ')
            width += advance.m_space;
        else if (const SGlyph* glyph = GlyphOf(static_cast<unsigned char>(c)))
            width += advance.m_scale * (glyph->m_right_s - glyph->m_left_s) + advance.m_gap;
    }
    return width;
}
} // namespace NText
