// The board's drawing: the background, the preview, the flowers and what
// moves over them, and the comparison that lets a frame redraw only the
// flowers that changed.
#include "rules/Field.h"

#include "platform/Gl.h"

#include <algorithm>
#include <cmath>

namespace NGame
{
void CField::DrawBackground() const
{
    if (NGl::IsHeadless())
        return;
    NGl::BindTexture(m_resources.m_background);
    NGl::Enable(GL_TEXTURE_2D);
    // Pictures are stored bottom row first: t = 1 is the picture's top edge.
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, 1.0f);
    NGl::Vertex(-112.0f, -212.0f);
    NGl::TexCoord(1.0f, 1.0f);
    NGl::Vertex(912.0f, -212.0f);
    NGl::TexCoord(1.0f, 0.0f);
    NGl::Vertex(912.0f, 812.0f);
    NGl::TexCoord(0.0f, 0.0f);
    NGl::Vertex(-112.0f, 812.0f);
    NGl::End();
}

void CField::DrawPreview() const
{
    if (NGl::IsHeadless())
        return;
    NGl::BindTexture(m_resources.m_background);
    NGl::Enable(GL_TEXTURE_2D);
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.109375f, 0.79296875f);
    NGl::Vertex(0.0f, 0.0f);
    NGl::TexCoord(0.890625f, 0.79296875f);
    NGl::Vertex(800.0f, 0.0f);
    NGl::TexCoord(0.890625f, 0.20703125f);
    NGl::Vertex(800.0f, 600.0f);
    NGl::TexCoord(0.109375f, 0.20703125f);
    NGl::Vertex(0.0f, 600.0f);
    NGl::End();
    // One draw call per cell would make the renderer keep a copy of the
    // drawing state for each of them until the frame is done: megabytes.
    NGl::CQuadBatchScope batch;
    for (int r = 0; r < m_geometry.Rows(); ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c])
                m_cells[r][c]->DrawPlain();
}

void CField::Draw() const
{
    DrawFlowers();
    DrawOverlay();
}

void CField::DrawFlowers() const
{
    const float everywhere[4] = {-1e9f, -1e9f, 1e9f, 1e9f};
    DrawFlowers(everywhere);
}

void CField::DrawFlowers(const float area[4]) const
{
    if (NGl::IsHeadless())
        return;
    const auto reaches = [area](const CCell& cell)
    {
        const float reach = std::fabs(cell.GetSize() * cell.GetSizeFactor()) * 0.7072f + 2.0f;
        return cell.GetX() + reach >= area[0] && cell.GetX() - reach <= area[2] &&
               cell.GetY() + reach >= area[1] && cell.GetY() - reach <= area[3];
    };
    // Over a thousand small sprites: submitted in batches, one call per sheet.
    NGl::CQuadBatchScope batch;
    const CCell* magnified = GetCell(m_hovered.m_row, m_hovered.m_column);
    // Spinning cells are drawn last so that they lie on top of their neighbours.
    for (int pass = 0; pass < 2; ++pass)
        for (int r = 0; r < m_geometry.Rows(); ++r)
            for (int c = 0; c < RowLength(r); ++c)
            {
                const CCell* cell = m_cells[r][c].get();
                if (cell && cell != magnified && cell->IsHover() == (pass == 1) && reaches(*cell))
                    cell->Draw();
            }
}

void CField::DrawOverlay() const
{
    if (NGl::IsHeadless())
        return;
    NGl::CQuadBatchScope batch;
    const CCell* magnified = GetCell(m_hovered.m_row, m_hovered.m_column);
    for (int r = 0; r < m_geometry.Rows(); ++r)
        for (int c = 0; c < RowLength(r); ++c)
            if (m_cells[r][c] && m_cells[r][c].get() != magnified)
                m_cells[r][c]->DrawCoins();
    if (magnified)
    {
        magnified->Draw();
        magnified->DrawCoins();
    }
    for (const auto& insect : m_insects)
        insect->Draw();
}

void CField::AppendFlowersLook(std::vector<double>& look) const
{
    look.push_back(m_resources.m_background);
    look.push_back(m_geometry.Rows());
    look.push_back(m_hovered.m_row);
    look.push_back(m_hovered.m_column);
    for (int r = 0; r < m_geometry.Rows(); ++r)
        for (int c = 0; c < RowLength(r); ++c)
        {
            if (m_cells[r][c])
                m_cells[r][c]->AppendLook(look);
            else
                CCell::AppendNoLook(look);
        }
}

bool CField::ChangedFlowersArea(const double* before, const double* after, std::size_t size, float area[4])
{
    constexpr std::size_t kHeader = 4;
    area[0] = area[1] = 1e9f;
    area[2] = area[3] = -1e9f;
    if (size < kHeader || (size - kHeader) % CCell::kLookSize != 0 ||
        !std::equal(before, before + kHeader, after))
        return false;
    for (std::size_t i = kHeader; i < size; i += CCell::kLookSize)
        if (!std::equal(before + i, before + i + CCell::kLookSize, after + i))
        {
            CCell::ExtendByLook(before + i, area);
            CCell::ExtendByLook(after + i, area);
        }
    return true;
}

void CField::DrawCell(int row, int column) const
{
    const CCell* cell = GetCell(row, column);
    if (!cell || cell->IsHole())
        return;
    cell->Draw();
    cell->DrawCoins();
}

void CField::DrawCellShadow(int row, int column) const
{
    const CCell* cell = GetCell(row, column);
    if (!cell || cell->IsHole())
        return;
    cell->DrawTinted(0.0f, 0.0f, 0.0f, 2.0f);
    cell->DrawCoins();
}

void CField::ScaleCell(int row, int column, float factor)
{
    CCell* cell = GetCell(row, column);
    if (!cell || cell->IsHole() || cell->IsHover())
        return;
    const float size = cell->GetSize();
    cell->SetSize(size + (size * factor - size) / 5.0f);
}
} // namespace NGame
