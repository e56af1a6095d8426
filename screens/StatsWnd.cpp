// The statistics page: titles, a row per figure, a column per level set.
#include "screens/StatsWnd.h"

#include "catalogue/Texts.h"
#include "media/InterfaceResources.h"
#include "platform/KeyCodes.h"
#include "storage/Statistics.h"
#include "widgets/LayoutPosition.h"
#include "widgets/SimpleButton.h"

#include <cctype>
#include <string>

namespace NInterface
{
namespace
{
struct SFigureRow
{
    NTexts::EText m_caption;
    int CStatistics::SSet::*m_value;
};

constexpr SFigureRow kFigureRows[] = {
    {NTexts::EText::kStatsGames, &CStatistics::SSet::m_games},
    {NTexts::EText::kStatsWon, &CStatistics::SSet::m_won},
    {NTexts::EText::kStatsLost, &CStatistics::SSet::m_lost},
    {NTexts::EText::kStatsBestScore, &CStatistics::SSet::m_best_score},
    {NTexts::EText::kStatsLongestRun, &CStatistics::SSet::m_longest_run},
};

enum class EInk
{
    kTitle,   // white, outlined, as the top-7 title
    kHeading, // the set names
    kBody
};

// Left-aligned at x, or centred on it.
void Write(const std::string& text, float size, float x, float y, bool centred, EInk ink = EInk::kBody)
{
    const CInterfaceResources* resources = CInterfaceResources::Get();
    if (!resources)
        return;
    const CBitmapText& font = resources->m_font;
    const float left = centred ? x - font.TextWidth(text.c_str(), size) / 2.0f : x;
    if (ink == EInk::kTitle)
        font.DrawTextOutlined(text.c_str(), size, left, y, 0.0f, 1, 1, 1, 1, false, false);
    else if (ink == EInk::kHeading)
        font.DrawText(text.c_str(), size, left, y, 0.0f, 0.55f, 0.3f, 0.05f, 1, false, false);
    else
        font.DrawText(text.c_str(), size, left, y, 0.0f, 0.3f, 0.2f, 0.1f, 1, false, false);
}
} // namespace

CStatsWnd::CStatsWnd(const CStatistics* statistics)
    : CMenuWnd(NPlaces::kStatsFile, &CInterfaceResources::m_help_window_back,
               &CInterfaceResources::m_back_btn),
      m_statistics(statistics)
{
    const CPropertyFile& layout = Layout();
    m_places = ReadPlaces(layout, NPlaces::kStatsFile);
    m_row_step = ReadLength(layout, NPlaces::ELength::kStatsRowStep);
    m_column_step = ReadLength(layout, NPlaces::ELength::kStatsColumnStep);
    m_best_step = ReadLength(layout, NPlaces::ELength::kStatsBestStep);
}

void CStatsWnd::OnKeyDown(int key)
{
    if (key == NKey::kEnter)
        OnControl(CloseButton());
    else
        CMenuWnd::OnKeyDown(key);
}

void CStatsWnd::DrawUnderControls()
{
    if (!m_statistics)
        return;
    using NPlaces::EPlace;
    const NPlaces::SPlace& title = m_places[EPlace::kStatsTitle];
    Write(NTexts::Text(NTexts::EText::kStatsTitle), title.m_size, title.m_x, title.m_y, true, EInk::kTitle);
    const NPlaces::SPlace& header = m_places[EPlace::kStatsHeader];
    const NPlaces::SPlace& labels = m_places[EPlace::kStatsLabels];
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
    {
        const float x = header.m_x + m_column_step * static_cast<float>(set.m_id);
        std::string name = set.m_name;
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        Write(name, header.m_size, x, header.m_y, true, EInk::kHeading);
        float y = labels.m_y;
        for (const SFigureRow& row : kFigureRows)
        {
            Write(std::to_string(m_statistics->Set(set.m_id).*row.m_value), labels.m_size, x, y, true);
            y += m_row_step;
        }
    }
    float y = labels.m_y;
    for (const SFigureRow& row : kFigureRows)
    {
        Write(NTexts::Text(row.m_caption), labels.m_size, labels.m_x, y, false);
        y += m_row_step;
    }
    DrawBests(m_places[EPlace::kStatsBests].m_size);
}

// "level: moves" for every moving level finished, as many to a line as fit.
void CStatsWnd::DrawBests(float size) const
{
    const NPlaces::SPlace& at = m_places[NPlaces::EPlace::kStatsBests];
    Write(NTexts::Text(NTexts::EText::kStatsBests), size, at.m_x, at.m_y, false);
    constexpr float kRight = 720.0f;
    float x = at.m_x;
    float y = at.m_y + size * 1.6f;
    for (int level = 0; level < CStatistics::kMovingLevels; ++level)
    {
        const int best = m_statistics->BestMoves(level);
        if (best == 0)
            continue;
        if (x + m_best_step > kRight)
        {
            x = at.m_x;
            y += size * 1.4f;
        }
        Write(NTexts::Format(NTexts::EText::kStatsBest, level + 1, best), size, x, y, false);
        x += m_best_step;
    }
}
} // namespace NInterface
