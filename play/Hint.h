// Tooltip boxes: a white box with a blue rim and black text.
#pragma once

class CBitmapText;

class CHint
{
  public:
    struct SBox
    {
        float m_left = 0.0f;
        float m_top = 0.0f;
        float m_right = 0.0f;
        float m_bottom = 0.0f;
    };

    // Where the box of a text `width` wide goes. An uncentred box that would
    // pass the screen's right edge flips to the left of its anchor.
    static SBox Place(float width, float x, float y, float size, bool centre);
    // With `atCursor` (x, y) is taken from the cursor.
    static void Draw(const CBitmapText& font, const char* text, float x, float y, float size, bool atCursor,
                     bool centre);
};
