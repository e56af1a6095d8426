// A control's place in a screen's layout file: its name with ".x", ".y" and
// ".z" (a missing key counts as 0); and the places a screen draws at.
#pragma once

#include "catalogue/Places.h"
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

// A length as the layout file holds it: one missing, damaged or not above 0
// keeps its built-in number.
inline float ReadLength(const CPropertyFile& layout, NPlaces::ELength id)
{
    const NPlaces::SLength& length = NPlaces::Length(id);
    return NPlaces::Checked(layout.GetFloat(length.m_key, length.m_value), length.m_value, true);
}

// The places that the layout file `file` holds; the others, and any value
// missing or damaged, keep their built-in numbers.
inline NPlaces::CPlaces ReadPlaces(const CPropertyFile& layout, const std::string& file)
{
    NPlaces::CPlaces places;
    for (NPlaces::SPlace place : NPlaces::kPlaces)
    {
        if (file != place.m_file)
            continue;
        const std::string key = place.m_key;
        place.m_x = NPlaces::Checked(layout.GetFloat(key + ".x", place.m_x), place.m_x, false);
        place.m_y = NPlaces::Checked(layout.GetFloat(key + ".y", place.m_y), place.m_y, false);
        if (place.m_size != 0.0f)
            place.m_size = NPlaces::Checked(layout.GetFloat(key + ".size", place.m_size), place.m_size, true);
        places.Set(place);
    }
    return places;
}
