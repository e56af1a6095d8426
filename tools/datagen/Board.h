// The board's cell layout for a level number, in the 800 x 600 screen units
// that the level masks are addressed in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace NDatagen
{
constexpr int kMaskWidth = 800;
constexpr int kMaskHeight = 600;
constexpr int kLevelFiles = 20; // classic and advanced sets; also the refill index of the moving set

struct SCellPos
{
    int row, column;
    float x, y;
};

class CBoardGeometry
{
  public:
    explicit CBoardGeometry(int level);

    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    int Mid() const { return m_rows / 2; }
    float CellWidth() const { return m_cellWidth; }
    float RowPitch() const { return m_rowPitch; }
    int RowLength(int row) const;
    bool IsValid(int row, int column) const;
    std::pair<float, float> Position(int row, int column) const;
    std::vector<SCellPos> Cells() const;
    std::vector<std::pair<int, int>> Neighbours(int row, int column) const;

    // The mask byte that decides the cell (row, column); the same index the
    // board computes from the cell's centre.
    size_t MaskIndex(int row, int column) const;

  private:
    int m_columns = 0;
    int m_rows = 0;
    float m_cellWidth = 0;
    float m_rowPitch = 0;
    float m_originX = 0;
    float m_originY = 0;
};

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
