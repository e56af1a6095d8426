// Drawing the board from the rules' state: every cell and insect shows its
// clock's frame of the game screen's sheets.
#include "play/BoardPainter.h"

#include "catalogue/Places.h"
#include "media/ResourceGroup.h"
#include "media/Texture.h"
#include "platform/Gl.h"

#include <algorithm>
#include <cmath>

namespace NGame
{
namespace
{
constexpr int kHoleGroup = 7;

// A copy of `sheet` showing the clock's cell at the clock's size and place.
CSprite Posed(const CSprite& sheet, const CSpriteClock& clock)
{
    CSprite sprite(sheet);
    sprite.SetGroup(clock.GetGroup());
    sprite.SetFrame(clock.GetFrame());
    sprite.SetCellSize(clock.GetCellWidth(), clock.GetCellHeight());
    sprite.SetPosition(clock.GetX(), clock.GetY(), clock.GetZ());
    sprite.SetVisible(clock.IsVisible());
    sprite.SetBlend(clock.IsBlended());
    sprite.SetFlip(clock.IsFlipped());
    return sprite;
}
} // namespace

CBoardPainter::CBoardPainter(const CSprite* cells, const CSprite* coins, const CSprite* insects,
                             const CTexture* background)
    : m_cells(cells ? *cells : CSprite(8, 16, 50, nullptr)), m_insects(insects ? *insects : CSprite()),
      m_has_cells(cells != nullptr), m_has_insects(insects != nullptr), m_background(background)
{
    if (coins)
        m_coins.emplace(*coins);
}

unsigned CBoardPainter::BackgroundName() const
{
    if (!m_background)
        return 0;
    // Decoded when a board is first drawn over it.
    if (CResourceGroup* group = FindGroup("game"))
        group->Require(m_background);
    return m_background->GetName();
}

void CBoardPainter::BackgroundCorner(float s, float t, float x, float y) const
{
    CTexture::TexCoord(m_background, s, t);
    NGl::Vertex(x, y);
}

void CBoardPainter::DrawBackground() const
{
    if (NGl::IsHeadless())
        return;
    NGl::BindTexture(BackgroundName());
    NGl::Enable(GL_TEXTURE_2D);
    // Pictures are stored bottom row first: t = 1 is the picture's top edge.
    NGl::Begin(GL_QUADS);
    BackgroundCorner(0.0f, 1.0f, NPlaces::kBackdropLeft, NPlaces::kBackdropTop);
    BackgroundCorner(1.0f, 1.0f, NPlaces::kBackdropRight, NPlaces::kBackdropTop);
    BackgroundCorner(1.0f, 0.0f, NPlaces::kBackdropRight, NPlaces::kBackdropBottom);
    BackgroundCorner(0.0f, 0.0f, NPlaces::kBackdropLeft, NPlaces::kBackdropBottom);
    NGl::End();
}

void CBoardPainter::DrawPreview(const CField& field) const
{
    if (NGl::IsHeadless())
        return;
    NGl::BindTexture(BackgroundName());
    NGl::Enable(GL_TEXTURE_2D);
    // The screen's part of the backdrop (t = 1 at the picture's top).
    using namespace NPlaces;
    constexpr float kLeft = -kBackdropLeft / kBackdropSide, kRight = (800 - kBackdropLeft) / kBackdropSide;
    constexpr float kTop = 1 + kBackdropTop / kBackdropSide,
                    kBottom = 1 - (600 - kBackdropTop) / kBackdropSide;
    NGl::Begin(GL_QUADS);
    BackgroundCorner(kLeft, kTop, 0.0f, 0.0f);
    BackgroundCorner(kRight, kTop, 800.0f, 0.0f);
    BackgroundCorner(kRight, kBottom, 800.0f, 600.0f);
    BackgroundCorner(kLeft, kBottom, 0.0f, 600.0f);
    NGl::End();
    // One draw call per cell would make the renderer keep a copy of the
    // drawing state for each of them until the frame is done: megabytes.
    NGl::CQuadBatchScope batch;
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            if (const CCell* cell = field.GetCell(r, c))
                DrawPlain(*cell);
}

void CBoardPainter::Draw(const CField& field) const
{
    DrawFlowers(field);
    DrawOverlay(field);
}

void CBoardPainter::DrawFlowers(const CField& field) const
{
    const float everywhere[4] = {-1e9f, -1e9f, 1e9f, 1e9f};
    DrawFlowers(field, everywhere);
}

void CBoardPainter::DrawFlowers(const CField& field, const float area[4]) const
{
    if (NGl::IsHeadless())
        return;
    const auto reaches = [area](const CCell& cell)
    {
        const float reach = std::fabs(cell.GetSize() * cell.GetSizeFactor()) * 0.7072f + 2.0f;
        return cell.GetX() + reach >= area[0] && cell.GetX() - reach <= area[2] &&
               cell.GetY() + reach >= area[1] && cell.GetY() - reach <= area[3];
    };
    // Over a thousand small sprites: submitted in batches, one call per sheet.
    NGl::CQuadBatchScope batch;
    const SCellPos hovered = field.GetHovered();
    const CCell* magnified = field.GetCell(hovered.m_row, hovered.m_column);
    // Spinning cells are drawn last so that they lie on top of their neighbours.
    for (int pass = 0; pass < 2; ++pass)
        for (int r = 0; r < field.GetRows(); ++r)
            for (int c = 0; c < field.RowLength(r); ++c)
            {
                const CCell* cell = field.GetCell(r, c);
                if (cell && cell != magnified && cell->IsHover() == (pass == 1) && reaches(*cell))
                    Draw(*cell);
            }
}

void CBoardPainter::DrawOverlay(const CField& field) const
{
    if (NGl::IsHeadless())
        return;
    NGl::CQuadBatchScope batch;
    const SCellPos hovered = field.GetHovered();
    const CCell* magnified = field.GetCell(hovered.m_row, hovered.m_column);
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            if (const CCell* cell = field.GetCell(r, c); cell && cell != magnified)
                DrawCoins(*cell);
    if (magnified)
    {
        Draw(*magnified);
        DrawCoins(*magnified);
    }
    for (const auto& insect : field.GetInsects())
        Draw(*insect);
}

void CBoardPainter::DrawCell(const CField& field, int row, int column) const
{
    const CCell* cell = field.GetCell(row, column);
    if (!cell || cell->IsHole())
        return;
    Draw(*cell);
    DrawCoins(*cell);
}

void CBoardPainter::DrawCellShadow(const CField& field, int row, int column) const
{
    const CCell* cell = field.GetCell(row, column);
    if (!cell || cell->IsHole())
        return;
    DrawTinted(*cell, 0.0f, 0.0f, 0.0f, 2.0f);
    DrawCoins(*cell);
}

void CBoardPainter::DrawAt(const CCell& cell, float size, bool additive) const
{
    CSprite sprite = Posed(m_cells, cell.GetClock());
    sprite.SetCellSize(size, size);
    if (cell.IsHole())
        sprite.SetGroup(kHoleGroup);
    if (additive)
    {
        // The sprite would set the usual blending of its own.
        sprite.SetBlend(false);
        NGl::Enable(GL_BLEND);
        NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE);
        NGl::Disable(GL_ALPHA_TEST);
    }
    NGl::PushMatrix();
    NGl::Translate(cell.GetX(), cell.GetY(), 0.0f);
    NGl::Rotate(cell.GetAngle(), 0.0f, 0.0f, 1.0f);
    sprite.SetPosition(0.0f, 0.0f, 0.0f);
    sprite.Draw(true);
    NGl::PopMatrix();
    if (additive)
        NGl::Disable(GL_BLEND);
}

