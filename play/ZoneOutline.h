// The outline along each side's zone: the flowers connected to a home, as the
// board shows them this frame, so that the line follows every flip and shift.
#pragma once

#include "rules/Field.h"

#include <vector>

namespace NGame
{
class CZoneOutline
{
  public:
    // Takes the zones of the board's homes (the player's first, then the
    // rival's) from the colours its flowers show; an empty outline when off.
    void Update(const CField& field, bool shown);
    const std::vector<unsigned char>& Sides(std::size_t home) const;
    // Per slot of the board, every side's bits together: the outline is drawn
    // inside its flowers, so a flower whose value changes is all that needs
    // drawing again. Empty when the outline is off.
    const std::vector<unsigned>& SlotLook() const { return m_slot_look; }
    // The player's zone in a bright solid line over a soft dark rim, the
    // rival's in a thinner, dimmer dashed one; each fades with its flower.
    // With an area (x0, y0, x1, y1), only the flowers that reach into it.
    void Draw(const CField& field, const float area[4] = nullptr) const;

    // The colours the flowers show: a flipping flower keeps its old colour
    // until it turns; -3 for a hole, -1 for an empty slot.
    static CColourMap ShownColours(const CField& field);

  private:
    std::vector<std::vector<unsigned char>> m_sides;
    std::vector<unsigned> m_slot_look;
    // What the outline was taken from.
    CColourMap m_colours;
    std::vector<int> m_homes;
};
} // namespace NGame
