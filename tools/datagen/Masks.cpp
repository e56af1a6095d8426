// Level mask design. Every mask is drawn in screen units, made mirror-symmetric
// about x = 400 (for the two competitive sets), keeps both homes clear and is
// then checked against the board layout of every level number that reads it:
// cells that no home can reach become holes so that no level holds a pocket
// that neither player can ever take.
#include "tools/datagen/Masks.h"

#include "tools/datagen/Board.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Painter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <queue>

namespace NDatagen
{
namespace
{
constexpr float kCx = 400.0f;
constexpr float kCy = 282.0f;
constexpr float kPi = 3.14159265f;
constexpr float kHomeZone = 96.0f;
// Half the height of the moving set's lane between the homes, kept open.
constexpr float kMovingLane = 90.0f;

bool InHomeZone(float x, float y)
{
    return std::fabs(y - kCy) < 52 && (x < kHomeZone + 2 || x > kMaskWidth - kHomeZone - 2);
}

struct SShape
{
    FDistance dist;
    SBox box;
};

class CMaskCanvas
{
  public:
    CMaskCanvas() : m_bytes(static_cast<size_t>(kMaskWidth) * kMaskHeight, 255) {}

    void Set(const SBox& box, const FDistance& dist, uint8_t value)
    {
        const int x0 = std::max(0, static_cast<int>(box.x0)),
                  x1 = std::min(kMaskWidth - 1, static_cast<int>(box.x1) + 1);
        const int y0 = std::max(0, static_cast<int>(box.y0)),
                  y1 = std::min(kMaskHeight - 1, static_cast<int>(box.y1) + 1);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (dist(x + 0.5f, y + 0.5f) <= 0)
                    m_bytes[static_cast<size_t>(y) * kMaskWidth + x] = value;
    }
    void Hole(const SShape& s) { Set(s.box, s.dist, 0); }
    void Keep(const SShape& s) { Set(s.box, s.dist, 255); }
    void Dot(float x, float y, float r, uint8_t value)
    {
        Set(
            {x - r - 1, y - r - 1, x + r + 1, y + r + 1},
            [=](float px, float py) { return SdCircle(px, py, x, y, r); }, value);
    }

    // A hole on either side makes a hole on both.
    void Mirror()
    {
        for (int y = 0; y < kMaskHeight; ++y)
            for (int x = 0; x < kMaskWidth / 2; ++x)
            {
                uint8_t& a = m_bytes[static_cast<size_t>(y) * kMaskWidth + x];
                uint8_t& b = m_bytes[static_cast<size_t>(y) * kMaskWidth + (kMaskWidth - 1 - x)];
                a = b = std::min(a, b);
            }
    }

    std::vector<uint8_t>& Bytes() { return m_bytes; }

