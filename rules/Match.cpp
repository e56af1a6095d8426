// The match: players per level, turn passing, the bonuses of the human's
// turn, level decisions and the moments a saved game is made of.
#include "rules/Match.h"

#include "rules/AIPlayer.h"
#include "rules/BonusKinds.h"
#include "rules/MovingPlayer.h"

#include <algorithm>

namespace NGame
{
CMatch::CMatch(int gameType, std::unique_ptr<CField> field, int humanStrength, int opponent)
    : m_game_type(gameType), m_human_strength(humanStrength), m_opponent(NOpponents::FromStored(opponent)),
      m_field(std::move(field))
{
    StartLevel();
    RecordMoment(kMomentOpening);
}

CMatch::~CMatch()
{
    // Bonuses and players go before the board they point into.
    m_bonuses.clear();
    m_players.clear();
}

void CMatch::StartLevel()
{
    // Nothing bought in one level acts in another.
    m_bonuses.clear();
    m_settle_pending = false;
    m_decided = false;
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
    m_ai_difficulty =
        m_game_type == kMovingGame ? 0 : CAIPlayer::DifficultyFor(m_field->GetLevel(), m_opponent);
    m_players.push_back(std::make_unique<CAIPlayer>(mid, last, m_field.get(), m_ai_difficulty));
    m_current_player = 0;
    m_players[0]->BeginTurn();
}

void CMatch::StartAtLevel(int level)
{
    m_field->SetLevel(level);
    StartLevel();
    m_life_lost = false;
    RecordMoment(kMomentOpening);
}

void CMatch::NextLevelOrRetry()
{
    m_bonuses.clear();
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
    RecordMoment(kMomentOpening);
}

int CMatch::Region(std::size_t player) const
{
    const CPlayer* p = GetPlayer(player);
    return p ? m_field->CountRegion(p->GetHomeRow(), p->GetHomeColumn()) : 0;
}

void CMatch::UpdateBoard(float elapsed)
{
    m_field->Update(elapsed);
    if (CPlayer* current = GetPlayer(static_cast<std::size_t>(m_current_player)))
        current->Update(elapsed);
    NoteSnapshot();
}

void CMatch::AdvanceTurn(int lifePrice)
{
    PassTurn();
    NoteSnapshot();
    if (!m_bonuses.empty() || !m_field->IsIdle())
        return;
    if (m_settle_pending)
    {
        // The turn's bonuses have done their work: the human, still to move,
        // would otherwise lose them to a crash.
        m_settle_pending = false;
        const CPlayer* human = GetPlayer(0);
        if (!m_field->IsLevelFinished() && m_current_player == 0 && human && human->GetState() == PlayerTurn)
            Checkpoint(kMomentBonuses);
    }
    if (m_decided || !m_field->IsLevelFinished() || m_players.size() < 2)
        return;
    // The finished board before it is counted: a game resumed from here
    // decides the level again, once, exactly as it is decided now.
    Checkpoint(kMomentFinished);
    m_decided = true;
    if (m_game_type != kMovingGame)
        DecideLevel(lifePrice);
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
        // The turn is complete only once the garden has moved on: the
        // board's snapshot after the refill is the one to keep.
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
    {
        m_field->TakeSnapshot();
        RecordMoment(kMomentTurn);
    }
    CPlayer& next = *m_players[static_cast<std::size_t>(m_current_player)];
    m_field->SetCellLit(next.GetHomeRow(), next.GetHomeColumn(), true);
    next.BeginTurn();
}

void CMatch::DecideLevel(int lifePrice)
{
    CPlayer& player = *m_players[0];
    // A skip bought in the level's last turn has no turn left to skip; it
    // would otherwise be spent on the next level's opponent unasked.
    if (m_skip_pending)
    {
        m_skip_pending = false;
        player.SetMoney(player.GetMoney() + m_skip_price);
    }
    const int human = Region(0);
    const int opponent = Region(1);
    m_total_score += human;
    if (human >= opponent)
        ReportEnd(kLevelCompleted);
    else if (player.GetLives() > 0)
    {
        m_life_lost = true;
        ReportEnd(kLevelLifeLost);
    }
    else if (player.Spend(lifePrice))
    {
        // The life bought here is the one lost: the replay starts with none.
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

void CMatch::ReportEnd(ELevelEnd end)
{
    m_ends.push_back(end);
}

// ---------------------------------------------------------------- bonuses

bool CMatch::BarLocked() const
{
    return m_current_player != 0 || m_players.empty() || !m_field->IsIdle() || m_field->IsLevelFinished() ||
           m_decided || m_game_over;
}

bool CMatch::CanBuyBonus(int kind, int price) const
{
    const CPlayer* human = GetPlayer(0);
    if (BarLocked() || !human || human->GetMoney() < price)
        return false;
    // One skip at a time; the moving set's opponent has no turn to miss.
    if (kind == BonusSkipMove && (m_skip_pending || m_game_type == kMovingGame))
        return false;
    return NGame::CanBuyBonus(kind, *m_field);
}

bool CMatch::BuyBonus(int kind, int price)
{
    if (!CanBuyBonus(kind, price))
        return false;
    CPlayer& human = *m_players[0];
    std::unique_ptr<CBonus> bonus =
        m_bonus_maker ? m_bonus_maker(kind, *m_field, human) : CreateBonus(kind, *m_field, human);
    // Paid only once the bonus exists, so a bonus that cannot be made costs nothing.
    if (!bonus || !human.Spend(price))
        return false;
    m_bonuses.push_back({std::move(bonus), price});
    if (kind == BonusSkipMove)
    {
        m_skip_pending = true;
        m_skip_price = price;
    }
    return true;
}

void CMatch::UpdateBonuses(float elapsed)
{
    if (m_bonuses.empty())
        return;
    for (auto it = m_bonuses.begin(); it != m_bonuses.end();)
    {
        if (!it->m_bonus->Update(elapsed))
        {
            ++it;
            continue;
        }
        if (!it->m_bonus->HasActed() && !m_players.empty())
            m_players[0]->SetMoney(m_players[0]->GetMoney() + it->m_price);
        it = m_bonuses.erase(it);
    }
    if (!m_bonuses.empty())
        return;
    for (std::size_t i = 0; i < m_players.size() && i < 2; ++i)
        m_field->SettleTerritory(m_players[i]->GetHomeRow(), m_players[i]->GetHomeColumn());
    // The coins the human's zone took are paid now, with the board that
    // shows them gone, so that no moment holds them twice or not at all.
    if (!m_players.empty())
        for (const SCollectedCoin& coin : m_field->CollectedCoins())
            m_players[0]->SetMoney(m_players[0]->GetMoney() + std::max(0, CPlayer::CoinValue(coin.m_kind)));
    m_field->CollectedCoins().clear();
    m_settle_pending = true;
}

void CMatch::SetBonusMaker(BonusMaker maker)
{
    m_bonus_maker = std::move(maker);
}

// ---------------------------------------------------------------- moments

void CMatch::Checkpoint(EMomentKind kind)
{
    // An opening is saved as the opening will leave the board.
    if (m_field->GetState() != Intro)
        m_field->TakeSnapshot();
    RecordMoment(kind);
}

void CMatch::RecordMoment(EMomentKind kind)
{
    m_seen_snapshots = m_field->GetSnapshotCount();
    SMoment moment;
    moment.m_kind = kind;
    if (!m_field->SaveState(moment.m_board))
        return;
    if (const CPlayer* human = GetPlayer(0))
    {
        moment.m_money = human->GetMoney();
        moment.m_lives = human->GetLives();
        moment.m_moves = human->GetMoves();
    }
    moment.m_score = m_total_score;
    moment.m_skip_pending = m_skip_pending;
    m_moment = std::move(moment);
    ++m_moment_count;
}

void CMatch::NoteSnapshot()
{
    if (m_field->GetSnapshotCount() != m_seen_snapshots)
        RecordMoment(kMomentTurn);
}

void CMatch::RestoreSkipPending(int price)
{
    const CPlayer* opponent = GetPlayer(1);
    if (m_game_type == kMovingGame || !opponent)
        return;
    m_skip_pending = true;
    m_skip_price = price;
    // Dimmed directly: the resumed board is still opening.
    if (CCell* home = m_field->GetCell(opponent->GetHomeRow(), opponent->GetHomeColumn()))
        home->SetLit(false);
}
} // namespace NGame
