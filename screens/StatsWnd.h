// NInterface::CStatsWnd: the statistics page, opened from the top-7 screen: a
// column of figures for each level set and the moving levels' fewest moves.
#pragma once

#include "catalogue/Places.h"
#include "screens/MenuWnd.h"

class CStatistics;

namespace NInterface
{
class CStatsWnd final : public CMenuWnd
{
  public:
    explicit CStatsWnd(const CStatistics* statistics);

    // Enter closes the page as Escape and the button do.
    void OnKeyDown(int key) override;

  private:
    void DrawUnderControls() override;
    void DrawBests(float size) const;

    const CStatistics* m_statistics;
    NPlaces::CPlaces m_places;
    float m_row_step;
    float m_column_step;
    float m_best_step;
};
} // namespace NInterface
