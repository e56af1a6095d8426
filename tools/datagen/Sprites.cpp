// Sprite sheets of the game and of the menus.
#include "catalogue/Texts.h"
#include "tools/datagen/Creatures.h"
#include "tools/datagen/Flowers.h"
#include "tools/datagen/Generate.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Painter.h"
#include "tools/datagen/Sheet.h"
#include "tools/datagen/Text.h"

#include <cmath>

namespace NDatagen
{
namespace
{
constexpr int kSkinFrames = 16;
constexpr int kSkinCell = 64;
constexpr int kHoleRow = 7;

// How open the flower is in each frame of the cell sheet. A recolouring runs
// backwards from frame 0 round to frame 7 (closing in the old colour), then
// forwards from 7 to 15 (opening in the new one); a cell appearing runs from
// frame 8 down to 0. So frames 0 and 15 are open and 7/8 are the bud.
float Openness(int frame)
{
    return std::fabs(frame - 7.5f) / 7.5f;
}

// A tiny board for the tutorial's animation: the left territory grows.
CImage MiniBoard(int step, int w, int h)
{
    CImage img(w, h);
    Panel(img, 1, 1, w - 1.0f, h - 1.0f, 10, Rgb(120, 178, 96), Rgb(76, 136, 64), Rgb(40, 80, 36), 2);
    const int cols = 7, rows = 5;
    const float cell = (w - 16.0f) / cols, pitch = cell * 0.87f;
    const float y0 = h / 2.0f - pitch * 2;
    // Colours of a fixed little board; the territory is marked by a ring.
    static const int colours[rows][cols] = {{1, 2, 0, 3, 4, 1, 5},
                                            {2, 2, 1, 0, 3, 4, 4},
                                            {0, 1, 2, 1, 5, 0, 3},
                                            {3, 1, 2, 4, 0, 3, 2},
                                            {4, 0, 1, 5, 2, 4, 1}};
    // Cells owned after each move, as a flood from the left middle cell.
    static const int reach[4] = {1, 3, 4, 6};
    static const int picks[4] = {0, 1, 2, 1};
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
        {
            const float x = 8 + cell / 2 + c * cell + (r % 2) * cell / 2 - (r == 2 ? 0 : 0);
            const float y = y0 + r * pitch;
            const bool owned = c < reach[step] - std::abs(r - 2) / 2 && std::abs(r - 2) <= reach[step] - 1;
            const int colour = owned ? picks[step] : colours[r][c];
            CImage flower = RenderFlower(colour, 1.0f, static_cast<int>(cell) + 2);
            img.Paste(flower, static_cast<int>(x - cell / 2 - 1), static_cast<int>(y - cell / 2 - 1));
            if (owned)
                Stroke(
                    img, {0, 0, static_cast<float>(w), static_cast<float>(h)},
                    [=](float px, float py) { return SdCircle(px, py, x, y, cell * 0.47f); }, 1.5f,
                    WithAlpha(Rgb(255, 255, 255), 0.9f));
        }
    return img;
}

// A pie that fills up to and past half: the share of the board to win.
CImage HalfPie(int frame, int frames, int w, int h)
{
    CImage img(w, h);
    const float cx = w / 2.0f, cy = h / 2.0f - 6, r = h * 0.36f;
    const float share = 0.65f * (frame + 1) / frames;
    const SBox all{0, 0, static_cast<float>(w), static_cast<float>(h)};
    auto disc = [=](float x, float y) { return SdCircle(x, y, cx, cy, r); };
    Shadow(
        img, all, [=](float x, float y) { return disc(x - 2, y - 2); }, 3, WithAlpha(Rgb(0, 0, 0), 0.3f));
    Fill(img, all, disc, Rgb(236, 120, 120));
    Fill(
        img, all,
        [=](float x, float y)
        {
            const float a = std::atan2(x - cx, -(y - cy)); // 0 at the top, clockwise
            const float turn = (a < 0 ? a + 6.2831853f : a) / 6.2831853f;
            return turn <= share ? disc(x, y) : 1.0f;
        },
        Rgb(110, 170, 240));
    Fill(
        img, all,
        [=](float x, float y) {
            return SdSegment(x, y, {cx, cy - r - 4}, {cx, cy + r + 4}, 1.2f);
        },
        Rgb(40, 40, 40));
    Stroke(img, all, disc, 1.5f, Rgb(50, 50, 60));
    STextStyle style;
    style.size = 14;
    style.align = EAlign::Centre;
    style.colour = share >= 0.5f ? Rgb(255, 255, 160) : Rgb(255, 255, 255);
    style.outline = 1.5f;
    DrawText(img, NTexts::Text(share >= 0.5f ? NTexts::EText::kPieWin : NTexts::EText::kPieHalf), cx,
             h - 3.0f, style);
    return img;
}
} // namespace

void WriteGameSprites(COutput& out)
{
    std::vector<std::vector<CImage>> skin(8);
    for (int row = 0; row < 8; ++row)
        for (int f = 0; f < kSkinFrames; ++f)
        {
            if (row < kFlowerColours)
                skin[row].push_back(RenderFlower(row, Openness(f), kSkinCell));
            else if (row == kHoleRow)
                skin[row].push_back(RenderHole(std::max(0.1f, std::fabs(f - 8.0f) / 8.0f), kSkinCell));
            else
                skin[row].push_back(RenderFlower(5, Openness(f), kSkinCell)); // unused row, kept harmless
        }
    WriteSprite(out, "dat/skin01.spr", skin, true);

    std::vector<std::vector<CImage>> coins(kCoinKinds);
    for (int k = 0; k < kCoinKinds; ++k)
        for (int f = 0; f < 8; ++f)
            coins[k].push_back(
                RenderCoin(k, f / 16.0f, 64)); // half a turn: the coin looks the same both ways
    WriteSprite(out, "dat/bonus.spr", coins, true);

    std::vector<std::vector<CImage>> insects(1);
    for (int f = 0; f < 8; ++f)
        insects[0].push_back(RenderInsect(f / 8.0f, 48));
    WriteSprite(out, "dat/insects.spr", insects);

    std::vector<std::vector<CImage>> marker(1);
    for (int f = 0; f < 8; ++f)
        marker[0].push_back(RenderMarker(f / 8.0f, 64));
    WriteSprite(out, "dat/marker.spr", marker, true);

    std::vector<std::vector<CImage>> particles(1);
    for (int f = 0; f < 4; ++f)
        particles[0].push_back(RenderSparkle(f / 4.0f, 32));
    WriteSprite(out, "dat/particles.spr", particles);

    // The tutorial's first hint draws these two without the flip; the help
    // pages flip every picture, so they get their own copy of the board.
    std::vector<std::vector<CImage>> gameplay(1);
    for (int f = 0; f < 4; ++f)
        gameplay[0].push_back(MiniBoard(f, 160, 120));
    WriteSprite(out, "dat/hints/gameplay.spr", gameplay, false, false);
    WriteSprite(out, "mui/help/gameplay.spr", gameplay);
    std::vector<std::vector<CImage>> half(1);
    for (int f = 0; f < 6; ++f)
        half[0].push_back(HalfPie(f, 6, 128, 96));
    WriteSprite(out, "dat/hints/half.spr", half, false, false);
    WriteSprite(out, "dat/hints/skin01.spr", {{RenderFlower(0, 1.0f, 96)}});
    std::vector<std::vector<CImage>> coinHint(1);
    for (int f = 0; f < 8; ++f)
        coinHint[0].push_back(RenderCoin(3, f / 16.0f, 64));
    WriteSprite(out, "dat/hints/bonus.spr", coinHint);
}

void WriteMenuSprites(COutput& out)
{
    std::vector<std::vector<CImage>> dragon(3);
    for (int hue = 0; hue < 3; ++hue)
        for (int f = 0; f < 16; ++f)
            dragon[hue].push_back(RenderDragon(hue, f / 16.0f, 64));
    WriteSprite(out, "mui/dragon.spr", dragon);
    WriteSprite(out, "mui/cursor.spr", {{RenderCursor(64)}});
}
} // namespace NDatagen
