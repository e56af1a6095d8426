// The game screen's frame: the match's turn, level changes, the bonus bar and
// the hints.
#include "play/Game.h"

#include "catalogue/Texts.h"
#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/Music.h"
#include "media/Sound.h"
#include "platform/KeyCodes.h"
#include "play/EnterNameDlg.h"
#include "play/GameHint.h"
#include "play/TopTable.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"
#include "storage/Settings.h"
#include "widgets/LayoutPosition.h"
#include "widgets/SimpleButton.h"
#include "widgets/SimpleEdit.h"

#include <cstdio>
#include <cstdlib>

namespace NGame
{
CField::LevelReached RecordLevelReached(CSettings& settings)
{
    return [&settings](CField::ELevelSet set, int level)
    {
        int& record = settings.LevelRecord(set);
        if (record < level)
            record = level;
    };
}

CGame::CGame(int gameType, CTopTable* topTable) : CGame(gameType, topTable, DataFileMasks()) {}

CGame::CGame(int gameType, CTopTable* topTable, CField::MaskReader masks)
    : m_game_type(gameType), m_resources(GetGameResources()), m_top_table(topTable)
{
    CreateBoard(std::move(masks));
    m_press_x = -1;
    m_press_y = -1;
    NAudio::TheMusic().Play(-1);
    CreateControls();
}

CGame::~CGame()
{
    // Hints point into the board.
    m_hints.clear();
}

void CGame::CreateBoard(CField::MaskReader masks)
{
    const SFieldResources sheets = m_resources->BoardSheets();

    const char* directory = "dat/levels_classic";
    int count = m_resources->GetClassicLevels();
    int advanced = 0;
    if (m_game_type == kAdvancedGame)
    {
        directory = "dat/levels_duel";
        count = m_resources->GetAdvancedLevels();
        advanced = 1;
    }
    else if (m_game_type == kMovingGame)
    {
        directory = "dat/levels_moving";
        count = m_resources->GetMovingLevels();
    }
    auto field = std::make_unique<CField>(directory, count, advanced, sheets, std::move(masks));
    field->SetRefillLevelsCount(m_resources->GetClassicLevels());
    field->SetLevelReached(RecordLevelReached(Settings()));
    m_match = std::make_unique<CMatch>(m_game_type, std::move(field));
    m_field = &m_match->GetField();
    m_reported_moment = m_match->GetMomentCount();
    m_painter = m_resources->BoardPainter();
}

void CGame::CreateControls()
{
    CPropertyFile layout;
    if (const CFileSystem* files = CFileSystem::Get())
        layout.Load(*files, NPlaces::kGameFile, true);
    m_places = ReadPlaces(layout, NPlaces::kGameFile);
    auto make = [&](CTexture* texture, const std::string& name)
    {
        auto button = std::make_unique<CSimpleButton>(this, texture);
        button->LoadLayout(layout, name);
        AddControl(button.get());
        return button;
    };
    m_main_menu_button = make(m_resources->GetMainMenuButton(), "m_main_menu_btn");
    for (int i = 0; i < BonusKindCount; ++i)
        m_bonus_buttons[i] = make(m_resources->GetBonusButton(i), kBonusTable[i].ButtonName());
    if (const CSprite* marker = m_resources->GetMarker())
    {
        m_marker = std::make_unique<CSprite>(*marker);
        m_marker->SetBlend(true);
        m_marker->SetFlip(true);
    }
    UpdateBonusButtons();
}

// ---------------------------------------------------------------- levels

void CGame::StartLevel()
{
    m_match->StartLevel();
}

void CGame::StartAtLevel(int level)
{
    m_match->StartAtLevel(level);
}

void CGame::NextLevelOrRetry()
{
    m_match->NextLevelOrRetry();
}

void CGame::ConcludeLevel()
{
    if (!m_match->IsLevelDecided())
        return;
    if (!IsGameOver())
    {
        NextLevelOrRetry();
        return;
    }
    if (m_name_entered || !m_top_table || !m_top_table->Qualifies(m_game_type, GetTotalScore()))
        return;
    std::string name = m_name_dialog ? m_name_dialog->Edit()->GetText() : std::string();
    if (name.empty())
        name = m_top_table->GetLastName();
    m_top_table->Insert(m_game_type, GetTotalScore(), name);
    m_name_entered = true;
}

// ---------------------------------------------------------------- frame

void CGame::Update(float elapsed)
{
    UpdateTurnMarker();
    m_match->UpdateBonuses(elapsed);

    if (!Settings().m_hints)
        m_hints.clear();
    for (auto it = m_hints.begin(); it != m_hints.end();)
        it = (*it)->Update(elapsed) ? m_hints.erase(it) : it + 1;

    if (CApplication* app = CApplication::Get())
    {
        int x = 0;
        int y = 0;
        app->GetCursorClientPos(x, y);
        m_field->SetPointer(static_cast<float>(x), static_cast<float>(y),
                            app->Platform().IsMouseButtonDown(1));
    }
    m_match->UpdateBoard(elapsed);
    PlayBoardSounds();

    m_match->AdvanceTurn(m_resources->GetPrice(BonusLife));
    for (const CMatch::ELevelEnd end : m_match->TakeLevelEnds())
        PlayGameSound(end == CMatch::kLevelCompleted  ? kSoundLevelComplete
                      : end == CMatch::kLevelLifeLost ? kSoundLifeLost
                                                      : kSoundGameOver);
    if (m_field->GetState() == Gone)
        ChangeLevel();
    ReportMoment();

    NAudio::TheMusic().Update();
    NInterface::UpdateCursor(elapsed);
    UpdateBonusButtons();
    CScreen::Update(elapsed);
}

void CGame::UpdateTurnMarker()
{
    const bool finished = m_field->IsLevelFinished();
    for (std::size_t i = 0; i < m_match->GetPlayerCount(); ++i)
    {
        const CPlayer& player = *m_match->GetPlayer(i);
        if (static_cast<int>(i) == m_match->GetCurrentPlayer() && !finished)
        {
            if (m_field->SetCellHover(player.GetHomeRow(), player.GetHomeColumn(), true) &&
                m_hint_progress < m_resources->GetTutorialLength() && m_hints.empty())
                OpenTutorialHints();
        }
        else
            m_field->SetCellHover(player.GetHomeRow(), player.GetHomeColumn(), false);
    }
}

void CGame::ChangeLevel()
{
    if (m_game_type != kMovingGame && IsGameOver())
    {
        ClosePending();
        return;
    }
    NAudio::TheMusic().Play(-1);
    NextLevelOrRetry();
}

void CGame::ReportMoment()
{
    // A game over whose score has gone to its list is finished with: the
    // sink then stores no game, so that it cannot end (and count) twice.
    const bool ended = IsGameOver() && m_name_entered;
    if (m_match->GetMomentCount() == m_reported_moment && ended == m_reported_end)
        return;
    m_reported_moment = m_match->GetMomentCount();
    m_reported_end = ended;
    if (m_news_sink)
        m_news_sink(kNewsMoment);
}

void CGame::ClosePending()
{
    // The board stays gone until the close is carried out; ask only once.
    if (m_closing)
        return;
    m_closing = true;
    if (CApplication* app = CApplication::Get())
        app->CloseTop(false);
}

// ---------------------------------------------------------------- hints

CGameHint* CGame::OpenHint(int record)
{
    if (record < 0 || static_cast<std::size_t>(record) >= m_resources->GetHintCount())
        return nullptr;
    m_hints.push_back(
        std::make_unique<CGameHint>(static_cast<std::uint32_t>(record), this, *m_resources, m_places));
    return m_hints.back().get();
}

void CGame::OpenTutorialHints()
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
    const int length = m_resources->GetTutorialLength();
    if (m_game_type == kMovingGame)
    {
        // The tutorial speaks of owning half the garden and of coins, which
        // the moving set has not: it opens hints of its own instead.
        for (const int record : m_resources->GetMovingHints())
            OpenHint(record);
        m_hint_progress = length;
        return;
    }
    for (const SStep& step : kSteps)
    {
        if (step.m_from != m_hint_progress)
            continue;
        for (int record = step.m_first; record <= step.m_last; ++record)
        {
            CGameHint* hint = record < length ? OpenHint(record) : nullptr;
            if (hint && record == 7)
            {
                float x = 0.0f;
                float y = 0.0f;
                m_field->CellPosition(m_field->GetRows() / 3, 4, x, y);
                hint->MoveTo(x, y);
            }
        }
        m_hint_progress = step.m_last + 1;
        return;
    }
}