  private:
    std::vector<uint8_t> m_bytes;
};

// --- Shape helpers, all in screen units. -----------------------------------
SShape Pond(float x, float y, float r)
{
    return {[=](float px, float py) { return SdCircle(px, py, x, y, r); }, {x - r, y - r, x + r, y + r}};
}

SShape Oval(float x, float y, float rx, float ry, float angleDeg = 0)
{
    const float e = std::max(rx, ry);
    return {[=](float px, float py) { return SdEllipse(px, py, x, y, rx, ry, angleDeg * kPi / 180); },
            {x - e, y - e, x + e, y + e}};
}

SShape Wall(float x0, float y0, float x1, float y1, float thickness)
{
    const float t = thickness / 2;
    return {[=](float px, float py) {
                return SdSegment(px, py, {x0, y0}, {x1, y1}, t);
            },
            {std::min(x0, x1) - t, std::min(y0, y1) - t, std::max(x0, x1) + t, std::max(y0, y1) + t}};
}

SShape Any(FDistance dist)
{
    return {std::move(dist), {0, 0, kMaskWidth, kMaskHeight}};
}

// An annulus with openings: gaps holds the angles (degrees, 0 = right,
// clockwise on screen) at whose centre the ring is open over gapWidth units.
SShape Ring(float cx, float cy, float r, float thickness, std::vector<float> gaps, float gapWidth)
{
    const float e = r + thickness;
    return {[=](float px, float py)
            {
                const float d = std::fabs(SdCircle(px, py, cx, cy, r)) - thickness / 2;
                float open = 1e9f;
                for (float g : gaps)
                {
                    const float a = g * kPi / 180;
                    const float gx = cx + std::cos(a) * r, gy = cy + std::sin(a) * r;
                    open = std::min(open, Length(px - gx, py - gy) - gapWidth / 2);
                }
                return std::max(d, -open);
            },
            {cx - e, cy - e, cx + e, cy + e}};
}

// The mask designs, one entry each; `grow` (1 to 1.5 with the difficulty)
// grows their holes, `seed` places the scattered ones.
using DesignFn = void (*)(CMaskCanvas& m, float grow, uint32_t seed);
const DesignFn kDesigns[20] = {
    // open field with a few dew ponds
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        m.Hole(Pond(kCx, 120, 18 * grow));
        m.Hole(Pond(kCx, 444, 18 * grow));
    },
    // four ponds
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        for (float y : {160.0f, 404.0f})
            m.Hole(Pond(270, y, 34 * grow));
    },
    // central lake
    [](CMaskCanvas& m, float grow, uint32_t) { m.Hole(Pond(kCx, kCy, 60 * grow)); },
    // an island in a ring-shaped lake, reached by two causeways
    [](CMaskCanvas& m, float grow, uint32_t) {
        m.Hole(Ring(kCx, kCy, 95, 42 * grow, {90, 270, 0, 180}, 100));
    },
    // a broken fence down the middle
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        m.Hole(Wall(kCx, 40, kCx, 190, 28 * grow));
        m.Hole(Wall(kCx, 374, kCx, 524, 28 * grow));
        m.Hole(Pond(kCx, kCy, 20));
    },
    // a ring with four gates
    [](CMaskCanvas& m, float grow, uint32_t) {
        m.Hole(Ring(kCx, kCy, 165, 34 * grow, {45, 135, 225, 315}, 110));
    },
    // two channels with fords
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        for (float y : {165.0f, 399.0f})
        {
            m.Hole(Wall(150, y, 345, y, 26 * grow));
            m.Hole(Wall(455, y, 650, y, 26 * grow));
        }
    },
    // a grid of small ponds
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        for (int gy = 0; gy < 5; ++gy)
            for (int gx = 0; gx < 3; ++gx)
                m.Hole(Pond(190 + gx * 105.0f + (gy % 2) * 52.0f, 90 + gy * 96.0f, 20 * grow));
    },
    // diamond lake and side ponds
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        m.Hole(Any(
            [=](float x, float y)
            {
                return SdPolygon(x, y,
                                 {{kCx, kCy - 120 * grow},
                                  {kCx + 90 * grow, kCy},
                                  {kCx, kCy + 120 * grow},
                                  {kCx - 90 * grow, kCy}});
            }));
        m.Hole(Pond(230, 130, 30));
        m.Hole(Pond(230, 434, 30));
    },
    // twin rings opening towards the middle
    [](CMaskCanvas& m, float grow, uint32_t) {
        m.Hole(Ring(260, kCy, 80, 28 * grow, {0, 180}, 110));
    },
    // zigzag hedges
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        m.Hole(Wall(180, 70, 300, 200, 24 * grow));
        m.Hole(Wall(180, 494, 300, 364, 24 * grow));
        m.Hole(Wall(330, 282, 370, 282, 24 * grow));
    },
    // crescent lakes
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        m.Hole(Any(
            [=](float x, float y)
            { return std::max(SdCircle(x, y, 300, kCy, 150), -SdCircle(x, y, 250, kCy, 150 - 28 * grow)); }));
    },
    // staggered channels
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        for (int i = 0; i < 4; ++i)
        {
            const float y = 110 + i * 115.0f;
            const float x0 = (i % 2) ? 140.0f : 240.0f;
            m.Hole(Wall(x0, y, x0 + 120, y, 22 * grow));
        }
    },
    // a flower-shaped lake
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        for (int i = 0; i < 6; ++i)
        {
            const float a = i * 60.0f;
            m.Hole(Oval(kCx + std::cos(a * kPi / 180) * 70, kCy + std::sin(a * kPi / 180) * 70,
                        55 * grow * 0.8f, 26, a));
        }
        m.Hole(Pond(kCx, kCy, 30));
    },
    // scattered ponds
    [](CMaskCanvas& m, float grow, uint32_t seed)
    {
        CRandom rnd(seed);
        for (int i = 0; i < 10; ++i)
            m.Hole(Pond(rnd.Range(130, 380), rnd.Range(60, 504), rnd.Range(14, 30) * grow));
    },
    // a cross of walls with an open heart
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        m.Hole(Wall(kCx, 40, kCx, 200, 26 * grow));
        m.Hole(Wall(kCx, 364, kCx, 524, 26 * grow));
        m.Hole(Wall(230, kCy, 330, kCy, 26 * grow));
    },
    // concentric rings with alternating gates
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        m.Hole(Ring(kCx, kCy, 110, 26 * grow, {0, 180}, 110));
        m.Hole(Ring(kCx, kCy, 215, 26 * grow, {90, 270, 30, 150, 210, 330}, 110));
    },
    // honeycomb of ponds
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        for (int gy = 0; gy < 7; ++gy)
            for (int gx = 0; gx < 4; ++gx)
                m.Hole(Pond(130 + gx * 80.0f + (gy % 2) * 40.0f, 60 + gy * 74.0f, 16 * grow));
    },
    // corridors: fences with gates at alternating ends
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        for (int i = 0; i < 3; ++i)
        {
            const float x = 190 + i * 75.0f;
            if (i % 2 == 0)
                m.Hole(Wall(x, 60, x, 380, 22 * grow));
            else
                m.Hole(Wall(x, 184, x, 510, 22 * grow));
        }
    },
    // labyrinth of rings and fences
    [](CMaskCanvas& m, float grow, uint32_t)
    {
        m.Hole(Ring(kCx, kCy, 120, 24 * grow, {90, 270}, 110));
        m.Hole(Wall(200, 80, 200, 210, 22 * grow));
        m.Hole(Wall(200, 354, 200, 484, 22 * grow));
        m.Hole(Pond(300, 84, 22 * grow));
        m.Hole(Pond(300, 480, 22 * grow));
    },
};

