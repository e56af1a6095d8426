// Bitmap text drawn from one font picture whose glyph rectangles are found
// from the picture's own alpha channel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CTexture;

class CBitmapText
{
  public:
    static constexpr int kGlyphCount = 94; // '!' to '~'

    struct SGlyph
    {
        float m_upper_t = 0.0f;
        float m_lower_t = 0.0f;
        float m_left_s = 0.0f;
        float m_right_s = 0.0f;
    };

    // One laid-out glyph: its left edge, baseline and width in screen units.
    struct SPlacedGlyph
    {
        float m_x = 0.0f;
        float m_y = 0.0f;
        float m_width = 0.0f;
        unsigned char m_code = 0;
    };

    virtual ~CBitmapText() = default;

    // `bytes` is the whole 32-bit TGA file of the font picture; true only when
    // exactly 94 glyphs were found.
    bool LoadMetrics(const unsigned char* bytes, std::size_t size, CTexture* fontTexture);

    // (x, y) is the lower-left corner of the first glyph, y growing downwards;
    // `size` is the line height in screen units.
    void DrawText(const char* text, float size, float x, float y, float z, float r, float g, float b, float a,
                  bool flip, bool centre) const;
    void DrawTextOutlined(const char* text, float size, float x, float y, float z, float r, float g, float b,
                          float a, bool flip, bool centre) const;
    void DrawNumber(int number, float size, float x, float y, float z, float r, float g, float b, float a,
                    bool flip, bool centre) const;
    void DrawNumberOutlined(int number, float size, float x, float y, float z, float r, float g, float b,
                            float a, bool flip, bool centre) const;
    float TextWidth(const char* text, float size) const;

    // Where DrawText puts each glyph, without drawing.
    std::vector<SPlacedGlyph> Layout(const char* text, float size, float x, float y, bool centre) const;

    const SGlyph& Glyph(int index) const { return m_glyphs[index]; }
    float GetLineHeight() const { return m_line_height; }

  private:
    struct SAdvance
    {
        float m_scale = 0.0f;
        float m_space = 0.0f;
        float m_gap = 0.0f;
    };
    // False when no metrics were ever loaded: nothing can be measured then.
    bool Advances(float size, SAdvance& advance) const;
    template <typename Visit>
    void ForEachGlyph(const char* text, float size, float x, float y, bool centre, Visit visit) const;

    CTexture* m_texture = nullptr;
    SGlyph m_glyphs[kGlyphCount];
    float m_line_height = 0.0f;
    std::uint32_t m_picture_width = 0;
    std::uint32_t m_picture_height = 0;
    std::uint32_t m_bytes_per_pixel = 0;
};
