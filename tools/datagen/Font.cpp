// The bitmap font picture: glyphs '!' to '~' on lines of equal height. The
// game finds each glyph as one run of inked columns, so every glyph's run is
// widened to its advance (and any gap inside it, as in '"', bridged) with ink
// of alpha 1/255 that never shows. Each line starts with a marker bar of the
// same invisible ink spanning the full line height, which fixes the line's
// extent for every glyph on it. The sheet of scale 2 has the same layout.
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

bool ColumnInked(const CImage& img, int x, int fromRow, int toRow)
{
    for (int y = fromRow; y < toRow; ++y)
        if (img.At(x, y).a > 0)
            return true;
    return false;
}
} // namespace

CImage MakeFontSheet(int scale)
{
    // The game measures the glyphs on the scale-1 sheet and draws from any
    // other with the same texture coordinates, so a larger sheet keeps the
    // scale-1 layout: its runs and lines cover the same columns and rows
    // scaled, and its larger glyphs are cut to them.
    const CImage one = scale == 1 ? CImage() : MakeFontSheet(1);
    const int s = scale;
    const CPaintScale painting(s);
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
        for (int y = (baseline - above) * s; y < (baseline + below) * s; ++y)
            for (int x = 0; x < 2 * s; ++x)
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
        const int top = (baseline - above) * s, bottom = (baseline + below) * s;
        const int left = (origin + inkLeft) * s, right = (origin + inkRight + 1) * s;
        // Whether a column belongs to the glyph's run: at scale 1 every column
        // after the first, elsewhere those whose scale-1 column is inked.
        auto inRun = [&](int x) {
            return s == 1 ? x > origin + inkLeft
                          : ColumnInked(one, x / s, baseline - above, baseline + below);
        };
        const SGlyph ink = s == 1 ? g : RenderGlyph(c, kGlyphSize * s);
        for (int y = 0; y < ink.height; ++y)
            for (int x = 0; x < ink.width; ++x)
            {
                const uint8_t cov = ink.coverage[static_cast<size_t>(y) * ink.width + x];
                const int px = origin * s + ink.left + x, py = baseline * s - ink.top + y;
                if (cov && py >= top && py < bottom && px >= left && px < right && (s == 1 || inRun(px)))
                    img.At(px, py) = SColour{1, 1, 1, cov / 255.0f};
            }
        // One connected run from the left to the right edge of the glyph box.
        for (int x = left; x < right; ++x)
            if (inRun(x) && !ColumnInked(img, x, top, bottom))
                Hidden(img, x, baseline * s);
        pen = origin + inkRight + 1 + kGap;
    }
    return img;
}

NText::CFontMetrics FontSheetMetrics(int scale)
{
    const CImage sheet = MakeFontSheet(scale);
    const std::vector<uint8_t> file = EncodeTga(sheet, true);
    // Past the header, each pixel is blue, green, red and alpha.
    constexpr std::size_t kHeader = 18;
    NText::CFontMetrics metrics;
    metrics.Analyse(file.data() + kHeader + 3, static_cast<std::uint32_t>(sheet.PixelWidth()),
                    static_cast<std::uint32_t>(sheet.PixelHeight()), 4);
    return metrics;
}

void WriteFont(COutput& out)
{
    out.WriteTga("mui/font.tga", MakeFontSheet(PaintScale()), true);
}
} // namespace NDatagen
