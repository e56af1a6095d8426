// Drawing that every menu screen shares: the state its painter's-order
// drawing needs and the 1024 by 1024 background centred on the screen.
#pragma once

class CTexture;

namespace NInterface
{
// Controls, blocks and dragons lie at the background's depth and are drawn
// after it, so equal depths must pass; textures are tinted by the colour.
void PrepareMenuDrawing();
// The quad (-112, -212) to (912, 812), t = 1 along the top edge.
void DrawMenuBackground(const CTexture* texture);
// Clear colour white, depth test, texturing, viewport over the window and an
// orthographic projection of the logical size, which the application keeps.
void SetupMenuProjection(int logicalWidth, int logicalHeight);
} // namespace NInterface
