// Text measurement exactly as the game's bitmap font will measure it, taken
// from the font picture itself, so that help texts are laid out to fit.
#pragma once

#include "tools/datagen/Image.h"

#include <string>
#include <vector>

namespace NDatagen
{
CImage MakeFontSheet();

class CFontMetrics
{
  public:
    explicit CFontMetrics(const CImage& sheet);

    int GlyphCount() const { return static_cast<int>(m_glyphs.size()); }
    float Width(const std::string& text, float size) const;
    // The number of lines the game's word wrap makes of text.
    int Lines(const std::string& text, float size, float limit) const;

  private:
    struct SSpan
    {
        float left, right; // texture s
    };
    std::vector<SSpan> m_glyphs;
    float m_line_height = 1; // texture t
    float m_aspect = 1;      // picture width / height
};
} // namespace NDatagen