void CBoardPainter::Draw(const CCell& cell) const
{
    if (NGl::IsHeadless())
        return;
    NGl::Color(1.0f, 1.0f, 1.0f, cell.GetAlpha());
    DrawAt(cell, cell.GetSize() * cell.GetSizeFactor());
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
}

void CBoardPainter::DrawPlain(const CCell& cell) const
{
    if (NGl::IsHeadless())
        return;
    CSprite sprite = Posed(m_cells, cell.GetClock());
    sprite.SetFrame(0);
    if (cell.IsHole())
        sprite.SetGroup(kHoleGroup);
    sprite.SetPosition(0.0f, 0.0f, 0.0f);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::PushMatrix();
    NGl::Translate(cell.GetX(), cell.GetY(), 0.0f);
    NGl::Rotate(cell.GetAngle(), 0.0f, 0.0f, 1.0f);
    sprite.Draw(true);
    NGl::PopMatrix();
}

void CBoardPainter::DrawTinted(const CCell& cell, float r, float g, float b, float grow) const
{
    if (NGl::IsHeadless())
        return;
    NGl::Color(r, g, b, cell.GetAlpha());
    DrawAt(cell, cell.GetSize() * cell.GetSizeFactor() + grow);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
}

void CBoardPainter::DrawGlow(const CCell& cell, float strength) const
{
    if (NGl::IsHeadless() || cell.IsHole() || strength <= 0.0f)
        return;
    // Soft: even at its strongest the flower keeps its colours.
    NGl::Color(1.0f, 1.0f, 0.9f, 0.6f * strength * cell.GetAlpha());
    DrawAt(cell, cell.GetSize() * cell.GetSizeFactor() * 1.15f, true);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
}

