// A soft, translucent dark backing laid under light text, so that it reads
// over pictures as bright as the text itself.
#pragma once

// Darkens the rectangle (y growing downwards) by `alpha`, fading to nothing
// over `soft` units outside each edge.
void DrawDarkBacking(float left, float top, float right, float bottom, float soft, float alpha);
