// Writing and checked reading of the level-state text.
#include "rules/LevelState.h"

#include <cstdio>

namespace NGame
{
namespace
{
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A two-digit field followed by one space at `pos`.
bool ReadPair(const std::string& text, std::size_t pos, int& value)
{
    if (pos + 3 > text.size() || !IsDigit(text[pos]) || !IsDigit(text[pos + 1]) || text[pos + 2] != ' ')
        return false;
    value = (text[pos] - '0') * 10 + (text[pos + 1] - '0');
    return true;
}
} // namespace

std::string CLevelState::Write(int level, const std::vector<SCellState>& cells)
{
    std::string text;
    text.reserve(4 + cells.size() * 3);
    char item[32];
    std::snprintf(item, sizeof item, "%03d ", level);
    text += item;
    for (const SCellState& cell : cells)
    {
        if (cell.m_colour < 0 && cell.m_hidden >= 0 && cell.m_coin >= 0)
            std::snprintf(item, sizeof item, "%02d %02d %02d ", kHiddenCoinMarker, cell.m_hidden,
                          cell.m_coin);
        else if (cell.m_colour < 0 && cell.m_hidden >= 0)
            std::snprintf(item, sizeof item, "%02d %02d ", kHiddenMarker, cell.m_hidden);
        else if (cell.m_colour < 0)
            std::snprintf(item, sizeof item, "%02d ", kHoleMarker);
        else if (cell.m_coin >= 0)
            std::snprintf(item, sizeof item, "%02d %02d %02d ", kCoinMarker, cell.m_colour, cell.m_coin);
        else
            std::snprintf(item, sizeof item, "%02d ", cell.m_colour);
        text += item;
    }
    return text;
}

bool CLevelState::Read(const std::string& text, int& level, std::vector<SCellState>& cells)
{
    // Level numbers are written with at least three digits; stop at the space.
    std::size_t pos = 0;
    long number = 0;
    while (pos < text.size() && IsDigit(text[pos]))
    {
        number = number * 10 + (text[pos] - '0');
        if (number > 99999)
            return false;
        ++pos;
    }
    if (pos < 3 || pos >= text.size() || text[pos] != ' ')
        return false;
    ++pos;

    std::vector<SCellState> read;
    while (pos < text.size())
    {
        int value = 0;
        if (!ReadPair(text, pos, value))
            return false;
        pos += 3;
        SCellState cell;
        if (value == kHoleMarker)
        {
            cell.m_colour = -3;
        }
        else if (value == kCoinMarker)
        {
            if (!ReadPair(text, pos, cell.m_colour) || !ReadPair(text, pos + 3, cell.m_coin))
                return false;
            pos += 6;
            if (cell.m_colour > 5 || cell.m_coin > 4)
                return false;
        }
        else if (value == kHiddenMarker || value == kHiddenCoinMarker)
        {
            cell.m_colour = -3;
            if (!ReadPair(text, pos, cell.m_hidden))
                return false;
            pos += 3;
            if (value == kHiddenCoinMarker)
            {
                if (!ReadPair(text, pos, cell.m_coin))
                    return false;
                pos += 3;
            }
            if (cell.m_hidden > 5 || cell.m_coin > 4)
                return false;
        }
        else if (value <= 5)
        {
            cell.m_colour = value;
        }
        else
        {
            return false;
        }
        read.push_back(cell);
    }
    level = static_cast<int>(number);
    cells = std::move(read);
    return true;
}
} // namespace NGame