// Difficulty d in 0..1 grows hole sizes and counts.
void Design(CMaskCanvas& m, int design, float d, uint32_t seed)
{
    kDesigns[design % 20](m, 1.0f + 0.5f * d, seed);
}

// The human's start cluster and the opponent's home, for every board size.
void KeepHomes(CMaskCanvas& m, bool opponentToo)
{
    m.Keep({[](float x, float y) { return SdRoundRect(x, y, 0, kCy - 50, kHomeZone, kCy + 50, 20); },
            {0, kCy - 50, kHomeZone, kCy + 50}});
    if (opponentToo)
        m.Keep({[](float x, float y)
                { return SdRoundRect(x, y, kMaskWidth - kHomeZone, kCy - 50, kMaskWidth, kCy + 50, 20); },
                {kMaskWidth - kHomeZone, kCy - 50, kMaskWidth, kCy + 50}});
}

// Turns cells that the human's home cannot reach into holes, for every board
// that reads the mask, until nothing changes.
void FillPockets(CMaskCanvas& m, const std::vector<int>& levels, bool mirror)
{
    std::vector<uint8_t>& bytes = m.Bytes();
    for (int pass = 0; pass < 8; ++pass)
    {
        bool changed = false;
        for (int level : levels)
        {
            const CBoardGeometry g(level);
            auto hole = [&](int r, int c) { return bytes[g.MaskIndex(r, c)] == 0; };
            std::vector<char> seen(static_cast<size_t>(g.Rows()) * g.Columns(), 0);
            std::queue<std::pair<int, int>> todo;
            todo.emplace(g.Mid(), 0);
            seen[static_cast<size_t>(g.Mid()) * g.Columns()] = 1;
            while (!todo.empty())
            {
                const auto [r, c] = todo.front();
                todo.pop();
                for (const auto& [nr, nc] : BoardNeighbours(g, r, c))
                {
                    char& s = seen[static_cast<size_t>(nr) * g.Columns() + nc];
                    if (!s && !hole(nr, nc))
                    {
                        s = 1;
                        todo.emplace(nr, nc);
                    }
                }
            }
            int reached = 0, playable = 0;
            for (const SBoardCell& cell : BoardCells(g))
            {
                playable += !hole(cell.row, cell.column);
                reached += seen[static_cast<size_t>(cell.row) * g.Columns() + cell.column] != 0;
            }
            // A home cut off from most of the board is a design fault that the
            // final check reports; filling would only wipe the board out.
            if (reached * 2 < playable)
                continue;
            for (const SBoardCell& cell : BoardCells(g))
                if (!seen[static_cast<size_t>(cell.row) * g.Columns() + cell.column] &&
                    !hole(cell.row, cell.column) && !InHomeZone(cell.x, cell.y) &&
                    !InHomeZone(kMaskWidth - cell.x, cell.y))
                {
                    // Only the one byte under the centre, so that boards of
                    // other sizes reading the same mask are not cut.
                    const size_t i = g.MaskIndex(cell.row, cell.column);
                    bytes[i] = 0;
                    if (mirror)
                        bytes[i - i % kMaskWidth + (kMaskWidth - 1 - i % kMaskWidth)] = 0;
                    changed = true;
                }
        }
        if (!changed)
            return;
    }
}
} // namespace

