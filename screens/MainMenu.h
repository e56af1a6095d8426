// NInterface::CMainMenu: the bottom screen for the whole run. It owns the
// menus' resources, the top-7 table and every screen it opens (the game,
// level choice, continue dialog, help, top-7, options), and stores the game
// left at exit so that the next run can continue it.
#pragma once

#include "framework/MenuRepaint.h"
#include "framework/Screen.h"
#include "media/LayerCache.h"
#include "play/TopTable.h"
#include "screens/InterfaceInsect.h"
#include "storage/BackgroundWriter.h"
#include "storage/PropertyFile.h"
#include "storage/Statistics.h"

#include <memory>
#include <string>
#include <vector>

class CSimpleButton;

namespace NGame
{
class CGame;
}

namespace NInterface
{
class CContinueDlg;
class CCustomLevelWnd;
class CTopWnd;

class CMainMenu : public CScreen
{
  public:
    static constexpr int kLogicalWidth = 800;
    static constexpr int kLogicalHeight = 600;

    CMainMenu();
    ~CMainMenu() override;
    CMainMenu(const CMainMenu&) = delete;
    CMainMenu& operator=(const CMainMenu&) = delete;

    // Start-up: resumes the game saved at the last exit, if the file holds one.
    void StartHook();
    // Shutdown: writes the game left in the menu (or none) to the saved-game file.
    void ExitHook();

    void Update(float elapsed) override;
    void Draw() override;
    void Activate() override;
    void OnKeyDown(int key) override;
    void OnControl(CControl* control) override;
    void OnDialogClosed(int result, CDialogScreen* dialog) override;
    void OnScreenClosed(CScreen* screen) override;
    void OnCloseRequest() override;

    // Starts a new game of `gameType` at `level` over the menu, replacing any kept game.
    void StartGame(int gameType, int level);

    CTopTable& TopTable() { return m_top_table; }
    CStatistics& Statistics() { return m_statistics; }
    CTopWnd* TopWindow() const { return m_top.get(); }
    NGame::CGame* Game() const { return m_game.get(); }
    CContinueDlg* ContinueDialog() const { return m_continue.get(); }
    CCustomLevelWnd* LevelWindow() const { return m_custom.get(); }
    CSimpleButton* GameButton() const { return m_game_btn.get(); }

  private:
    std::string UserPath(const char* name) const;
    // Background and buttons, over the whole window (null) or one area of it.
    void DrawStill(const SArea* area);
    std::vector<CSimpleButton*> VisibleButtons() const;
    void SetupProjection();
    void Hide();
    void RestartMenuMusic(bool restart);
    // Pushes a screen over the menu.
    void Cover(CScreen* screen);
    void OpenLevelChoice();
    // Puts the game over the menu, with the menu's backdrop released.
    void ShowGame();
    // Takes a screen off the stack before it is destroyed, wherever it is.
    static void RemoveFromStack(CScreen* screen);
    // The game the menu holds from now on: it saves itself at every moment
    // worth keeping (see CGame::SetMomentSink).
    void AdoptGame(std::unique_ptr<NGame::CGame> game);
    // The saved game as it stands now, and the statistics, written off the
    // frame's thread.
    void SaveInBackground();

    bool m_owns_resources = false;
    CPropertyFile m_layout;
    int m_logical_width = kLogicalWidth;
    int m_logical_height = kLogicalHeight;
    std::unique_ptr<CSimpleButton> m_game_btn;
    std::unique_ptr<CSimpleButton> m_quit_btn;
    std::unique_ptr<CSimpleButton> m_help_btn;
    std::unique_ptr<CSimpleButton> m_top_btn;
    std::unique_ptr<CSimpleButton> m_options_btn;
    CTopTable m_top_table;
    CStatistics m_statistics;
    std::vector<std::unique_ptr<CInterfaceInsect>> m_dragons;
    CMenuRepaint m_repaint;
    // The still picture as last drawn whole, put back where the dragons were
    // and are: one unfiltered copy costs a software renderer less than the
    // scaled backdrop and the buttons over it.
    CLayerCache m_still_layer;
    std::vector<double> m_still_look;

    // The saved game's writes, off the frame's thread.
    CBackgroundWriter m_saves;
    std::unique_ptr<NGame::CGame> m_game;
    std::unique_ptr<CScreen> m_options;
    std::unique_ptr<CScreen> m_help;
    std::unique_ptr<CTopWnd> m_top;
    std::unique_ptr<CCustomLevelWnd> m_custom;
    std::unique_ptr<CContinueDlg> m_continue;
};
} // namespace NInterface
