// Lays sprite cells and control looks out in the bands the loaders expect.
#include "tools/datagen/Sheet.h"

#include "tools/datagen/Config.h"
#include "tools/datagen/Output.h"

namespace NDatagen
{
CImage ComposeSheet(const std::vector<std::vector<CImage>>& cells)
{
    const int groups = static_cast<int>(cells.size());
    const int frames = static_cast<int>(cells[0].size());
    const int cw = cells[0][0].Width(), ch = cells[0][0].Height();
    CImage sheet(cw * frames, ch * groups);
    for (int g = 0; g < groups; ++g)
        for (int f = 0; f < frames; ++f)
            sheet.Copy(cells[g][f], f * cw, (groups - 1 - g) * ch);
    return sheet;
}

void WriteSprite(COutput& out, const std::string& sprName, const std::vector<std::vector<CImage>>& cells,
                 bool mipmaps, bool drawnFlipped)
{
    const std::string picture = sprName.substr(0, sprName.size() - 4) + ".tga";
    if (drawnFlipped)
        out.WriteTga(picture, ComposeSheet(cells), true);
    else
    {
        // Drawn without the flip, each cell shows upside down unless it is
        // stored mirrored.
        std::vector<std::vector<CImage>> mirrored = cells;
        for (auto& group : mirrored)
            for (CImage& cell : group)
                cell = MirroredVertically(cell);
        out.WriteTga(picture, ComposeSheet(mirrored), true);
    }
    out.WriteText(sprName, SpriteFile(picture, static_cast<int>(cells.size()),
                                      static_cast<int>(cells[0].size()), mipmaps));
}

CImage MirroredVertically(const CImage& img)
{
    CImage result(img.Width(), img.Height());
    for (int y = 0; y < img.PixelHeight(); ++y)
        for (int x = 0; x < img.PixelWidth(); ++x)
            result.At(x, img.PixelHeight() - 1 - y) = img.At(x, y);
    return result;
}

CImage StackBands(const std::vector<CImage>& looks)
{
    const int n = static_cast<int>(looks.size());
    const int w = looks[0].Width(), h = looks[0].Height();
    CImage out(w, h * n);
    for (int i = 0; i < n; ++i)
        out.Copy(looks[i], 0, (n - 1 - i) * h);
    return out;
}
} // namespace NDatagen
