// CMenuRepaint: what a menu screen drew last frame, so that while only its
// dragons and the cursor move, a frame redraws the still picture just where
// they were and are, and draws them again over it. A software renderer then
// fills a few small squares instead of the whole window every frame.
#pragma once

#include <functional>
#include <vector>

namespace NInterface
{
// A rectangle of the logical screen, y growing downwards.
struct SArea
{
    float m_x0 = 0.0f;
    float m_y0 = 0.0f;
    float m_x1 = 0.0f;
    float m_y1 = 0.0f;
};

class CMenuRepaint
{
  public:
    // `still` lists every value the still picture (background, controls)
    // depends on; `moving` covers every pixel that the moving parts (dragons,
    // cursor) will draw this frame. With `lastFrameKept` (the back buffer
    // holds all of last frame's picture) and the same still look as then,
    // `drawStill` runs once per area to repaint, clipped to it (what lies
    // wholly outside the area it may leave out); otherwise once with null,
    // over the whole window. The caller then draws the moving parts, unclipped.
    using StillDrawing = std::function<void(const SArea* area)>;
    void DrawStill(bool lastFrameKept, const std::vector<double>& still, const std::vector<SArea>& moving,
                   const StillDrawing& drawStill);
    // Forgets the last frame: the next one is drawn whole.
    void Forget() { m_valid = false; }

    // The areas to repaint: last frame's moving areas and this frame's, those
    // that overlap merged into one.
    static std::vector<SArea> Merged(std::vector<SArea> areas);
    // Whether drawing through `areas` costs less than drawing the whole
    // width x height picture: past half of it, the pieces save little.
    static bool CheaperThanWhole(const std::vector<SArea>& areas, float width, float height);
    static bool Overlap(const SArea& a, float x, float y, float width, float height);
    // The square a sprite of that cell size covers when turned by any angle
    // about its centre (x, y).
    static SArea Turned(float x, float y, float cellWidth, float cellHeight);

  private:
    bool m_valid = false;
    std::vector<double> m_still;
    std::vector<SArea> m_moving;
};
} // namespace NInterface
