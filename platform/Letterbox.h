// Where the program's fixed-size picture lies in a window of any size: scaled
// by the largest factor that fits, proportions kept, centred between black
// bars. Windowed and full screen share it, so that both scale alike. Also the
// window pixels under a part of the picture, for clips and scissors.
#pragma once

struct CLetterbox
{
    double m_scale = 1.0;
    // The picture's top-left corner in window pixels, from the top.
    int m_left = 0;
    int m_top = 0;
    // Its size in window pixels.
    int m_width = 0;
    int m_height = 0;
    // Its bottom edge's distance from the window's bottom (GL counts upwards;
    // differs from m_top by a pixel when the spare height is odd).
    int m_bottom = 0;
};

// The picture of pictureWidth by pictureHeight in a drawable of the given
// size; scale 1 at the corner when either size is not positive.
CLetterbox FitPicture(int drawableWidth, int drawableHeight, int pictureWidth, int pictureHeight);

// Window pixels to picture pixels and back. A point in a bar maps to a
// picture pixel outside the picture (negative, or beyond its size), as a
// pointer outside a window of the picture's own size would.
void WindowToPicture(const CLetterbox& box, int& x, int& y);
// A window pixel that WindowToPicture maps back to the same point (at
// scales below 1 not every picture pixel has one; the nearest is given).
void PictureToWindow(const CLetterbox& box, int& x, int& y);

// A rectangle of window pixels as GL takes it: the lower-left corner, counted
// from the window's bottom, and the size.
struct SWindowRect
{
    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;
};

// The window pixels under the area (x0, y0)-(x1, y1) of a picture of
// pictureWidth by pictureHeight (y growing downwards) that fills `viewport`
// (x, y, width and height as GL's viewport takes them): the edges rounded
// outwards and moved `spare` pixels further out, for filtering; held inside
// the viewport when `inside` is set. Never of negative size; empty, at the
// viewport's corner, for a picture of no size.
SWindowRect PictureAreaToWindow(const int viewport[4], float pictureWidth, float pictureHeight, float x0,
                                float y0, float x1, float y1, int spare, bool inside);
