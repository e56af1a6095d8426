// Where the program's fixed-size picture lies in a window of any size: scaled
// by the largest factor that fits, proportions kept, centred between black
// bars. Windowed and full screen share it, so that both scale alike.
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
