// The rectangle test every control shares: edges truncated to whole units and
// counted as inside, so a press on the last pixel column still hits.
#pragma once

inline bool InsideTruncated(int px, int py, float x, float y, float width, float height)
{
    return static_cast<int>(x) <= px && px <= static_cast<int>(x + width) && static_cast<int>(y) <= py &&
           py <= static_cast<int>(y + height);
}

// The band quad of a picture stacked in equal horizontal bands: band `band`
// (1-based) of `bands`, the larger t on the top edge y.
void DrawBandQuad(unsigned int textureName, float x, float y, float width, float height, int band, int bands);
