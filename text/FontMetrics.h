// The bitmap font's glyph table, found in the alpha channel of its picture,
// and the width of text set in it. The game draws with these numbers and the
// data generator lays out its help pages with them, so both measure alike.
#pragma once

#include <cstdint>
#include <string_view>

namespace NText
{
class CFontMetrics
{
  public:
    static constexpr int kGlyphCount = 94; // '!' to '~'
    static constexpr unsigned char kFirstCode = 33;
    static constexpr unsigned char kLastCode = 126;

    // A glyph's rectangle in texture coordinates, t counted along the stored rows.
    struct SGlyph
    {
        float m_upper_t = 0.0f;
        float m_lower_t = 0.0f;
        float m_left_s = 0.0f;
        float m_right_s = 0.0f;
    };

    // How far text set at one size advances, in screen units: a glyph's width
    // is m_scale times its span, a space is as wide as 'A', and every glyph is
    // followed by a gap of a tenth of a space.
    struct SAdvance
    {
        float m_scale = 0.0f;
        float m_space = 0.0f;
        float m_gap = 0.0f;
    };

    // `alpha` points at the first pixel's alpha, `stride` bytes from one pixel
    // to the next, rows in stored order (bottom row first, as a TGA keeps
    // them). Lines of glyphs are found from the top; each line opens with a
    // marker run that is no glyph, then every run of inked columns is one
    // glyph, in code order. True only when exactly kGlyphCount were found;
    // the runs found are kept either way, those past the table are dropped.
    bool Analyse(const unsigned char* alpha, std::uint32_t width, std::uint32_t height, std::uint32_t stride);

    // False when nothing was ever measured: no text has width then.
    bool Advances(float size, SAdvance& advance) const;
    // Bytes without a glyph (other than the space) take no room.
    float Width(std::string_view text, float size) const;
    // The glyph of a code from '!' to '~', null for any other byte.
    const SGlyph* GlyphOf(unsigned char code) const;

    const SGlyph& Glyph(int index) const { return m_glyphs[index]; }
    float GetLineHeight() const { return m_line_height; }

  private:
    SGlyph m_glyphs[kGlyphCount];
    float m_line_height = 0.0f;
    std::uint32_t m_width = 0;
    std::uint32_t m_height = 0;
};
} // namespace NText
