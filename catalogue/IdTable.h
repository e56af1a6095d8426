// The catalogue's tables stand in the order of their ids, so that an id finds
// its row by index; this check makes a row out of place fail the build.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace NCatalogue
{
template <typename TRow, std::size_t N> constexpr bool InIdOrder(const std::array<TRow, N>& table)
{
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(table[i].m_id) != i)
            return false;
    return true;
}

// The rows' names as a reader would list them: "a, b or c".
template <typename TRow, std::size_t N> std::string NameList(const std::array<TRow, N>& table)
{
    std::string list;
    for (std::size_t i = 0; i < N; ++i)
        list += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(table[i].m_name);
    return list;
}
} // namespace NCatalogue
