// The match: players per level, turn passing, level decisions.
#include "rules/Match.h"

#include "rules/AIPlayer.h"
#include "rules/MovingPlayer.h"

namespace NGame
{
CMatch::CMatch(int gameType, std::unique_ptr<CField> field, int humanStrength)
    : m_game_type(gameType), m_human_strength(humanStrength), m_field(std::move(field))
{
    StartLevel();
}

CMatch::~CMatch()
{
    // Players go before the board they point into.
    m_players.clear();
}

void CMatch::StartLevel()
{
    m_players.clear();
    const int mid = m_field->GetRows() / 2;
    const int last = m_field->RowLength(mid) - 1;
    if (m_human_strength >= 0)
        m_players.push_back(std::make_unique<CAIPlayer>(mid, 0, m_field.get(), m_human_strength));
    else if (m_game_type == kMovingGame)
        m_players.push_back(std::make_unique<CMovingPlayer>(mid, 0, m_field.get()));
    else
        m_players.push_back(std::make_unique<CPlayer>(mid, 0, m_field.get()));
    // The moving set's opponent only keeps its home: the race is the human's.
    m_ai_difficulty = m_game_type == kMovingGame ? 0 : CAIPlayer::DifficultyForLevel(m_field->GetLevel());
    m_players.push_back(std::make_unique<CAIPlayer>(mid, last, m_field.get(), m_ai_difficulty));
    m_current_player = 0;
    m_players[0]->BeginTurn();
}

void CMatch::StartAtLevel(int level)
{
    m_end_reported = false;
    m_players.clear();
    m_field->SetLevel(level);
    StartLevel();
    m_life_lost = false;
}

void CMatch::NextLevelOrRetry()
{
    m_end_reported = false;
    std::vector<int> money;
    std::vector<int> lives;
    for (const auto& player : m_players)
    {
        money.push_back(player->GetMoney());
        lives.push_back(player->GetLives());
    }
    m_players.clear();
    m_field->AdvanceLevel(m_life_lost ? 0 : 1);
    StartLevel();
    for (std::size_t i = 0; i < m_players.size() && i < money.size(); ++i)
    {
        m_players[i]->SetMoney(money[i]);
        m_players[i]->SetLives(lives[i]);
    }
    if (m_life_lost && !m_players.empty())
        m_players[0]->SetLives(m_players[0]->GetLives() - 1);
    m_life_lost = false;
}

int CMatch::Region(std::size_t player) const
{
    const CPlayer* p = GetPlayer(player);
    return p ? m_field->CountRegion(p->GetHomeRow(), p->GetHomeColumn()) : 0;
}

void CMatch::UpdateBoard(float elapsed)
{
    m_was_finished = m_field->IsLevelFinished();
    m_field->Update(elapsed);
    if (CPlayer* current = GetPlayer(static_cast<std::size_t>(m_current_player)))
        current->Update(elapsed);
}

void CMatch::AdvanceTurn(int lifePrice)
{
    PassTurn();
    if (m_game_type != kMovingGame && m_field->IsLevelFinished() && m_players.size() >= 2)
        DecideLevel(m_was_finished, lifePrice);
}

std::vector<CMatch::ELevelEnd> CMatch::TakeLevelEnds()
{
    std::vector<ELevelEnd> ends;
    ends.swap(m_ends);
    return ends;
}

void CMatch::PassTurn()
{
    CPlayer* current = GetPlayer(static_cast<std::size_t>(m_current_player));
    if (!current || current->GetState() != PlayerWaiting)
        return;
    if (m_game_type == kMovingGame)
    {
        // A finished level stands still under its message.
        if (m_field->IsLevelFinished())
            return;
        if (m_current_player == 0)
            m_field->TakeSnapshot();
        current->BeginTurn();
        m_field->StartShift(1);
        return;
    }
    if (!m_skip_pending)
        ++m_current_player;
    else
    {
        for (std::size_t i = 0; i < m_players.size(); ++i)
            if (static_cast<int>(i) != m_current_player)
                m_field->SetCellLit(m_players[i]->GetHomeRow(), m_players[i]->GetHomeColumn(), true);
        m_skip_pending = false;
    }
    if (m_current_player >= static_cast<int>(m_players.size()))
        m_current_player = 0;
    if (m_current_player == 0)
        m_field->TakeSnapshot();
    CPlayer& next = *m_players[static_cast<std::size_t>(m_current_player)];
    m_field->SetCellLit(next.GetHomeRow(), next.GetHomeColumn(), true);
    next.BeginTurn();
}

void CMatch::DecideLevel(bool wasFinished, int lifePrice)
{
    const int human = Region(0);
    const int opponent = Region(1);
    // Counted in the frame the level finishes, never again.
    if (!wasFinished)
        m_total_score += human;
    CPlayer& player = *m_players[0];
    if (human >= opponent)
        ReportEnd(kLevelCompleted);
    else if (player.GetLives() > 0)
    {
        m_life_lost = true;
        ReportEnd(kLevelLifeLost);
    }
    else if (!m_game_over && !m_life_lost)
    {
        // The life bought here is the one lost: the replay starts with none.
        if (player.Spend(lifePrice))
        {
            player.SetLives(1);
            m_life_lost = true;
            ReportEnd(kLevelLifeLost);
        }
        else
        {
            m_game_over = true;
            ReportEnd(kLevelGameOver);
        }
    }
}

void CMatch::ReportEnd(ELevelEnd end)
{
    if (m_end_reported)
        return;
    m_end_reported = true;
    m_ends.push_back(end);
}
} // namespace NGame
