// The zones' outline: each border side of a zone drawn as a short band just
// inside its flower, from where the flower stands now.
#include "play/ZoneOutline.h"

#include "platform/Gl.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace NGame
{
namespace
{
struct SLineStyle
{
    float m_rim_width; // the soft dark rim under the line; 0 for none
    float m_rim_alpha;
    float m_width;
    float m_red, m_green, m_blue, m_alpha;
    float m_length; // the part of each side drawn, centred: below 1 dashes
};

// The player's zone reads at a glance; the rival's stays in the background.
constexpr SLineStyle kStyles[] = {{6.0f, 0.5f, 2.5f, 1.0f, 0.96f, 0.7f, 1.0f, 1.0f},
                                  {4.0f, 0.3f, 1.5f, 0.85f, 0.9f, 1.0f, 0.6f, 0.5f}};

// A band across (x, y) along (tx, ty), `width` wide across (ux, uy); a soft
// band fades to nothing at both edges.
void Band(float x, float y, float ux, float uy, float tx, float ty, float half, float width, bool soft,
          const float colour[4])
{
    const float ax = tx * half, ay = ty * half;
    const float steps[] = {-width / 2.0f, 0.0f, width / 2.0f};
    const auto vertex = [&](float along, int step)
    {
        const bool edge = step != 1;
        NGl::Color(colour[0], colour[1], colour[2], soft && edge ? 0.0f : colour[3]);
        NGl::Vertex(x + along * ax + ux * steps[step], y + along * ay + uy * steps[step]);
    };
    for (int step = 0; step < 2; ++step)
    {
        vertex(-1.0f, step);
        vertex(1.0f, step);
        vertex(1.0f, step + 1);
        vertex(-1.0f, step + 1);
    }
}

// Calls visit(cell, dx, dy) for each side of the zone that `sides` marks, with
// (dx, dy) the step from the cell's centre to the neighbour's across it; with
// an area (x0, y0, x1, y1), only for the flowers that reach into it.
template <typename Visit>
void ForEachSide(const CField& field, const std::vector<unsigned char>& sides, const float area[4],
                 const Visit& visit)
{
    const CBoardGeometry& geometry = field.GetGeometry();
    const float reach = geometry.CellWidth();
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
        {
            const unsigned bits = sides[static_cast<std::size_t>(r * field.GetColumns() + c)];
            const CCell* cell = bits ? field.GetCell(r, c) : nullptr;
            if (!cell || (area && (cell->GetX() + reach < area[0] || cell->GetX() - reach > area[2] ||
                                   cell->GetY() + reach < area[1] || cell->GetY() - reach > area[3])))
                continue;
            float x = 0.0f, y = 0.0f;
            geometry.Position(r, c, x, y);
            unsigned bit = 1;
            for (const SCellPos& n : geometry.Neighbours(r, c))
            {
                if (bits & bit)
                {
                    float nx = 0.0f, ny = 0.0f;
                    geometry.Position(n.m_row, n.m_column, nx, ny);
                    visit(*cell, nx - x, ny - y);
                }
                bit <<= 1;
            }
        }
}
} // namespace

CColourMap CZoneOutline::ShownColours(const CField& field)
{
    CColourMap map(field.GetRows(), field.GetColumns());
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            if (const CCell* cell = field.GetCell(r, c))
                map.At(r, c) = cell->IsHole() ? -3 : cell->GetClock().GetGroup();
    return map;
}

void CZoneOutline::Update(const CField& field, bool shown)
{
    CColourMap colours = shown ? ShownColours(field) : CColourMap();
    const std::vector<int>& homes = field.GetHomes();
    // Most frames show the board as the last one did.
    if (shown && !m_sides.empty() && colours.Values() == m_colours.Values() &&
        colours.GetColumns() == m_colours.GetColumns() && homes == m_homes)
        return;
    m_sides.clear();
    m_slot_look.clear();
    m_colours = std::move(colours);
    m_homes = homes;
    if (!shown)
        return;
    m_slot_look.assign(colours.Values().size(), 0);
    for (std::size_t i = 0; i + 1 < homes.size() && m_sides.size() < std::size(kStyles); i += 2)
    {
        m_sides.push_back(field.ZoneSides(m_colours, homes[i], homes[i + 1]));
        const unsigned shift = 6 * static_cast<unsigned>(m_sides.size() - 1);
        for (std::size_t slot = 0; slot < m_slot_look.size(); ++slot)
            m_slot_look[slot] |= static_cast<unsigned>(m_sides.back()[slot]) << shift;
    }
}

const std::vector<unsigned char>& CZoneOutline::Sides(std::size_t home) const
{
    static const std::vector<unsigned char> kNone;
    return home < m_sides.size() ? m_sides[home] : kNone;
}

void CZoneOutline::Draw(const CField& field, const float area[4]) const
{
    if (NGl::IsHeadless() || m_sides.empty())
        return;
    NGl::Disable(GL_TEXTURE_2D);
    NGl::Disable(GL_ALPHA_TEST);
    NGl::Enable(GL_BLEND);
    NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    NGl::Begin(GL_QUADS);
    // Every rim first, so that no rim darkens a line where two sides meet.
    for (const bool rims : {true, false})
        for (std::size_t home = 0; home < m_sides.size(); ++home)
        {
            const SLineStyle& style = kStyles[home];
            const float width = rims ? style.m_rim_width : style.m_width;
            if (width <= 0.0f)
                continue;
            // Inside its own flower, so that two zones that touch show both lines.
            const float inset = std::max(style.m_rim_width, style.m_width) / 2.0f + 0.5f;
            ForEachSide(field, m_sides[home], area,
                        [&](const CCell& cell, float dx, float dy)
                        {
                            // The side faces the neighbour's centre, half way
                            // there; a hexagon's side is that distance over root 3.
                            const float distance = std::sqrt(dx * dx + dy * dy);
                            const float ux = dx / distance, uy = dy / distance;
                            const float half = distance / (2.0f * std::sqrt(3.0f)) * style.m_length;
                            const float x = cell.GetX() + dx / 2.0f - ux * inset;
                            const float y = cell.GetY() + dy / 2.0f - uy * inset;
                            const float alpha = cell.GetAlpha();
                            const float colour[4] = {rims ? 0.0f : style.m_red, rims ? 0.0f : style.m_green,
                                                     rims ? 0.0f : style.m_blue,
                                                     (rims ? style.m_rim_alpha : style.m_alpha) * alpha};
                            Band(x, y, ux, uy, -uy, ux, half, width, rims, colour);
                        });
        }
    NGl::End();
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Disable(GL_BLEND);
}
} // namespace NGame
