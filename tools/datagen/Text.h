// Text painted with FreeType from the game's typeface.
#pragma once

#include "tools/datagen/Image.h"

#include <string>

namespace NDatagen
{
enum class EAlign
{
    Left,
    Centre,
    Right
};

struct STextStyle
{
    float size = 24; // pixel height of the em square
    SColour colour = Rgb(255, 255, 255);
    float outline = 0; // outline radius in pixels, 0 for none
    SColour outlineColour = Rgb(40, 30, 20);
    float shadow = 0; // drop shadow offset in pixels, 0 for none
    EAlign align = EAlign::Left;
};

// Coverage bitmap of one glyph, with its placement relative to the pen.
struct SGlyph
{
    int width = 0, height = 0;
    int left = 0, top = 0; // bearing: offset from pen to the bitmap's top-left (top is up)
    float advance = 0;
    std::vector<uint8_t> coverage;
};

bool TextReady();
// The typeface file that fontconfig found, empty when there is none.
std::string TextFontFile();
SGlyph RenderGlyph(char c, float size);
float TextWidth(const std::string& text, float size);
// Ascender and descender of the typeface at this size (both positive).
float Ascent(float size);
float Descent(float size);

// Draws a single line with its baseline at y; x is the left, centre or right
// edge according to the style's alignment.
void DrawText(CImage& img, const std::string& text, float x, float y, const STextStyle& style);
// Word-wraps text into lines of at most maxWidth and draws them; returns the
// baseline of the last line.
float DrawParagraph(CImage& img, const std::string& text, float x, float y, float maxWidth, float lineHeight,
                    const STextStyle& style);
} // namespace NDatagen
