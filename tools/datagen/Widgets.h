// Control pictures: buttons with their four looks, check boxes, the slider
// thumb, the edit box and the bonus buttons' icons.
#pragma once

#include "tools/datagen/Image.h"

#include <string>
#include <vector>

namespace NDatagen
{
enum class ELook
{
    Normal,
    Hover,
    Pressed,
    Disabled
};

// Looks in band order: normal, hover, pressed, disabled.
std::vector<CImage> ButtonLooks(const std::string& label, int w, int h, int arrow = 0 /* -1 left, 1 right */);
// Unchecked, unchecked under the mouse, checked, checked under the mouse.
std::vector<CImage> CheckBoxLooks(int size, bool round);
std::vector<CImage> ThumbLooks(int w, int h);   // idle, dragging
std::vector<CImage> EditBoxLooks(int w, int h); // without focus, with focus
// The button of a bonus kind (rules/BonusTable.h) and its icon alone.
std::vector<CImage> BonusButtonLooks(int bonus, int size);
void PaintBonusIcon(CImage& img, int bonus, float cx, float cy, float size, bool grey);
} // namespace NDatagen
