// The board's layout for a level: its size, where each cell's centre lies in
// the 800 x 600 screen units the level masks are addressed in, and which
// cells touch. The board and the data generator both use it, so that a mask
// is drawn for exactly the cells the game reads it under.
#pragma once

#include <array>

namespace NGame
{
struct SCellPos
{
    int m_row = -1;
    int m_column = -1;
    bool operator==(const SCellPos& other) const
    {
        return m_row == other.m_row && m_column == other.m_column;
    }
};

// A hexagon of hexagonal cells: an odd number of rows, the middle one the
// longest, every row one cell shorter per row of distance from the middle.
// Row and column 0 are the top row and each row's left end.
class CBoardGeometry
{
  public:
    static constexpr int kMaskWidth = 800;

    // An empty board: no rows, no cells.
    CBoardGeometry() = default;
    // The board of a level; levels repeat their shapes every hundred.
    explicit CBoardGeometry(int level);

    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    int Mid() const { return m_rows / 2; }
    float CellWidth() const { return m_cell_width; }
    float RowPitch() const { return m_row_pitch; }
    // 0 for a row off the board.
    int RowLength(int row) const;
    bool IsValid(int row, int column) const;
    int CellCount() const;
    // The cell's place in the row-by-row list of all cells, the order in
    // which the level-state text lists them; the cell must be valid.
    int IndexOf(int row, int column) const;

    void Position(int row, int column, float& x, float& y) const;
    // The cell whose area holds the point, by truncation towards zero; the
    // caller tests validity. A point no int can address gives {-1, -1}.
    SCellPos CellAt(float x, float y) const;
    // Index of the mask byte under the cell's centre in a mask kMaskWidth
    // bytes wide; -1 when the centre lies outside that width.
    long long MaskIndex(int row, int column) const;
    // The six positions around a cell, some perhaps off the board, in a fixed
    // order: (r-1, c), (r+1, c), (r, c-1), (r, c+1), then the two diagonal
    // ones that the rows' shift towards the middle brings next to it. The
    // order decides how the rules' walks and the opponent's search proceed.
    std::array<SCellPos, 6> Neighbours(int row, int column) const;

  private:
    int m_columns = 0;
    int m_rows = 0;
    float m_cell_width = 0.0f;
    float m_row_pitch = 0.0f;
    float m_origin_x = 0.0f;
    float m_origin_y = 0.0f;
};
} // namespace NGame