// ---------------------------------------------------------------- input

void CGame::OnMouseMove(int x, int y, std::uint32_t flags)
{
    CScreen::OnMouseMove(x, y, flags);
    for (auto& hint : m_hints)
        hint->OnMouseMove(x, y);
}

void CGame::OnLButtonDown(int x, int y, std::uint32_t flags)
{
    CScreen::OnLButtonDown(x, y, flags);
    m_press_x = x;
    m_press_y = y;
    for (auto& hint : m_hints)
        hint->OnLButtonDown(x, y);
    m_field->LandAllInsects();
}

void CGame::OnLButtonUp(int x, int y, std::uint32_t flags)
{
    CScreen::OnLButtonUp(x, y, flags);
    for (auto& hint : m_hints)
        hint->OnLButtonUp(x, y);
    if (!m_hints.empty())
        return;
    const bool click = std::abs(m_press_x - x) < 3 && std::abs(m_press_y - y) < 3;
    CPlayer* current = GetPlayer(static_cast<std::size_t>(GetCurrentPlayer()));
    if (click && m_match->GetBonusCount() == 0 && current)
    {
        current->OnClick(static_cast<float>(x), static_cast<float>(y));
        AfterChoice(*current);
    }
    ContinueAfterLevel();
}

void CGame::OnKeyDown(int key)
{
    CScreen::OnKeyDown(key);
    if (key == NKey::kEscape)
    {
        OnControl(m_main_menu_button.get());
        return;
    }
    const bool goOn = key == NKey::kSpace || key == NKey::kEnter;
    if (!m_hints.empty())
    {
        // As a click beside their check boxes, for a player without a mouse.
        if (goOn)
            for (auto& hint : m_hints)
                hint->Close();
        return;
    }
    if (goOn)
    {
        ContinueAfterLevel();
        return;
    }
    for (int i = 0; i < BonusKindCount; ++i)
        if (key == kBonusTable[i].m_key && !m_bonus_buttons[i]->IsDisabled())
        {
            OnControl(m_bonus_buttons[i].get());
            return;
        }
    CPlayer* current = GetPlayer(static_cast<std::size_t>(GetCurrentPlayer()));
    if (key >= '1' && key < '1' + CField::kColourCount && m_match->GetBonusCount() == 0 && current &&
        GetCurrentPlayer() == 0)
    {
        current->OnColourKey(key - '1');
        AfterChoice(*current);
    }
}

