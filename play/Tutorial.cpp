// The tutorial's order, the wrong-colour hint and the open hints.
#include "play/Tutorial.h"

#include "play/GameHint.h"
#include "play/GameResources.h"
#include "rules/Field.h"
#include "storage/Settings.h"

namespace NGame
{
CTutorial::CTutorial(CScreen* owner, CGameResources& resources, const NPlaces::CPlaces& places, bool moving)
    : m_owner(owner), m_resources(resources), m_places(places), m_moving(moving)
{
}

CTutorial::~CTutorial() = default;

void CTutorial::Update(float elapsed)
{
    if (!Settings().m_hints)
        m_hints.clear();
    for (auto it = m_hints.begin(); it != m_hints.end();)
        it = (*it)->Update(elapsed) ? m_hints.erase(it) : it + 1;
}

void CTutorial::Draw()
{
    for (auto& hint : m_hints)
        hint->Draw();
}

void CTutorial::OnMouseMove(int x, int y)
{
    for (auto& hint : m_hints)
        hint->OnMouseMove(x, y);
}

void CTutorial::OnLButtonDown(int x, int y)
{
    for (auto& hint : m_hints)
        hint->OnLButtonDown(x, y);
}

void CTutorial::OnLButtonUp(int x, int y)
{
    for (auto& hint : m_hints)
        hint->OnLButtonUp(x, y);
}

void CTutorial::CloseAll()
{
    for (auto& hint : m_hints)
        hint->Close();
}

CGameHint* CTutorial::OpenHint(int record)
{
    if (record < 0 || static_cast<std::size_t>(record) >= m_resources.GetHintCount())
        return nullptr;
    m_hints.push_back(
        std::make_unique<CGameHint>(static_cast<std::uint32_t>(record), m_owner, m_resources, m_places));
    return m_hints.back().get();
}

void CTutorial::OnTurn(const CField& field)
{
    if (m_progress < m_resources.GetTutorialLength() && m_hints.empty())
        OpenNextGroup(field);
}

void CTutorial::OnWrongPick()
{
    // The moving set has no forbidden colours: its player never marks a
    // click as valid, and every move would open the hint.
    if (m_moving || m_wrong_pick_hints >= 2)
        return;
    ++m_wrong_pick_hints;
    OpenHint(m_resources.GetWrongColourHint());
}

void CTutorial::OpenNextGroup(const CField& field)
{
    // Groups of the tutorial by the progress they start from; a short hints
    // file leaves numbers out, and the step still moves on.
    struct SStep
    {
        int m_from;
        int m_first;
        int m_last;
    };
    static constexpr SStep kSteps[] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 4}, {5, 5, 5},
                                       {6, 6, 7}, {8, 8, 8}, {9, 9, 9}};
    const int length = m_resources.GetTutorialLength();
    if (m_moving)
    {
        // The tutorial speaks of owning half the garden and of coins, which
        // the moving set has not: it opens hints of its own instead.
        for (const int record : m_resources.GetMovingHints())
            OpenHint(record);
        m_progress = length;
        return;
    }
    for (const SStep& step : kSteps)
    {
        if (step.m_from != m_progress)
            continue;
        for (int record = step.m_first; record <= step.m_last; ++record)
        {
            CGameHint* hint = record < length ? OpenHint(record) : nullptr;
            if (hint && record == 7)
            {
                float x = 0.0f;
                float y = 0.0f;
                field.CellPosition(field.GetRows() / 3, 4, x, y);
                hint->MoveTo(x, y);
            }
        }
        m_progress = step.m_last + 1;
        return;
    }
}
} // namespace NGame
