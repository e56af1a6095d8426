// The top-7 screen: rank, name and points of each entry, page buttons.
#include "screens/TopWnd.h"

#include "catalogue/Texts.h"
#include "framework/Application.h"
#include "media/InterfaceResources.h"
#include "play/TopTable.h"
#include "screens/StatsWnd.h"
#include "widgets/LayoutPosition.h"
#include "widgets/SimpleButton.h"

#include <algorithm>
#include <cstdio>

namespace NInterface
{
CTopWnd::CTopWnd(const CTopTable* table, const CStatistics* statistics)
    : CMenuWnd(NPlaces::kTopFile, &CInterfaceResources::m_top_window_back, &CInterfaceResources::m_back_btn),
      m_table(table), m_statistics(statistics)
{
    m_next = MakeButton("m_next_btn", &CInterfaceResources::m_top_next_btn);
    m_prev = MakeButton("m_prev_btn", &CInterfaceResources::m_top_prev_btn);
    m_stats_btn = MakeButton("m_stats_btn", &CInterfaceResources::m_stats_btn);
    m_stats_btn->SetVisible(m_statistics != nullptr);
    const CPropertyFile& layout = Layout();
    m_places = ReadPlaces(layout, NPlaces::kTopFile);
    m_font_size = layout.GetFloat("m_font_size", 10.0f);
    m_num_space = layout.GetFloat("m_num_space", 30.0f);
    m_score_space = layout.GetFloat("m_score_space", 400.0f);
    m_opponent_space = layout.GetFloat("m_opponent_space", 100.0f);
    m_opponent_size = layout.GetFloat("m_opponent_size", 14.0f);
    for (int row = 0; row < kRows; ++row)
    {
        char key[32];
        std::snprintf(key, sizeof key, "string_pos_%02d.x", row);
        m_row_x[row] = layout.GetFloat(key, 0.0f);
        std::snprintf(key, sizeof key, "string_pos_%02d.y", row);
        m_row_y[row] = layout.GetFloat(key, 0.0f);
    }
    UpdatePageButtons();
}

CTopWnd::~CTopWnd()
{
    // Quitting from the statistics leaves them on the stack.
    if (CApplication* app = CApplication::Get(); app && m_stats)
        app->RemoveScreen(m_stats.get());
}

int CTopWnd::PageCount() const
{
    return m_table ? m_table->GetListCount() : 0;
}

void CTopWnd::SetPage(int page)
{
    m_page = std::clamp(page, 0, std::max(PageCount() - 1, 0));
    UpdatePageButtons();
}

void CTopWnd::UpdatePageButtons()
{
    m_prev->SetVisible(m_page > 0);
    m_next->SetVisible(m_page < PageCount() - 1);
}

void CTopWnd::DrawUnderControls()
{
    UpdatePageButtons();
    const CInterfaceResources* resources = CInterfaceResources::Get();
    if (!resources || !m_table || m_page >= PageCount())
        return;
    const CBitmapText& font = resources->m_font;
    char text[32];
    for (int row = 0; row < kRows; ++row)
    {
        const float x = m_row_x[row];
        const float y = m_row_y[row];
        font.DrawTextOutlined(NTexts::Format(NTexts::EText::kTableRank, row + 1).c_str(), m_font_size,
                              x - m_num_space, y, 0.0f, 1, 1, 1, 1, false, false);
        font.DrawTextOutlined(m_table->GetName(m_page, row).c_str(), m_font_size, x, y, 0.0f, 1, 1, 1, 1,
                              false, false);
        std::snprintf(text, sizeof text, "%d", m_table->GetPoints(m_page, row));
        font.DrawTextOutlined(text, m_font_size, x + m_score_space, y, 0.0f, 1, 1, 1, 1, false, false);
        const int opponent = m_table->GetOpponent(m_page, row);
        if (opponent != NOpponents::kLevel)
            font.DrawTextOutlined(NTexts::Text(NOpponents::kOpponents[opponent].m_caption), m_opponent_size,
                                  x - m_opponent_space, y, 0.0f, 1, 1, 1, 1, false, false);
    }
    const char* title =
        NTexts::Text(m_page == 0 ? NTexts::EText::kClassicTable : NTexts::EText::kAdvancedTable);
    const float size = m_font_size * 1.4f;
    const NPlaces::SPlace& at = m_places[NPlaces::EPlace::kTopTitle];
    font.DrawTextOutlined(title, size, at.m_x - font.TextWidth(title, size) / 2.0f, at.m_y, 0.0f, 1, 1, 1, 1,
                          false, false);
}

void CTopWnd::OnControl(CControl* control)
{
    CMenuWnd::OnControl(control);
    if (control == m_next.get())
        SetPage(m_page + 1);
    else if (control == m_prev.get())
        SetPage(m_page - 1);
    else if (control == m_stats_btn.get() && m_statistics)
    {
        // The page closes itself; the one closed before goes when a new one opens.
        m_stats = std::make_unique<CStatsWnd>(m_statistics);
        if (CApplication* app = CApplication::Get())
            app->PushScreen(m_stats.get());
    }
}
} // namespace NInterface
