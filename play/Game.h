// The game screen: it drives the match (rules/Match.h) a frame at a time and
// plays its sounds, changes levels, holds the bonus bar (play/BonusBar.h) and
// the tutorial (play/Tutorial.h), and draws all of it.
#pragma once

#include "catalogue/Places.h"
#include "framework/DialogScreen.h"
#include "framework/MenuRepaint.h"
#include "framework/Screen.h"
#include "media/LayerCache.h"
#include "platform/Letterbox.h"
#include "play/GameResources.h"
#include "play/RivalMove.h"
#include "play/ZoneOutline.h"
#include "rules/Field.h"
#include "rules/Match.h"
#include "storage/PropertyFile.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CGameResources;
class CSettings;
class CSimpleButton;
class CSprite;
class CStatistics;
class CTopTable;

namespace NInterface
{
class CEnterNameDlg;
}

namespace NGame
{
class CBonusBar;
class CPlayer;
class CTutorial;

// Raises the settings' record of the highest level reached in a set.
CField::LevelReached RecordLevelReached(CSettings& settings);

class CGame : public CScreen
{
  public:
    CGame(int gameType, CTopTable* topTable);
    // Level masks from `masks` instead of the data files.
    CGame(int gameType, CTopTable* topTable, CField::MaskReader masks);
    ~CGame() override;
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    void Update(float elapsed) override;
    void Draw() override;
    void Activate() override;
    void OnMouseMove(int x, int y, std::uint32_t flags) override;
    void OnLButtonUp(int x, int y, std::uint32_t flags) override;
    // Keys 1-6 play the colours in the help page's order, the bonus keys buy
    // as the bar's buttons do, Space or Enter closes the open hints or does
    // what "click to continue" does, Escape what the menu button does.
    void OnKeyDown(int key) override;
    void OnLButtonDown(int x, int y, std::uint32_t flags) override;
    void OnControl(CControl* control) override;
    void OnDialogClosed(int result, CDialogScreen* dialog) override;
    void OnCloseRequest() override;

    void StartLevel();
    void StartAtLevel(int level);
    void NextLevelOrRetry();
    // For a program that closes on a decided level: the level is carried on
    // at once as "click to continue" would carry it (the next level or the
    // replay starts), and a game that is over keeps a qualifying score under
    // the name being typed, else the last name entered, else "Nemo".
    void ConcludeLevel();

    int GetGameType() const { return m_game_type; }
    CField& GetField() { return *m_field; }
    CMatch& GetMatch() { return *m_match; }
    std::size_t GetPlayerCount() const { return m_match->GetPlayerCount(); }
    CPlayer* GetPlayer(std::size_t index) const { return m_match->GetPlayer(index); }
    int GetCurrentPlayer() const { return m_match->GetCurrentPlayer(); }
    int GetAiDifficulty() const { return m_match->GetAiDifficulty(); }
    int GetTotalScore() const { return m_match->GetTotalScore(); }
    void SetTotalScore(int score) { m_match->SetTotalScore(score); }
    bool IsGameOver() const { return m_match->IsGameOver(); }
    bool IsLifeLost() const { return m_match->IsLifeLost(); }
    bool IsNameEntered() const { return m_name_entered; }
    bool IsSkipPending() const { return m_match->IsSkipPending(); }
    std::size_t GetEffectCount() const { return m_match->GetBonusCount(); }
    // What the game tells whoever keeps it: a new moment worth saving (a
    // turn, a level's opening or its end, see CMatch::SMoment; also when a
    // finished game has entered its score), so that a crash loses nothing
    // done before it; or a bonus bought, whose turn stays the one to resume.
    enum ENews
    {
        kNewsMoment,
        kNewsBonusBought
    };
    void SetNewsSink(std::function<void(ENews)> sink) { m_news_sink = std::move(sink); }
    // Where each level left is counted (none by default).
    void SetStatistics(CStatistics* statistics) { m_statistics = statistics; }
    // A moving level's par from the data, 0 when it has none.
    int GetPar() const;
    // The human's moves in this level.
    int GetMoves() const;