void CGame::AfterChoice(CPlayer& player)
{
    PlayBoardSounds();
    // The moving set has no forbidden colours: its player never marks a
    // click as valid, and every move would open the hint.
    if (GetCurrentPlayer() == 0 && m_game_type != kMovingGame && !player.IsValidClick() &&
        m_wrong_pick_hints < 2)
    {
        ++m_wrong_pick_hints;
        OpenHint(m_resources->GetWrongColourHint());
    }
}

void CGame::ContinueAfterLevel()
{
    if (!m_field->IsIdle() || !m_match->IsLevelDecided())
        return;
    if (!IsGameOver())
    {
        m_field->BeginLevelOut();
        return;
    }
    if (m_name_dialog || m_name_entered)
        return;
    if (!AskTopName())
        m_field->BeginLevelOut();
}

bool CGame::AskTopName()
{
    if (m_name_dialog || m_name_entered || !m_top_table ||
        !m_top_table->Qualifies(m_game_type, GetTotalScore()))
        return false;
    m_name_dialog = std::make_unique<NInterface::CEnterNameDlg>();
    NInterface::CEnterNameDlg* dialog = m_name_dialog.get();
    dialog->m_logical_width = 800;
    dialog->m_logical_height = 600;
    dialog->m_dim = false;
    dialog->m_frame = true;
    dialog->m_width = 512;
    dialog->m_height = 256;
    if (CApplication* app = CApplication::Get())
        app->PushDialog(dialog);
    return true;
}

