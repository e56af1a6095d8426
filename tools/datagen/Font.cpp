// The bitmap font picture: glyphs '!' to '~' on lines of equal height. The
// game finds each glyph as one run of inked columns, so every glyph's run is
// widened to its advance (and any gap inside it, as in '"', bridged) with ink
// of alpha 1/255 that never shows. Each line starts with a marker bar of the
// same invisible ink spanning the full line height, which fixes the line's
// extent for every glyph on it.
#include "tools/datagen/Font.h"
#include "tools/datagen/Generate.h"
#include "tools/datagen/Image.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace NDatagen
{
namespace
{
constexpr int kSheetW = 1024;
constexpr int kSheetH = 256;
constexpr float kGlyphSize = 48;
constexpr int kGap = 4;     // transparent columns between runs
constexpr int kLineGap = 3; // transparent rows between lines
constexpr float kHidden = 1.0f / 255.0f;

void Hidden(CImage& img, int x, int y)
{
    if (img.At(x, y).a == 0)
        img.At(x, y) = SColour{1, 1, 1, kHidden};
}
} // namespace

CImage MakeFontSheet()
{
    CImage img(kSheetW, kSheetH);
    int above = 0, below = 0;
    for (char c = '!'; c <= '~'; ++c)
    {
        const SGlyph g = RenderGlyph(c, kGlyphSize);
        above = std::max(above, g.top);
        below = std::max(below, g.height - g.top);
    }
    const int lineH = above + below;
    int baseline = 1 + above; // row 0 stays clear: the analysis stops at row 0
    int pen = 0;
    auto startLine = [&]()
    {
        for (int y = baseline - above; y < baseline + below; ++y)
            for (int x = 0; x < 2; ++x)
                Hidden(img, x, y);
        pen = 2 + kGap;
    };
    startLine();
    for (char c = '!'; c <= '~'; ++c)
    {
        const SGlyph g = RenderGlyph(c, kGlyphSize);
        const int advance = static_cast<int>(std::lround(g.advance));
        const int inkLeft = std::min(0, g.left);
        const int inkRight = std::max(advance - 2, g.left + g.width - 1);
        if (pen + inkRight - inkLeft + 2 >= kSheetW)
        {
            baseline += lineH + kLineGap;
            startLine();
        }
        const int origin = pen - inkLeft;
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
            {
                const uint8_t cov = g.coverage[static_cast<size_t>(y) * g.width + x];
                if (cov)
                    img.At(origin + g.left + x, baseline - g.top + y) = SColour{1, 1, 1, cov / 255.0f};
            }
        // One connected run from the left to the right edge of the glyph box.
        for (int x = origin + inkLeft + 1; x <= origin + inkRight; ++x)
        {
            bool inked = false;
            for (int y = baseline - above; y < baseline + below && !inked; ++y)
                inked = img.At(x, y).a > 0;
            if (!inked)
                Hidden(img, x, baseline);
        }
        pen = origin + inkRight + 1 + kGap;
    }
    return img;
}

NText::CFontMetrics FontSheetMetrics()
{
    const CImage sheet = MakeFontSheet();
    const std::vector<uint8_t> file = EncodeTga(sheet, true);
    // Past the header, each pixel is blue, green, red and alpha.
    constexpr std::size_t kHeader = 18;
    NText::CFontMetrics metrics;
    metrics.Analyse(file.data() + kHeader + 3, static_cast<std::uint32_t>(sheet.Width()),
                    static_cast<std::uint32_t>(sheet.Height()), 4);
    return metrics;
}

void WriteFont(COutput& out)
{
    out.WriteTga("mui/font.tga", MakeFontSheet(), true);
}
} // namespace NDatagen
