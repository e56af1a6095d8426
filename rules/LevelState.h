// The level-state text: a board's level number and every cell's colour, hole
// and coin in one line, written for saved games and read back with checks.
#pragma once

#include <string>
#include <vector>

namespace NGame
{
struct SCellState
{
    int m_colour = 0; // 0 to 5, or -3 for a hole
    int m_coin = -1;  // 0 to 4, or -1 for none
    // The flower a hole hides (0 to 5, -1 for none): the moving set's flowers
    // scroll through ponds and come out again, with their coins.
    int m_hidden = -1;
};

class CLevelState
{
  public:
    static constexpr int kHoleMarker = 50;
    static constexpr int kCoinMarker = 60;
    static constexpr int kHiddenMarker = 51;
    static constexpr int kHiddenCoinMarker = 61;

    // "%03d " then one entry per cell: "50 ", "60 CC KK " or "CC "; a hole
    // hiding a flower is "51 CC " or, with its coin, "61 CC KK ".
    static std::string Write(int level, const std::vector<SCellState>& cells);
    // Reads a text of the writer's form. Refuses (false, outputs untouched) a
    // text with a malformed level number or entry, a colour or coin out of
    // range, or trailing garbage; never reads beyond the text.
    static bool Read(const std::string& text, int& level, std::vector<SCellState>& cells);
};
} // namespace NGame