void CGame::OnDialogClosed(int result, CDialogScreen* dialog)
{
    CScreen::OnDialogClosed(result, dialog);
    if (!dialog || dialog != m_name_dialog.get())
        return;
    const std::string name = m_name_dialog->GetName();
    // Kept already if the program began to close while the dialog was open.
    if (m_top_table && !m_name_entered)
        m_top_table->Insert(m_game_type, GetTotalScore(), name);
    m_name_dialog.reset();
    m_field->BeginLevelOut();
    m_name_entered = true;
    ReportMoment();
}

void CGame::OnCloseRequest()
{
    if (CApplication* app = CApplication::Get())
        app->PostClose();
}

void CGame::Activate()
{
    // Shown again (the menu keeps a game it left): it may close once more.
    m_closing = false;
    if (!m_name_dialog)
    {
        NAudio::TheMusic().SetPlaylist(
            {"music/game01.xm", "music/game02.xm", "music/game03.xm", "music/menu.xm", "music/game04.xm"});
        NAudio::TheMusic().Stop();
        NAudio::TheMusic().Play(-1);
    }
}

// ---------------------------------------------------------------- bonus bar

void CGame::UpdateBonusButtons()
{
    for (int i = 0; i < BonusKindCount; ++i)
        m_bonus_buttons[i]->SetDisabled(!m_match->CanBuyBonus(i, m_resources->GetPrice(i)));
}

void CGame::OnControl(CControl* control)
{
    if (control == m_main_menu_button.get())
    {
        // Leaving "GAME OVER" this way must not lose a qualifying score:
        // the name is asked first, and the level-out then closes the screen.
        if (IsGameOver() && AskTopName())
            return;
        ClosePending();
        return;
    }
    for (int i = 0; i < BonusKindCount; ++i)
        if (control == m_bonus_buttons[i].get())
        {
            if (m_match->BuyBonus(i, m_resources->GetPrice(i)))
            {
                PlayBoardSounds();
                if (m_news_sink)
                    m_news_sink(kNewsBonusBought);
            }
            return;
        }
}

std::string CGame::TooltipText(int bonus) const
{
    const SBonusInfo* info = FindBonus(bonus);
    return info ? NTexts::Format(NTexts::EText::kTooltipKey,
                                 info->Tooltip(m_resources->GetPrice(bonus)).c_str(), info->m_key)
                : "";
}

int CGame::TooltipBonus() const
{
    if (!m_hints.empty())
        return -1;
    for (int i = 0; i < BonusKindCount; ++i)
        if (m_bonus_buttons[i]->IsMouseOver())
            return i;
    return -1;
}

std::string CGame::FormatMoney(int cents)
{
    return NTexts::Format(NTexts::EText::kMoney, cents / 100, cents % 100);
}

// ---------------------------------------------------------------- sounds

void CGame::RecordSound(const std::string& name)
{
    // Only the latest are of interest; a long game must not grow the list.
    constexpr std::size_t kKept = 32;
    if (m_played_sounds.size() >= kKept)
        m_played_sounds.erase(m_played_sounds.begin());
    m_played_sounds.push_back(name);
}

void CGame::PlayGameSound(int sound)
{
    RecordSound(kGameSoundFiles.at(sound));
    if (CSound* effect = m_resources->GetSound(sound))
        effect->PlaySound(true, false, -1);
}

void CGame::PlayBoardSounds()
{
    for (const EBoardSound sound : m_field->TakeSounds())
        PlayGameSound(sound == kBoardSoundStartPaint   ? kSoundStartPaint
                      : sound == kBoardSoundWrongPaint ? kSoundWrongPaint
                                                       : kSoundBonus);
}

std::vector<std::string> CGame::TakePlayedSounds()
{
    std::vector<std::string> sounds;
    sounds.swap(m_played_sounds);
    return sounds;
}
} // namespace NGame
