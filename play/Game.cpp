// The game screen's frame: the match's turn, level changes, sounds, input and
// the name entry after a game over.
#include "play/Game.h"

#include "catalogue/Texts.h"
#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/Music.h"
#include "media/Sound.h"
#include "platform/KeyCodes.h"
#include "play/BonusBar.h"
#include "play/EnterNameDlg.h"
#include "play/TopTable.h"
#include "play/Tutorial.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/LayoutPosition.h"
#include "widgets/SimpleButton.h"
#include "widgets/SimpleEdit.h"

#include <algorithm>
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
    if (const CFileSystem* files = CFileSystem::Get(); files && m_game_type == kMovingGame)
        m_pars.Load(*files, NLevelSets::kParFile, true);
    NAudio::TheMusic().Play(-1);
    CreateControls();
}

CGame::~CGame()
{
    // Hints point into the board.
    m_tutorial.reset();
}

void CGame::CreateBoard(CField::MaskReader masks)
{
    const SFieldResources sheets = m_resources->BoardSheets();

    // A type that is no set's plays the classic boards, as it always has.
    const NLevelSets::SLevelSet* played = NLevelSets::FindSet(m_game_type);
    const NLevelSets::ESet set = played ? played->m_id : NLevelSets::kClassic;
    auto field = std::make_unique<CField>(set, m_resources->GetLevelCount(set), sheets, std::move(masks));
    field->SetRefillLevelsCount(m_resources->GetLevelCount(NLevelSets::kRefillSet));
    field->SetLevelReached(RecordLevelReached(Settings()));
    m_match = std::make_unique<CMatch>(m_game_type, std::move(field), -1, Settings().m_opponent);
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
    m_bonus_bar = std::make_unique<CBonusBar>(this, *m_resources, layout, *m_match);
    m_tutorial = std::make_unique<CTutorial>(this, *m_resources, m_places, m_game_type == kMovingGame);
    if (const CSprite* marker = m_resources->GetMarker())
    {
        m_marker = std::make_unique<CSprite>(*marker);
        m_marker->SetBlend(true);
        m_marker->SetFlip(true);
    }
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
    CountLevel();
    m_match->NextLevelOrRetry();
}

void CGame::CountLevel()
{
    if (!m_statistics || !m_match->IsLevelDecided() || m_end_counted)
        return;
    // A game over is counted once; the next level is a fresh decision.
    m_end_counted = IsGameOver();
    if (m_game_type == kMovingGame)
    {
        m_statistics->LevelWon(m_game_type, 0);
        m_statistics->RecordMoves(m_field->GetLevel(), GetMoves());
    }
    else if (IsLifeLost() || IsGameOver())
        m_statistics->LevelLost(m_game_type, GetTotalScore());
    else
        m_statistics->LevelWon(m_game_type, GetTotalScore());
}

int CGame::GetPar() const
{
    return std::max(0, m_pars.GetInt(NLevelSets::ParKey(m_field->GetLevel()), 0));
}

int CGame::BestMoves() const
{
    const int kept = m_statistics ? m_statistics->BestMoves(m_field->GetLevel()) : 0;
    return kept > 0 ? std::min(kept, GetMoves()) : GetMoves();
}

int CGame::GetMoves() const
{
    const CPlayer* human = GetPlayer(0);
    return human ? human->GetMoves() : 0;
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
    CountLevel();
    if (m_name_entered || !m_top_table || !m_top_table->Qualifies(m_game_type, GetTotalScore()))
        return;
    std::string name = m_name_dialog ? m_name_dialog->Edit()->GetText() : std::string();
    if (name.empty())
        name = m_top_table->GetLastName();
    m_top_table->Insert(m_game_type, GetTotalScore(), name, m_match->GetOpponent());
    m_name_entered = true;
}

// ---------------------------------------------------------------- frame

void CGame::Update(float elapsed)
{
    UpdateTurnMarker();
    m_match->UpdateBonuses(elapsed);

    m_tutorial->Update(elapsed);

    if (CApplication* app = CApplication::Get())
    {
        int x = 0;
        int y = 0;
        app->GetCursorClientPos(x, y);
        m_field->SetPointer(static_cast<float>(x), static_cast<float>(y),
                            app->Platform().IsMouseButtonDown(1));
    }
    m_rival_move.BeforeFrame(*m_match);
    m_match->UpdateBoard(elapsed);
    m_rival_move.AfterFrame(*m_match, elapsed);
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
    m_bonus_bar->Update();
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
            if (m_field->SetCellHover(player.GetHomeRow(), player.GetHomeColumn(), true))
                m_tutorial->OnTurn(*m_field);
        }
        else
            m_field->SetCellHover(player.GetHomeRow(), player.GetHomeColumn(), false);
    }
}

void CGame::ChangeLevel()
{
    if (m_game_type != kMovingGame && IsGameOver())
    {
        CountLevel();
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

// ---------------------------------------------------------------- input

void CGame::OnMouseMove(int x, int y, std::uint32_t flags)
{
    CScreen::OnMouseMove(x, y, flags);
    m_tutorial->OnMouseMove(x, y);
}

void CGame::OnLButtonDown(int x, int y, std::uint32_t flags)
{
    CScreen::OnLButtonDown(x, y, flags);
    m_press_x = x;
    m_press_y = y;
    m_tutorial->OnLButtonDown(x, y);
    m_field->LandAllInsects();
}

void CGame::OnLButtonUp(int x, int y, std::uint32_t flags)
{
    CScreen::OnLButtonUp(x, y, flags);
    m_tutorial->OnLButtonUp(x, y);
    if (m_tutorial->IsOpen())
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
    if (m_tutorial->IsOpen())
    {
        if (goOn)
            m_tutorial->CloseAll();
        return;
    }
    if (goOn)
    {
        ContinueAfterLevel();
        return;
    }
    if (CSimpleButton* button = m_bonus_bar->KeyButton(key))
    {
        OnControl(button);
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
    if (GetCurrentPlayer() == 0 && !player.IsValidClick())
        m_tutorial->OnWrongPick();
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
        m_top_table->Insert(m_game_type, GetTotalScore(), name, m_match->GetOpponent());
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

// ---------------------------------------------------------------- controls

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
    if (m_bonus_bar->Buy(control))
    {
        PlayBoardSounds();
        if (m_news_sink)
            m_news_sink(kNewsBonusBought);
    }
}

int CGame::TooltipBonus() const
{
    return m_tutorial->IsOpen() ? -1 : m_bonus_bar->HoveredBonus();
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
