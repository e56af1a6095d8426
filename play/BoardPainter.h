// The board's pictures: the game screen's sheets drawn as the rules' clocks
// say (flowers, coins, insects, the magnified flower, the level preview), and
// the look that lets a frame redraw only the flowers that changed.
#pragma once

#include "framework/MenuRepaint.h"
#include "media/Sprite.h"
#include "rules/Cell.h"
#include "rules/Field.h"
#include "rules/Insect.h"

#include <cstddef>
#include <optional>
#include <vector>

class CTexture;

namespace NGame
{
class CBoardPainter
{
  public:
    // The sheets are copied and share their owner's textures, which must
    // outlive the painter, as must the background. A missing flower
    // or insect sheet draws through a stand-in without a picture, missing
    // coins not at all.
    CBoardPainter(const CSprite* cells, const CSprite* coins, const CSprite* insects,
                  const CTexture* background);
    CBoardPainter() : CBoardPainter(nullptr, nullptr, nullptr, nullptr) {}
    CBoardPainter(const CBoardPainter&) = delete;
    CBoardPainter& operator=(const CBoardPainter&) = delete;

    // The insects' sheet, null for the stand-in.
    const CSprite* GetInsectSheet() const { return m_has_insects ? &m_insects : nullptr; }

    void DrawBackground() const;
    void DrawPreview(const CField& field) const;
    // Draw is DrawFlowers and then DrawOverlay: the flowers change only with
    // the play, coins, the magnified flower and insects on top of them move
    // every frame.
    void Draw(const CField& field) const;
    void DrawFlowers(const CField& field) const;
    // Only the flowers that reach into the area (x0, y0, x1, y1): the rest of
    // the picture is clipped away anyway.
    void DrawFlowers(const CField& field, const float area[4]) const;
    void DrawOverlay(const CField& field) const;
    // One flower with its coins, and the dark rim under it; holes draw nothing.
    void DrawCell(const CField& field, int row, int column) const;
    void DrawCellShadow(const CField& field, int row, int column) const;

    void Draw(const CCell& cell) const;
    // At full opacity with frame 0 and no coin (level previews).
    void DrawPlain(const CCell& cell) const;
    void DrawCoins(const CCell& cell) const;
    // The cell in `colour`'s tint, `grow` units larger than its size.
    void DrawTinted(const CCell& cell, float r, float g, float b, float grow) const;
    void Draw(const CInsect& insect) const;
    // The flower lit up by adding its own picture, a little larger, at
    // `strength` (0 to 1) over what is drawn.
    void DrawGlow(const CCell& cell, float strength) const;
    // A flower of `colour` as it stands still, `size` units wide around (x, y).
    void DrawFlower(int colour, float x, float y, float size) const;

    // AppendFlowersLook lists what DrawFlowers' picture depends on: a header,
    // then per grid slot kLookSize values (AppendLook for a cell, AppendNoLook
    // for an empty slot); `over`, when given, holds one value per slot for
    // what the layer draws over that flower alone (the zones' outline). ChangedFlowersArea compares two such
    // lists of one board: false when more than single cells differ, else the rectangle (x0, y0, x1, y1)
    // holding every changed cell before and after (empty, x0 > x1, if none), and in `parts` each changed
    // cell's own. ExtendByLook grows such a rectangle over the pixels one record may cover.
    static constexpr std::size_t kLookSize = 17;
    void AppendFlowersLook(const CField& field, std::vector<double>& look,
                           const std::vector<unsigned>* over = nullptr) const;
    void AppendLook(const CCell& cell, std::vector<double>& look, double over = 0.0) const;
    static void AppendNoLook(std::vector<double>& look);
    static void ExtendByLook(const double* record, float area[4]);
    static bool ChangedFlowersArea(const double* before, const double* after, std::size_t size, float area[4],
                                   std::vector<NInterface::SArea>* parts = nullptr);

  private:
    unsigned BackgroundName() const;
    // A corner of a quad of the backdrop, (s, t) in the whole picture.
    void BackgroundCorner(float s, float t, float x, float y) const;
    void DrawAt(const CCell& cell, float size, bool additive = false) const;

    CSprite m_cells;
    std::optional<CSprite> m_coins;
    CSprite m_insects;
    bool m_has_cells;
    bool m_has_insects;
    // Named when drawn: a change of the picture set gives it a new name.
    const CTexture* m_background;
};
} // namespace NGame
