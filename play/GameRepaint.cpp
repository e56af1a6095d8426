// While the player thinks, little of the game's picture moves: the spinning
// home, the coins, landed insects, the marker and the cursor. When the last
// frame's whole picture is still in the back buffer, the frame is drawn as
// usual under a clip around what moved, so that a software renderer fills a
// part of the window instead of all of it. Anything it cannot account for
// (bonus effects, hints, messages, input) draws the frame whole.
#include "play/Game.h"

#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "framework/MenuRepaint.h"
#include "media/Sprite.h"
#include "platform/Gl.h"
#include "play/BonusBar.h"
#include "play/Tutorial.h"
#include "rules/Cell.h"
#include "widgets/SimpleButton.h"

#include <algorithm>
#include <cmath>

namespace NGame
{
namespace
{
constexpr float kWidth = 800.0f;
constexpr float kHeight = 600.0f;

NInterface::SArea Around(float x, float y, float half)
{
    return {x - half, y - half, x + half, y + half};
}
} // namespace

void CGame::AppendMovingAreas(std::vector<NInterface::SArea>& areas) const
{
    const CField& field = *m_field;
    // A coin is drawn upright, its cell's size around its place: the quad
    // itself, with pixels to spare for filtering.
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            if (const CCell* flower = field.GetCell(r, c))
                for (const CSpriteClock* coin : {flower->GetCoinClock(), flower->GetRemovedCoinClock()})
                    if (coin)
                        areas.push_back({coin->GetX() - coin->GetCellWidth() / 2.0f - 2.0f,
                                         coin->GetY() - coin->GetCellHeight() / 2.0f - 2.0f,
                                         coin->GetX() + coin->GetCellWidth() / 2.0f + 2.0f,
                                         coin->GetY() + coin->GetCellHeight() / 2.0f + 2.0f});
    if (const CSprite* sprite = m_painter->GetInsectSheet())
        for (const auto& insect : field.GetInsects())
            areas.push_back(NInterface::CMenuRepaint::Turned(
                insect->m_x, insect->m_y, sprite->GetCellWidth() + 4.0f, sprite->GetCellHeight() + 4.0f));
}

void CGame::AppendPointerAreas(std::vector<NInterface::SArea>& areas, std::vector<double>& look) const
{
    const CField& field = *m_field;
    const float cell = field.GetCellWidth();
    const SCellPos hovered = field.GetHovered();
    look.insert(look.end(), {static_cast<double>(hovered.m_row), static_cast<double>(hovered.m_column),
                             static_cast<double>(m_preview_cell)});
    if (const CCell* magnified = field.GetCell(hovered.m_row, hovered.m_column))
    {
        areas.push_back(
            Around(magnified->GetX(), magnified->GetY(), 2.0f * std::max(magnified->GetSize(), cell)));
        m_painter->AppendLook(*magnified, look, 0.0);
    }
    // The marker over the flower under the pointer.
    if (m_preview_cell >= 0)
    {
        float x = 0.0f;
        float y = 0.0f;
        field.CellPosition(m_preview_cell / 1000, m_preview_cell % 1000, x, y);
        areas.push_back(Around(x, y, 2.0f * cell));
    }
    if (NInterface::SArea cursor; NInterface::GetCursorArea(cursor))
    {
        areas.push_back(cursor);
        const CSprite* sprite = NInterface::GetCursorSprite();
        look.insert(look.end(),
                    {cursor.m_x0, cursor.m_y0, cursor.m_x1, cursor.m_y1,
                     static_cast<double>(sprite->GetGroup()), static_cast<double>(sprite->GetFrame())});
    }
}

void CGame::AppendOverLook(std::vector<double>& look)
{
    // The flower under the pointer, as DrawPreview finds it.
    m_preview_cell = -1;
    const CApplication* app = CApplication::Get();
    if (app && GetPlayer(0) && m_field->IsIdle() && GetCurrentPlayer() == 0)
    {
        int x = 0;
        int y = 0;
        app->GetCursorClientPos(x, y);
        const SCellPos at = m_field->CellAt(static_cast<float>(x), static_cast<float>(y));
        if (m_field->IsValidCell(at.m_row, at.m_column))
            m_preview_cell = at.m_row * 1000 + at.m_column;
    }
    look.insert(look.end(), {static_cast<double>(m_preview_cell), static_cast<double>(GetCurrentPlayer()),
                             m_field->IsIdle() ? 1.0 : 0.0, static_cast<double>(TooltipBonus())});
    m_bonus_bar->AppendLook(look);
    look.push_back(m_main_menu_button->IsMouseOver() ? 1.0 : 0.0);
    // What the clip cannot follow: each of these draws the frame whole, also
    // in the frame after it went away.
    look.insert(look.end(),
                {static_cast<double>(m_tutorial->GetHints().size()),
                 static_cast<double>(m_match->GetBonusCount()), IsGameOver() ? 1.0 : 0.0,
                 m_field->IsLevelFinished() ? 1.0 : 0.0, static_cast<double>(m_rival_move.GetGlow())});
}

bool CGame::ChangedAreas(std::vector<NInterface::SArea>& areas, NInterface::SArea& flowers)
{
    std::vector<double> still;
    AppendStatusLook(still);
    const std::size_t statusSize = still.size();
    m_painter->AppendFlowersLook(*m_field, still, &m_zones.SlotLook());
    std::vector<double> over;
    AppendOverLook(over);
    std::vector<NInterface::SArea> moving;
    AppendMovingAreas(moving);
    std::vector<NInterface::SArea> pointer;
    std::vector<double> pointerLook;
    AppendPointerAreas(pointer, pointerLook);

    const CApplication* app = CApplication::Get();
    const std::vector<double>* kept = m_still_layer.KeptLook();
    float changed[4];
    bool partial = app && app->LastFrameKept(this) && m_repaint_valid && m_match->GetBonusCount() == 0 &&
                   !m_tutorial->IsOpen() && !IsGameOver() && !m_field->IsLevelFinished() &&
                   over == m_repaint_over && kept && *kept == m_repaint_still &&
                   kept->size() == still.size() &&
                   std::equal(still.begin(), still.begin() + statusSize, kept->begin()) &&
                   CBoardPainter::ChangedFlowersArea(kept->data() + statusSize, still.data() + statusSize,
                                                     still.size() - statusSize, changed);
    m_repaint_valid = true;
    m_repaint_still = std::move(still);
    m_repaint_over = std::move(over);
    areas = std::move(m_repaint_moving);
    m_repaint_moving = moving;
    // While the pointer rests, what follows it is drawn as the kept picture
    // already shows it: its parts are repainted only where they were and are
    // when they changed. Animated parts beneath get clips of their own.
    if (pointerLook != m_repaint_pointer_look)
    {
        areas.insert(areas.end(), m_repaint_pointer.begin(), m_repaint_pointer.end());
        moving.insert(moving.end(), pointer.begin(), pointer.end());
    }
    m_repaint_pointer = std::move(pointer);
    m_repaint_pointer_look = std::move(pointerLook);
    if (!partial)
        return false;
    // The flowers that changed come first: the still layer is redrawn and
    // copied in the first pass, and its copy must lie inside that pass's clip.
    flowers = {changed[0], changed[1], changed[2], changed[3]};
    if (flowers.m_x1 > flowers.m_x0 && flowers.m_y1 > flowers.m_y0)
        areas.insert(areas.begin(), flowers);
    areas.insert(areas.end(), moving.begin(), moving.end());
    return true;
}

bool CGame::BeginRepaint(std::vector<SFrameClip>& clips)
{
    clips.clear();
    std::vector<NInterface::SArea> areas;
    NInterface::SArea changed;
    if (!ChangedAreas(areas, changed))
        return false;
    const bool flowersChanged = changed.m_x1 > changed.m_x0 && changed.m_y1 > changed.m_y0;
    for (NInterface::SArea& part : areas)
    {
        part.m_x0 = std::max(part.m_x0, 0.0f);
        part.m_y0 = std::max(part.m_y0, 0.0f);
        part.m_x1 = std::min(part.m_x1, kWidth);
        part.m_y1 = std::min(part.m_y1, kHeight);
    }
    areas.erase(std::remove_if(areas.begin(), areas.end(),
                               [](const NInterface::SArea& part)
                               { return part.m_x1 <= part.m_x0 || part.m_y1 <= part.m_y0; }),
                areas.end());
    if (areas.empty())
    {
        clips.push_back({0, 0, 0, 0}); // nothing moved
        return true;
    }
    // Spread-out parts (the home at one end, coins at the other) are drawn
    // through clips of their own; nearby ones share one.
    areas = NInterface::CMenuRepaint::Merged(std::move(areas));
    if (flowersChanged)
    {
        const auto holdsChanged = [&changed](const NInterface::SArea& part)
        {
            return part.m_x0 <= std::max(changed.m_x0, 0.0f) && part.m_y0 <= std::max(changed.m_y0, 0.0f) &&
                   part.m_x1 >= std::min(changed.m_x1, kWidth) &&
                   part.m_y1 >= std::min(changed.m_y1, kHeight);
        };
        const auto first = std::find_if(areas.begin(), areas.end(), holdsChanged);
        if (first == areas.end())
            return false;
        std::rotate(areas.begin(), first, first + 1);
    }
    if (!NInterface::CMenuRepaint::CheaperThanWhole(areas, kWidth, kHeight))
        return false;
    GLint viewport[4];
    NGl::GetWindowViewport(viewport);
    // With pixels to spare for filtering.
    for (const NInterface::SArea& part : areas)
        clips.push_back(PictureAreaToWindow(viewport, kWidth, kHeight, part.m_x0, part.m_y0, part.m_x1,
                                            part.m_y1, 2, false));
    return true;
}
} // namespace NGame
