// Partial menu repaints: the areas moving parts left and entered, each
// redrawn through a scissor rectangle.
#include "framework/MenuRepaint.h"

#include "framework/Application.h"
#include "platform/Gl.h"
#include "platform/Letterbox.h"

#include <algorithm>
#include <cmath>

namespace NInterface
{
namespace
{
float Size(const SArea& a)
{
    return (a.m_x1 - a.m_x0) * (a.m_y1 - a.m_y0);
}

SArea Bounds(const SArea& a, const SArea& b)
{
    return {std::min(a.m_x0, b.m_x0), std::min(a.m_y0, b.m_y0), std::max(a.m_x1, b.m_x1),
            std::max(a.m_y1, b.m_y1)};
}

// Every piece costs the renderer a few draw calls of its own, about as much
// as filling this many more pixels: nearby pieces are drawn as one.
constexpr float kPieceCost = 4096.0f;

// The window pixels of a logical area, with a pixel to spare for filtering.
void Scissor(const SArea& area, const GLint viewport[4], float logicalWidth, float logicalHeight)
{
    const SWindowRect rect = PictureAreaToWindow(viewport, logicalWidth, logicalHeight, area.m_x0, area.m_y0,
                                                 area.m_x1, area.m_y1, 1, false);
    NGl::WindowScissor(rect.m_x, rect.m_y, rect.m_width, rect.m_height);
}
} // namespace

std::vector<SArea> CMenuRepaint::Merged(std::vector<SArea> areas)
{
    for (bool merged = true; merged;)
    {
        merged = false;
        for (std::size_t i = 0; i < areas.size() && !merged; ++i)
            for (std::size_t j = i + 1; j < areas.size() && !merged; ++j)
                if (Size(Bounds(areas[i], areas[j])) <= Size(areas[i]) + Size(areas[j]) + kPieceCost)
                {
                    areas[i] = Bounds(areas[i], areas[j]);
                    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
    }
    return areas;
}

bool CMenuRepaint::CheaperThanWhole(const std::vector<SArea>& areas, float width, float height)
{
    float total = 0.0f;
    for (const SArea& area : areas)
        total += Size(area);
    return total <= width * height / 2.0f;
}

bool CMenuRepaint::Overlap(const SArea& a, float x, float y, float width, float height)
{
    return a.m_x0 <= x + width && x <= a.m_x1 && a.m_y0 <= y + height && y <= a.m_y1;
}

SArea CMenuRepaint::Turned(float x, float y, float cellWidth, float cellHeight)
{
    const float radius = std::sqrt(cellWidth * cellWidth + cellHeight * cellHeight) / 2.0f;
    return {x - radius, y - radius, x + radius, y + radius};
}

void CMenuRepaint::DrawStill(bool lastFrameKept, const std::vector<double>& still,
                             const std::vector<SArea>& moving, const StillDrawing& drawStill)
{
    const CApplication* app = CApplication::Get();
    std::vector<SArea> areas;
    bool partial = lastFrameKept && m_valid && still == m_still && app && app->GetLogicalWidth() > 0 &&
                   app->GetLogicalHeight() > 0;
    if (partial)
    {
        areas = m_moving;
        areas.insert(areas.end(), moving.begin(), moving.end());
        areas = Merged(std::move(areas));
        partial = CheaperThanWhole(areas, static_cast<float>(app->GetLogicalWidth()),
                                   static_cast<float>(app->GetLogicalHeight()));
    }
    m_valid = true;
    m_still = still;
    m_moving = moving;
    if (!partial)
    {
        drawStill(nullptr);
        return;
    }
    GLint viewport[4];
    NGl::GetWindowViewport(viewport);
    for (const SArea& area : areas)
    {
        Scissor(area, viewport, static_cast<float>(app->GetLogicalWidth()),
                static_cast<float>(app->GetLogicalHeight()));
        NGl::Enable(GL_SCISSOR_TEST);
        drawStill(&area);
    }
    NGl::Disable(GL_SCISSOR_TEST);
}
} // namespace NInterface