std::vector<int> LevelsUsingMask(ELevelSet set, int index)
{
    const int count = set == ELevelSet::Moving ? kMovingLevelFiles : kLevelFiles;
    std::vector<int> levels;
    for (int level = 0; level < 100; ++level)
        if (level % count == index)
            levels.push_back(level);
    return levels;
}

std::vector<uint8_t> MakeMask(ELevelSet set, int index)
{
    CMaskCanvas m;
    const float difficulty = index / 19.0f;
    const std::vector<int> levels = LevelsUsingMask(set, index);
    switch (set)
    {
    case ELevelSet::Classic:
        Design(m, index, difficulty, 1000 + index);
        break;
    case ELevelSet::Duel:
        // The advanced set pairs two designs, so its boards are busier than
        // the classic board of the same number.
        Design(m, (index * 7 + 3) % 20, 0.3f + 0.7f * difficulty, 2000 + index);
        if (index >= 4)
            Design(m, (index * 3 + 11) % 20, 0.2f * difficulty, 3000 + index);
        break;
    case ELevelSet::Moving:
        // Holes stay put on the screen while the flowers stream past them,
        // so small, scattered ponds read best. The level is a race to the
        // opponent's home across a board that scrolls a column a move; a
        // pond on the way between the homes makes that race far longer than
        // the board is wide, so the ponds keep off the lane between them.
        {
            CRandom rnd(4000 + index);
            const int ponds = 2 + index / 3;
            for (int i = 0; i < ponds; ++i)
            {
                const float x = rnd.Range(140, 390);
                const float r = rnd.Range(14, 22) * (1 + difficulty * 0.5f);
                const float dy = rnd.Range(kMovingLane + r, 230);
                m.Hole(Pond(x, rnd.Unit() < 0.5f ? kCy - dy : kCy + dy, r));
            }
        }
        break;
    }
    m.Mirror();
    KeepHomes(m, true);
    if (!std::getenv("CHROMAL_DATAGEN_RAW_MASKS"))
        FillPockets(m, levels, set != ELevelSet::Moving);
    return m.Bytes();
}

bool WriteMasks(COutput& out, std::string& problems)
{
    bool ok = true;
    const struct
    {
        ELevelSet set;
        const char* folder;
        int count;
    } sets[] = {{ELevelSet::Classic, "dat/levels_classic", kLevelFiles},
                {ELevelSet::Duel, "dat/levels_duel", kLevelFiles},
                {ELevelSet::Moving, "dat/levels_moving", kMovingLevelFiles}};
    for (const auto& s : sets)
        for (int i = 0; i < s.count; ++i)
        {
            const std::vector<uint8_t> mask = MakeMask(s.set, i);
            for (int level : LevelsUsingMask(s.set, i))
            {
                const SMaskReport r = CheckMask(mask, level);
                if (!r.homesPlayable || !r.connected || r.playable < (r.playable + r.holes) / 2)
                {
                    char line[160];
                    std::snprintf(line, sizeof line,
                                  "%s/lev%03d.raw level %d: homes %d connected %d playable %d holes %d\n",
                                  s.folder, i, level, r.homesPlayable, r.connected, r.playable, r.holes);
                    problems += line;
                    ok = false;
                }
            }
            char name[64];
            std::snprintf(name, sizeof name, "%s/lev%03d.raw", s.folder, i);
            out.Write(name, mask);
        }
    return ok;
}
} // namespace NDatagen
