// Bitmap text drawn from one font picture whose glyph rectangles are found
// from the picture's own alpha channel (text/FontMetrics.h).
#pragma once

#include "text/FontMetrics.h"

#include <cstddef>
#include <vector>

class CTexture;

class CBitmapText
{
  public:
    using SGlyph = NText::CFontMetrics::SGlyph;

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
    void DrawNumberOutlined(int number, float size, float x, float y, float z, float r, float g, float b,
                            float a, bool flip, bool centre) const;
    float TextWidth(const char* text, float size) const;

    // Where DrawText puts each glyph, without drawing.
    std::vector<SPlacedGlyph> Layout(const char* text, float size, float x, float y, bool centre) const;

    const NText::CFontMetrics& Metrics() const { return m_metrics; }

  private:
    template <typename Visit>
    void ForEachGlyph(const char* text, float size, float x, float y, bool centre, Visit visit) const;

    CTexture* m_texture = nullptr;
    NText::CFontMetrics m_metrics;
};
