// The letterbox arithmetic of scaled windows and full screen, and of clips in them.
#include "platform/Letterbox.h"

#include <algorithm>
#include <cmath>

CLetterbox FitPicture(int drawableWidth, int drawableHeight, int pictureWidth, int pictureHeight)
{
    CLetterbox box;
    box.m_width = pictureWidth;
    box.m_height = pictureHeight;
    if (drawableWidth <= 0 || drawableHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0)
        return box;
    box.m_scale = std::min(static_cast<double>(drawableWidth) / pictureWidth,
                           static_cast<double>(drawableHeight) / pictureHeight);
    // Rounded, so that an exact fit covers the drawable without a one-pixel bar.
    box.m_width = std::min(drawableWidth, static_cast<int>(pictureWidth * box.m_scale + 0.5));
    box.m_height = std::min(drawableHeight, static_cast<int>(pictureHeight * box.m_scale + 0.5));
    box.m_left = (drawableWidth - box.m_width) / 2;
    box.m_top = (drawableHeight - box.m_height) / 2;
    box.m_bottom = drawableHeight - box.m_height - box.m_top;
    return box;
}

void WindowToPicture(const CLetterbox& box, int& x, int& y)
{
    x = static_cast<int>(std::floor((x - box.m_left) / box.m_scale));
    y = static_cast<int>(std::floor((y - box.m_top) / box.m_scale));
}

void PictureToWindow(const CLetterbox& box, int& x, int& y)
{
    // Rounded up: the window pixel whose left (top) edge lies at or past the
    // picture pixel's, so that flooring on the way back lands on it again.
    x = box.m_left + static_cast<int>(std::ceil(x * box.m_scale));
    y = box.m_top + static_cast<int>(std::ceil(y * box.m_scale));
}

SWindowRect PictureAreaToWindow(const int viewport[4], float pictureWidth, float pictureHeight, float x0,
                                float y0, float x1, float y1, int spare, bool inside)
{
    SWindowRect rect{viewport[0], viewport[1], 0, 0};
    if (pictureWidth <= 0.0f || pictureHeight <= 0.0f)
        return rect;
    const double sx = viewport[2] / static_cast<double>(pictureWidth);
    const double sy = viewport[3] / static_cast<double>(pictureHeight);
    // Counted from the viewport's lower-left corner: GL's y grows upwards.
    double left = std::floor(x0 * sx) - spare;
    double right = std::ceil(x1 * sx) + spare;
    double bottom = std::floor(viewport[3] - y1 * sy) - spare;
    double top = std::ceil(viewport[3] - y0 * sy) + spare;
    if (inside)
    {
        left = std::clamp<double>(left, 0, viewport[2]);
        right = std::clamp<double>(right, 0, viewport[2]);
        bottom = std::clamp<double>(bottom, 0, viewport[3]);
        top = std::clamp<double>(top, 0, viewport[3]);
    }
    rect.m_x += static_cast<int>(left);
    rect.m_y += static_cast<int>(bottom);
    rect.m_width = std::max(0, static_cast<int>(right) - static_cast<int>(left));
    rect.m_height = std::max(0, static_cast<int>(top) - static_cast<int>(bottom));
    return rect;
}