void CBoardPainter::DrawFlower(int colour, float x, float y, float size) const
{
    if (NGl::IsHeadless() || colour < 0)
        return;
    CSprite sprite(m_cells);
    sprite.SetGroup(colour);
    sprite.SetFrame(0);
    sprite.SetCellSize(size, size);
    sprite.SetPosition(x, y, 0.0f);
    sprite.SetVisible(true);
    sprite.SetBlend(true);
    // The sheet holds its pictures upside down, as the cells draw them.
    sprite.SetFlip(true);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    sprite.Draw(true);
}

void CBoardPainter::DrawCoins(const CCell& cell) const
{
    if (NGl::IsHeadless() || cell.IsHole() || !m_coins)
        return;
    NGl::Color(1.0f, 1.0f, 1.0f, cell.GetAlpha());
    if (const CSpriteClock* coin = cell.GetCoinClock())
        Posed(*m_coins, *coin).Draw(true);
    if (const CSpriteClock* removed = cell.GetRemovedCoinClock())
        Posed(*m_coins, *removed).Draw(true);
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
}

void CBoardPainter::Draw(const CInsect& insect) const
{
    if (NGl::IsHeadless())
        return;
    CSprite sprite = Posed(m_insects, insect.m_clock);
    sprite.SetPosition(0.0f, 0.0f, 0.0f);
    NGl::PushMatrix();
    NGl::Translate(insect.m_x, insect.m_y, 0.0f);
    NGl::Rotate(insect.m_heading, 0.0f, 0.0f, 1.0f);
    sprite.Draw(true);
    NGl::PopMatrix();
}

void CBoardPainter::AppendFlowersLook(const CField& field, std::vector<double>& look,
                                      const std::vector<unsigned>* over) const
{
    const SCellPos hovered = field.GetHovered();
    look.push_back(BackgroundName());
    look.push_back(field.GetRows());
    look.push_back(hovered.m_row);
    look.push_back(hovered.m_column);
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
        {
            const std::size_t slot = static_cast<std::size_t>(r * field.GetColumns() + c);
            if (const CCell* cell = field.GetCell(r, c))
                AppendLook(*cell, look, over && slot < over->size() ? (*over)[slot] : 0.0);
            else
                AppendNoLook(look);
        }
}

void CBoardPainter::AppendLook(const CCell& cell, std::vector<double>& look, double over) const
{
    const CSpriteClock& clock = cell.GetClock();
    const double values[kLookSize] = {
        1.0, cell.GetX(), cell.GetY(), cell.GetSize() * cell.GetSizeFactor(), cell.GetAngle(),
        cell.GetAlpha(), cell.IsHole() ? 1.0 : 0.0, cell.IsHover() ? 1.0 : 0.0,
        // Which sheet the cell is drawn from: the flowers or the stand-in.
        m_has_cells ? 1.0 : 2.0, static_cast<double>(clock.GetGroup()), static_cast<double>(clock.GetFrame()),
        static_cast<double>(clock.GetGroupCount()), static_cast<double>(clock.GetFrameCount()),
        clock.IsFlipped() ? 1.0 : 0.0, clock.IsVisible() ? 1.0 : 0.0, clock.IsBlended() ? 1.0 : 0.0, over};
    look.insert(look.end(), std::begin(values), std::end(values));
}

void CBoardPainter::AppendNoLook(std::vector<double>& look)
{
    look.insert(look.end(), kLookSize, 0.0);
}

void CBoardPainter::ExtendByLook(const double* record, float area[4])
{
    if (record[0] == 0.0)
        return;
    // A square quad of the recorded size, turned by any angle, plus a pixel
    // or two of filtering and edge rounding.
    const double reach = std::fabs(record[3]) * 0.7072 + 2.0;
    area[0] = static_cast<float>(std::min<double>(area[0], record[1] - reach));
    area[1] = static_cast<float>(std::min<double>(area[1], record[2] - reach));
    area[2] = static_cast<float>(std::max<double>(area[2], record[1] + reach));
    area[3] = static_cast<float>(std::max<double>(area[3], record[2] + reach));
}

bool CBoardPainter::ChangedFlowersArea(const double* before, const double* after, std::size_t size,
                                       float area[4], std::vector<NInterface::SArea>* parts)
{
    constexpr std::size_t kHeader = 4;
    area[0] = area[1] = 1e9f;
    area[2] = area[3] = -1e9f;
    if (size < kHeader || (size - kHeader) % kLookSize != 0 || !std::equal(before, before + kHeader, after))
        return false;
    for (std::size_t i = kHeader; i < size; i += kLookSize)
        if (!std::equal(before + i, before + i + kLookSize, after + i))
        {
            ExtendByLook(before + i, area);
            ExtendByLook(after + i, area);
            float own[4] = {1e9f, 1e9f, -1e9f, -1e9f};
            ExtendByLook(before + i, own);
            ExtendByLook(after + i, own);
            if (parts && own[0] <= own[2])
                parts->push_back({own[0], own[1], own[2], own[3]});
        }
    return true;
}
} // namespace NGame
