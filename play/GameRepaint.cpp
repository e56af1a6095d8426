// While the player thinks, little of the game's picture moves: the spinning
// home, the coins, landed insects, the marker and the cursor. When the last
// frame's whole picture is still in the back buffer, the frame is drawn as
// usual under a clip around what moved, so that a software renderer fills a
// part of the window instead of all of it. Anything it cannot account for
// (bonus effects, hints, messages, input) draws the frame whole.
#include "play/Game.h"

#include "app/Application.h"
#include "media/Sprite.h"
#include "platform/Gl.h"
#include "rules/Cell.h"
#include "screens/MenuCursor.h"
#include "screens/MenuRepaint.h"

#include <algorithm>
#include <cmath>

namespace NGame
{
namespace
{
constexpr float kWidth = 800.0f;
constexpr float kHeight = 600.0f;

void Extend(float area[4], const NInterface::SArea& part)
{
    area[0] = std::min(area[0], part.m_x0);
    area[1] = std::min(area[1], part.m_y0);
    area[2] = std::max(area[2], part.m_x1);
    area[3] = std::max(area[3], part.m_y1);
}

NInterface::SArea Around(float x, float y, float half)
{
    return {x - half, y - half, x + half, y + half};
}
} // namespace

void CGame::AppendMovingAreas(std::vector<NInterface::SArea>& areas) const
{
    const CField& field = *m_field;
    // Sprites may be drawn a little larger than their cell; a generous margin
    // costs a few pixels.
    const float cell = field.GetCellWidth();
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            if (const CCell* flower = field.GetCell(r, c))
                if (flower->GetCoin() >= 0 || flower->HasRemovedCoin())
                    areas.push_back(
                        Around(flower->GetX(), flower->GetY(), std::max(flower->GetSize(), cell)));
    const SCellPos hovered = field.GetHovered();
    if (const CCell* magnified = field.GetCell(hovered.m_row, hovered.m_column))
        areas.push_back(
            Around(magnified->GetX(), magnified->GetY(), 2.0f * std::max(magnified->GetSize(), cell)));
    if (const CSprite* sprite = field.GetInsectSprite())
        for (const auto& insect : field.GetInsects())
            areas.push_back(NInterface::CMenuRepaint::Turned(
                insect->m_x, insect->m_y, sprite->GetCellWidth() + 4.0f, sprite->GetCellHeight() + 4.0f));
    // The marker over the flower under the pointer.
    if (m_previewCell >= 0)
    {
        float x = 0.0f;
        float y = 0.0f;
        field.CellPosition(m_previewCell / 1000, m_previewCell % 1000, x, y);
        areas.push_back(Around(x, y, 2.0f * cell));
    }
    if (NInterface::SArea cursor; NInterface::GetCursorArea(cursor))
        areas.push_back(cursor);
}

void CGame::AppendOverLook(std::vector<double>& look)
{
    // The flower under the pointer, as DrawPreview finds it.
    m_previewCell = -1;
    const CApplication* app = CApplication::Get();
    if (app && GetPlayer(0) && m_field->IsIdle() && m_currentPlayer == 0)
    {
        int x = 0;
        int y = 0;
        app->GetCursorClientPos(x, y);
        const SCellPos at = m_field->CellAt(static_cast<float>(x), static_cast<float>(y));
        if (m_field->IsValidCell(at.m_row, at.m_column))
            m_previewCell = at.m_row * 1000 + at.m_column;
    }
    look.insert(look.end(), {static_cast<double>(m_previewCell), static_cast<double>(m_currentPlayer),
                             m_field->IsIdle() ? 1.0 : 0.0, static_cast<double>(TooltipBonus())});
    for (const auto& button : m_bonusButtons)
        look.insert(look.end(),
                    {button->Control()->IsDisabled() ? 1.0 : 0.0, button->IsMouseOver() ? 1.0 : 0.0});
    look.push_back(m_mainMenuButton->IsMouseOver() ? 1.0 : 0.0);
    // What the clip cannot follow: each of these draws the frame whole, also
    // in the frame after it went away.
    look.insert(look.end(), {static_cast<double>(m_hints.size()), static_cast<double>(m_effects.size()),
                             m_gameOver ? 1.0 : 0.0, m_field->IsLevelFinished() ? 1.0 : 0.0});
}

bool CGame::BeginRepaint()
{
    std::vector<double> still;
    AppendStatusLook(still);
    const std::size_t statusSize = still.size();
    m_field->AppendFlowersLook(still);
    std::vector<double> over;
    AppendOverLook(over);
    std::vector<NInterface::SArea> moving;
    AppendMovingAreas(moving);

    const CApplication* app = CApplication::Get();
    const std::vector<double>* kept = m_stillLayer.KeptLook();
    float area[4];
    bool partial = app && app->LastFrameKept(this) && m_repaintValid && m_effects.empty() &&
                   m_hints.empty() && !m_gameOver && !m_field->IsLevelFinished() && over == m_repaintOver &&
                   kept && *kept == m_repaintStill && kept->size() == still.size() &&
                   std::equal(still.begin(), still.begin() + statusSize, kept->begin()) &&
                   CField::ChangedFlowersArea(kept->data() + statusSize, still.data() + statusSize,
                                              still.size() - statusSize, area);
    m_repaintValid = true;
    m_repaintStill = std::move(still);
    m_repaintOver = std::move(over);
    const std::vector<NInterface::SArea> before = std::move(m_repaintMoving);
    m_repaintMoving = moving;
    if (!partial)
        return false;
    for (const NInterface::SArea& part : before)
        Extend(area, part);
    for (const NInterface::SArea& part : moving)
        Extend(area, part);
    area[0] = std::max(area[0], 0.0f);
    area[1] = std::max(area[1], 0.0f);
    area[2] = std::min(area[2], kWidth);
    area[3] = std::min(area[3], kHeight);
    if (area[2] <= area[0] || area[3] <= area[1])
    {
        NGl::SetFrameClip(0, 0, 0, 0); // nothing moved
        return true;
    }
    // Past half the window the clip saves little.
    if ((area[2] - area[0]) * (area[3] - area[1]) > kWidth * kHeight / 2)
        return false;
    GLint viewport[4];
    NGl::GetWindowViewport(viewport);
    const double sx = viewport[2] / kWidth;
    const double sy = viewport[3] / kHeight;
    // Rounded outwards, with pixels to spare for filtering.
    const GLint left = static_cast<GLint>(std::floor(area[0] * sx)) - 2;
    const GLint right = static_cast<GLint>(std::ceil(area[2] * sx)) + 2;
    const GLint bottom = static_cast<GLint>(std::floor(viewport[3] - area[3] * sy)) - 2;
    const GLint top = static_cast<GLint>(std::ceil(viewport[3] - area[1] * sy)) + 2;
    NGl::SetFrameClip(viewport[0] + left, viewport[1] + bottom, right - left, top - bottom);
    return true;
}
} // namespace NGame
