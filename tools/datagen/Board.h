// The board's cells for a level as the generator walks them, and the check
// that a mask leaves a level playable. The layout itself is the game's own
// (rules/BoardGeometry.h), so the masks fit the boards that read them.
#pragma once

#include "rules/BoardGeometry.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace NDatagen
{
using NGame::CBoardGeometry;

constexpr int kMaskWidth = CBoardGeometry::kMaskWidth;
constexpr int kMaskHeight = 600;

struct SBoardCell
{
    int row, column;
    float x, y;
};

// Every cell of the board, row by row, with its centre.
std::vector<SBoardCell> BoardCells(const CBoardGeometry& g);
// The cells touching (row, column) that lie on the board.
std::vector<std::pair<int, int>> BoardNeighbours(const CBoardGeometry& g, int row, int column);

// Which cells of the board for this level are holes under the mask, and
// whether every playable cell is reachable from both homes.
struct SMaskReport
{
    int playable = 0;
    int holes = 0;
    bool homesPlayable = false; // both homes and the human's start cluster
    bool connected = false;     // every playable cell reached from both homes
};
SMaskReport CheckMask(const std::vector<uint8_t>& mask, int level);
} // namespace NDatagen
