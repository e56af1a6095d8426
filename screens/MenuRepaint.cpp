// Partial menu repaints: the areas moving parts left and entered, each
// redrawn through a scissor rectangle.
#include "screens/MenuRepaint.h"

#include "app/Application.h"
#include "platform/Gl.h"

#include <algorithm>
#include <cmath>

namespace NInterface
{
namespace
{
bool Overlap(const SArea& a, const SArea& b)
{
    return a.m_x0 <= b.m_x1 && b.m_x0 <= a.m_x1 && a.m_y0 <= b.m_y1 && b.m_y0 <= a.m_y1;
}

float Size(const SArea& a)
{
    return (a.m_x1 - a.m_x0) * (a.m_y1 - a.m_y0);
}

// The window pixels of a logical area, rounded outwards with a pixel to spare
// for filtering, as a scissor rectangle (GL's y grows upwards).
void Scissor(const SArea& area, const GLint viewport[4], float logicalWidth, float logicalHeight)
{
    const double sx = viewport[2] / static_cast<double>(logicalWidth);
    const double sy = viewport[3] / static_cast<double>(logicalHeight);
    const GLint left = static_cast<GLint>(std::floor(area.m_x0 * sx)) - 1;
    const GLint right = static_cast<GLint>(std::ceil(area.m_x1 * sx)) + 1;
    const GLint bottom = static_cast<GLint>(std::floor(viewport[3] - area.m_y1 * sy)) - 1;
    const GLint top = static_cast<GLint>(std::ceil(viewport[3] - area.m_y0 * sy)) + 1;
    NGl::WindowScissor(viewport[0] + left, viewport[1] + bottom, std::max(0, right - left),
                       std::max(0, top - bottom));
}
} // namespace

std::vector<SArea> CMenuRepaint::Merged(std::vector<SArea> areas)
{
    for (bool merged = true; merged;)
    {
        merged = false;
        for (std::size_t i = 0; i < areas.size() && !merged; ++i)
            for (std::size_t j = i + 1; j < areas.size() && !merged; ++j)
                if (Overlap(areas[i], areas[j]))
                {
                    areas[i].m_x0 = std::min(areas[i].m_x0, areas[j].m_x0);
                    areas[i].m_y0 = std::min(areas[i].m_y0, areas[j].m_y0);
                    areas[i].m_x1 = std::max(areas[i].m_x1, areas[j].m_x1);
                    areas[i].m_y1 = std::max(areas[i].m_y1, areas[j].m_y1);
                    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
    }
    return areas;
}

SArea CMenuRepaint::Turned(float x, float y, float cellWidth, float cellHeight)
{
    const float radius = std::sqrt(cellWidth * cellWidth + cellHeight * cellHeight) / 2.0f;
    return {x - radius, y - radius, x + radius, y + radius};
}

void CMenuRepaint::DrawStill(bool lastFrameKept, const std::vector<double>& still, const std::vector<SArea>& moving,
                             const std::function<void()>& drawStill)
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
        // Past half the screen, one whole drawing costs less than the pieces.
        float total = 0.0f;
        for (const SArea& area : areas)
            total += Size(area);
        partial = total <= app->GetLogicalWidth() * app->GetLogicalHeight() / 2.0f;
    }
    m_valid = true;
    m_still = still;
    m_moving = moving;
    if (!partial)
    {
        drawStill();
        return;
    }
    GLint viewport[4];
    NGl::GetWindowViewport(viewport);
    for (const SArea& area : areas)
    {
        Scissor(area, viewport, static_cast<float>(app->GetLogicalWidth()),
                static_cast<float>(app->GetLogicalHeight()));
        NGl::Enable(GL_SCISSOR_TEST);
        drawStill();
    }
    NGl::Disable(GL_SCISSOR_TEST);
}
} // namespace NInterface