    // The in-game hints and the tutorial's progress.
    CTutorial& GetTutorial() { return *m_tutorial; }
    CBonusBar& GetBonusBar() { return *m_bonus_bar; }
    CSimpleButton* GetMainMenuButton() { return m_main_menu_button.get(); }
    // "$1,05" for 105 cents.
    static std::string FormatMoney(int cents);

    // The latest sounds played since the last call, by file name.
    std::vector<std::string> TakePlayedSounds();

  private:
    void CreateBoard(CField::MaskReader masks);
    void CreateControls();
    void UpdateTurnMarker();
    void ChangeLevel();
    // The bonus whose tooltip shows: none while hints cover the bar.
    int TooltipBonus() const;
    void PlayGameSound(int sound);
    void PlayBoardSounds();
    void RecordSound(const std::string& name);
    void ClosePending();
    // Tells the sink of a new moment since the last frame.
    void ReportMoment();
    // GAME OVER: a qualifying score goes to its list through the name
    // dialog. False when no dialog opened; the score, if it qualifies, is
    // then already kept under the default name.
    bool AskTopName();
    // After a player's choice: its sound, and the wrong-colour hint.
    void AfterChoice(CPlayer& player);
    // "click to continue" on a decided level.
    void ContinueAfterLevel();
    // A decided level, as it is left, goes into the statistics.
    void CountLevel();

    // One drawing of the whole picture, under whatever frame clip is set.
    void DrawFrame();
    void DrawStillLayer();
    // Partial repaints while little moves (play/GameRepaint.cpp): the frame
    // clips (window pixels) around what changed since the last frame, if it
    // can tell; the frame is then drawn once through each.
    using SFrameClip = SWindowRect;
    bool BeginRepaint(std::vector<SFrameClip>& clips);
    // Takes this frame's look; true when the kept picture may be patched,
    // with `areas` what changed since the last frame (the changed flowers,
    // `flowers`, first when there are any).
    bool ChangedAreas(std::vector<NInterface::SArea>& areas, NInterface::SArea& flowers);
    void AppendOverLook(std::vector<double>& look);
    // The animated parts: coins and insects.
    void AppendMovingAreas(std::vector<NInterface::SArea>& areas) const;
    // What follows the pointer (the flower magnified under it, the marker,
    // the cursor) and every value its drawing depends on.
    void AppendPointerAreas(std::vector<NInterface::SArea>& areas, std::vector<double>& look) const;
    void AppendStatusLook(std::vector<double>& look) const;
    void DrawStatus() const;
    void DrawRace() const;
    // The fewest moves this moving level has taken, this time included.
    int BestMoves() const;
    void DrawPreview();
    void DrawMessages() const;
    void GrowPreviewedFlower();

    int m_game_type;
    CGameResources* m_resources;
    CTopTable* m_top_table;
    CStatistics* m_statistics = nullptr;
    bool m_end_counted = false;
    CPropertyFile m_pars;
    std::unique_ptr<CMatch> m_match;
    CField* m_field = nullptr; // the match's board
    std::unique_ptr<CBoardPainter> m_painter;
    CZoneOutline m_zones;
    CRivalMove m_rival_move;
    bool m_name_entered = false;
    bool m_closing = false;
    float m_message_alpha = 0.0f;
    CLayerCache m_still_layer;
    std::vector<double> m_still_look;
    bool m_repaint_valid = false;
    int m_preview_cell = -1; // row * 1000 + column; -1 for none
    std::vector<double> m_repaint_still;
    std::vector<double> m_repaint_over;
    std::vector<NInterface::SArea> m_repaint_moving;
    std::vector<NInterface::SArea> m_repaint_pointer;
    std::vector<double> m_repaint_pointer_look;
    int m_press_x = -1;
    int m_press_y = -1;
    std::unique_ptr<NInterface::CEnterNameDlg> m_name_dialog;
    std::unique_ptr<CTutorial> m_tutorial;
    std::unique_ptr<CSimpleButton> m_main_menu_button;
    std::unique_ptr<CBonusBar> m_bonus_bar;
    std::unique_ptr<CSprite> m_marker;
    NPlaces::CPlaces m_places;
    std::vector<std::string> m_played_sounds;
    std::function<void(ENews)> m_news_sink;
    unsigned m_reported_moment = 0;
    bool m_reported_end = false;
};
} // namespace NGame
