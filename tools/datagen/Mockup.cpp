// A picture of a game screen as the game will compose it (background, board,
// buttons), written with the previews so that the art can be judged together.
#include "rules/BonusTable.h"
#include "tools/datagen/Board.h"
#include "tools/datagen/Flowers.h"
#include "tools/datagen/Generate.h"
#include "tools/datagen/Layout.h"
#include "tools/datagen/Masks.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Painter.h"
#include "tools/datagen/Screens.h"
#include "tools/datagen/Widgets.h"

#include <filesystem>

namespace NDatagen
{
CImage GameMockup(int level, const CImage& background)
{
    CImage screen = background.Crop(static_cast<int>(kBgOffsetX), static_cast<int>(kBgOffsetY), 800, 600);
    const std::vector<uint8_t> mask = MakeMask(ELevelSet::Classic, level % kLevelFiles);
    const CBoardGeometry g(level);
    CRandom rnd(77);
    const int size = static_cast<int>(g.CellWidth());
    for (const SBoardCell& c : BoardCells(g))
    {
        const bool hole = mask[g.MaskIndex(c.row, c.column)] == 0;
        const CImage cell = hole ? RenderHole(1.0f, size)
                                 : RenderFlower(rnd.Int(kFlowerColours), 1.0f, size, rnd.Range(0, 360));
        screen.Paste(cell, static_cast<int>(c.x - size / 2.0f), static_cast<int>(c.y - size / 2.0f));
    }
    for (const SPlace& p : BonusLayout())
        for (const NGame::SBonusInfo& bonus : NGame::kBonusTable)
            if (p.name == bonus.ButtonName())
                screen.Paste(BonusButtonLooks(bonus.m_kind, kBonusW)[0], static_cast<int>(p.x),
                             static_cast<int>(p.y));
    return screen;
}
} // namespace NDatagen
