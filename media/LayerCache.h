// A still layer of the picture kept in a texture: drawn once into the back
// buffer, copied, and put back pixel for pixel while nothing it shows changes;
// when a small part changes, only that part is drawn again and copied.
// Software renderers spend most of a frame filling the board's thousand
// blended flowers; a kept layer costs one unblended quad instead.
#pragma once

#include <GL/gl.h>

#include <vector>

class CLayerCache
{
  public:
    CLayerCache() = default;
    CLayerCache(const CLayerCache&) = delete;
    CLayerCache& operator=(const CLayerCache&) = delete;
    ~CLayerCache();

    // A look lists every value the layer's drawing depends on. The look of
    // the layer kept for the current viewport, or null when none is.
    const std::vector<double>* KeptLook() const;
    // Draws the kept layer over the whole viewport.
    void DrawKept() const;
    // Confines drawing to a rectangle of the logical screen (y growing
    // downwards), cleared with the current clear colour. Drawing the layer
    // there gives each pixel exactly what drawing it whole would.
    void BeginRedraw(float x0, float y0, float x1, float y1, float logicalWidth, float logicalHeight);
    // Ends the confinement and keeps the redrawn rectangle with the new look.
    void EndRedraw(const std::vector<double>& look);
    // Keeps the whole viewport, where the layer has just been drawn.
    void Keep(const std::vector<double>& look);
    void Forget();

    // Off: nothing is kept (comparisons against direct drawing).
    static void SetEnabled(bool enabled);

  private:
    bool Usable() const;

    std::vector<double> m_look;
    GLuint m_texture = 0;
    GLint m_texture_size[2] = {0, 0};
    GLint m_viewport[4] = {0, 0, 0, 0};
    GLint m_redraw[4] = {0, 0, 0, 0};
    bool m_kept = false;
};
