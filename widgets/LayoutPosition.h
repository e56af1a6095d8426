// A control's place in a screen's layout file: its name with ".x", ".y" and
// ".z" (a missing key counts as 0).
#pragma once

#include "storage/PropertyFile.h"

#include <string>

struct SLayoutPosition
{
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_z = 0.0f;
};

inline SLayoutPosition ReadLayoutPosition(const CPropertyFile& layout, const std::string& name)
{
    return {layout.GetFloat(name + ".x", 0.0f), layout.GetFloat(name + ".y", 0.0f),
            layout.GetFloat(name + ".z", 0.0f)};
}
