// NInterface::CTopWnd: the top-7 lists, one page per level set.
#pragma once

#include "catalogue/Places.h"
#include "screens/MenuWnd.h"

#include <array>
#include <memory>

class CSimpleButton;
class CStatistics;
class CTopTable;

namespace NInterface
{
class CStatsWnd;

class CTopWnd final : public CMenuWnd
{
  public:
    static constexpr int kRows = 7;

    // The statistics page opens from here when `statistics` is given.
    explicit CTopWnd(const CTopTable* table, const CStatistics* statistics = nullptr);
    ~CTopWnd() override;

    // Pages outside the table's lists are brought back into it.
    void SetPage(int page);
    int GetPage() const { return m_page; }

    void OnControl(CControl* control) override;

    CSimpleButton* NextButton() const { return m_next.get(); }
    CSimpleButton* PrevButton() const { return m_prev.get(); }
    CSimpleButton* StatsButton() const { return m_stats_btn.get(); }
    CStatsWnd* StatsWindow() const { return m_stats.get(); }

  private:
    // The page's title and rows: rank, name and points, and the opponent
    // when it was not the level's own.
    void DrawUnderControls() override;
    void UpdatePageButtons();
    int PageCount() const;

    NPlaces::CPlaces m_places;
    const CTopTable* m_table;
    int m_page = 0;
    std::unique_ptr<CSimpleButton> m_next;
    std::unique_ptr<CSimpleButton> m_prev;
    std::unique_ptr<CSimpleButton> m_stats_btn;
    const CStatistics* m_statistics;
    std::unique_ptr<CStatsWnd> m_stats;
    float m_font_size;
    float m_num_space;
    float m_score_space;
    float m_opponent_space;
    float m_opponent_size;
    std::array<float, kRows> m_row_x{};
    std::array<float, kRows> m_row_y{};
};
} // namespace NInterface
