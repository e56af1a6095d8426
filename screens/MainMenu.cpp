// The main menu: its buttons, music and dragons, the screens it opens and
// takes back, and the saved game and top-7 table it keeps across runs.
#include "screens/MainMenu.h"

#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/Audio.h"
#include "media/InterfaceResources.h"
#include "media/Music.h"
#include "media/ResourceGroup.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "play/Game.h"
#include "play/SavedGame.h"
#include "screens/ContinueDlg.h"
#include "screens/CustomLevelWnd.h"
#include "screens/GameLink.h"
#include "screens/HelpWnd.h"
#include "screens/MenuBackground.h"
#include "screens/OptionsWnd.h"
#include "screens/TopWnd.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "widgets/SimpleButton.h"

#include <chrono>
#include <cstdlib>
#include <fstream>

namespace NInterface
{
namespace
{
constexpr const char* kMenuMusic = "music/menu.xm";
constexpr int kTopLists = 2;

// With CHROMAL_MOMENT_LOG=FILE every saved game written while playing, and
// every bonus bought, is noted there with the wall-clock time in
// milliseconds, so that a test that kills the program at any moment can tell
// which save it must find and what the game was doing. A line is the time,
// then "bought", "none" (a save without a game), or the moment's kind (see
// CMatch::EMomentKind), level, purse, lives, score, pending skip and board.
void NoteForTests(const std::string& what)
{
    static const char* const path = std::getenv("CHROMAL_MOMENT_LOG");
    if (!path || !*path)
        return;
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    std::ofstream(path, std::ios::app) << ms << ' ' << what << '\n';
}

std::string DescribeMoment(int kind, const CPropertyFile& store)
{
    if (!store.Has("gamedata.fieldstate"))
        return "none";
    std::string line = std::to_string(kind);
    for (const char* key : {"gamedata.level_num", NSavedGame::kMoneyKey, NSavedGame::kLivesKey,
                            NSavedGame::kScoreKey, NSavedGame::kSkipKey})
        line += ' ' + std::to_string(store.GetInt(key, 0));
    return line + ' ' + store.GetString("gamedata.fieldstate", "");
}
} // namespace

CMainMenu::CMainMenu() : m_top_table(kTopLists)
{
    // The resources every menu screen draws with live as long as the menu.
    if (!CInterfaceResources::Get())
    {
        CInterfaceResources* resources = CInterfaceResources::Create();
        if (CResourceGroup* group = FindGroup("main"))
            resources->Load(*group);
        m_owns_resources = true;
    }
    if (const CFileSystem* files = CFileSystem::Get())
        m_layout.Load(*files, "mui/main_wnd.txt");
    SetDraggable(true);
    SetKeyboardNavigation(true);

    const CInterfaceResources* resources = CInterfaceResources::Get();
    auto make = [&](const char* name, CTexture* CInterfaceResources::*tex)
    {
        auto button = std::make_unique<CSimpleButton>(this, resources ? resources->*tex : nullptr);
        button->LoadLayout(m_layout, name);
        AddControl(button.get());
        return button;
    };
    m_game_btn = make("m_game_btn", &CInterfaceResources::m_new_game_btn);
    m_quit_btn = make("m_quit_game_btn", &CInterfaceResources::m_quit_game_btn);
    m_help_btn = make("m_help_btn", &CInterfaceResources::m_help_btn);
    m_top_btn = make("m_top_btn", &CInterfaceResources::m_top7_btn);
    m_options_btn = make("m_options_btn", &CInterfaceResources::m_options_btn);

    m_dragons = CInterfaceInsect::CreateMenuDragons();

    const CSettings& settings = Settings();
    if (CAudio* audio = CAudio::Get())
    {
        audio->SetMusicVolume(settings.m_music_volume);
        audio->SetSoundEnabled(settings.m_sound);
    }

    const std::string topPath = UserPath(CTopTable::kFileName);
    m_top_table.Load(topPath);
    m_top_table.SetSavePath(topPath);
    m_statistics.Load(UserPath(CStatistics::kFileName));
}

CMainMenu::~CMainMenu()
{
    m_top_table.Save(UserPath(CTopTable::kFileName));
    m_saves.Flush();
    m_statistics.Save(UserPath(CStatistics::kFileName));
    // Quitting from a screen above the menu leaves it on the stack.
    RemoveFromStack(m_game.get());
    RemoveFromStack(m_options.get());
    RemoveFromStack(m_help.get());
    RemoveFromStack(m_top.get());
    RemoveFromStack(m_custom.get());
    m_continue.reset();
    m_game.reset();
    m_options.reset();
    m_help.reset();
    m_top.reset();
    m_custom.reset();
    m_dragons.clear();
    if (m_owns_resources)
        CInterfaceResources::Destroy();
}

void CMainMenu::RemoveFromStack(CScreen* screen)
{
    if (screen)
        if (CApplication* app = CApplication::Get())
            app->RemoveScreen(screen);
}

std::string CMainMenu::UserPath(const char* name) const
{
    return Settings().m_user_folder + name;
}

void CMainMenu::StartHook()
{
    CPropertyFile store;
    if (!NSavedGame::Read(UserPath(NSavedGame::kFileName), store))
        return;
    m_game.reset();
    // The game is made for the stored type, so that a moving set resumes as one.
    const int type = NSavedGame::GameType(store);
    if (type < 0)
        return;
    auto game = std::make_unique<NGame::CGame>(type, &m_top_table);
    if (!NGameLink::LoadGame(game.get(), store))
        return;
    AdoptGame(std::move(game));
    if (m_statistics.AdoptSaved(store))
        m_saves.Submit(UserPath(CStatistics::kFileName), m_statistics.Encode());
}

void CMainMenu::ExitHook()
{
    // The saves made while playing land first; this one is the last word.
    m_saves.Flush();
    CPropertyFile store;
    store.SetString(NSavedGame::kNameKey, NSavedGame::kNameValue);
    if (m_game && NGameLink::SaveGame(m_game.get(), store))
        m_statistics.WriteEntries(store);
    NSavedGame::Write(UserPath(NSavedGame::kFileName), store);
}

void CMainMenu::AdoptGame(std::unique_ptr<NGame::CGame> game)
{
    m_game = std::move(game);
    if (m_game)
        m_game->SetStatistics(&m_statistics);
    if (m_game)
        m_game->SetNewsSink(
            [this](NGame::CGame::ENews news)
            {
                if (news == NGame::CGame::kNewsMoment)
                    SaveInBackground();
                else
                    NoteForTests("bought");
            });
}

void CMainMenu::SaveInBackground()
{
    CPropertyFile store;
    store.SetString(NSavedGame::kNameKey, NSavedGame::kNameValue);
    if (m_game && NGameLink::StoreMoment(m_game.get(), store))
        m_statistics.WriteEntries(store);
    if (std::getenv("CHROMAL_MOMENT_LOG"))
        NoteForTests(DescribeMoment(m_game ? m_game->GetMatch().GetMoment().m_kind : 0, store));
    m_saves.Submit(UserPath(NSavedGame::kFileName), NSavedGame::Encode(store));
    m_saves.Submit(UserPath(CStatistics::kFileName), m_statistics.Encode());
}

void CMainMenu::SetupProjection()
{
    m_logical_width = kLogicalWidth;
    m_logical_height = kLogicalHeight;
    SetupMenuProjection(m_logical_width, m_logical_height);
}

void CMainMenu::Activate()
{
    SetupProjection();
    CScreen::Activate();
    NAudio::Music& music = NAudio::TheMusic();
    music.SetPlaylist({kMenuMusic});
    if (!music.IsPlaying())
        music.Play(-1);
}

void CMainMenu::RestartMenuMusic(bool restart)
{
    NAudio::Music& music = NAudio::TheMusic();
    music.SetPlaylist({kMenuMusic});
    if (restart)
        music.Stop();
    if (restart || !music.IsPlaying())
        music.Play(-1);
}

void CMainMenu::Update(float elapsed)
{
    CScreen::Update(elapsed);
    UpdateCursor(elapsed);
    UpdateMenuDragons(m_dragons, elapsed);
}

void CMainMenu::Draw()
{
    // Only the dragons and the cursor move while the buttons keep their look.
    std::vector<double> still;
    for (const CSimpleButton* button : VisibleButtons())
        still.insert(still.end(), {static_cast<double>(button->GetState()), button->GetX(), button->GetY()});
    still.push_back(static_cast<double>(still.size()));
    m_still_look = still;
    std::vector<SArea> moving;
    AppendDragonAreas(m_dragons, moving);
    if (SArea cursor; GetCursorArea(cursor))
        moving.push_back(cursor);
    const CApplication* app = CApplication::Get();
    m_repaint.DrawStill(app && app->LastFrameKept(this), still, moving,
                        [this](const SArea* area) { DrawStill(area); });
    NGl::PushMatrix();
    DrawMenuDragons(m_dragons);
    NGl::PopMatrix();
    NAudio::TheMusic().Update();
    DrawCursor();
}

void CMainMenu::DrawStill(const SArea* area)
{
    const CInterfaceResources* resources = CInterfaceResources::Get();
    const CTexture* background = resources ? resources->m_main_window_back : nullptr;
    // Decoded when first shown, and again after another screen's backdrop took its place.
    if (CResourceGroup* group = background ? FindGroup("main") : nullptr)
        group->Require(background);
    std::vector<double> look = m_still_look;
    look.push_back(static_cast<double>(background ? background->GetName() : 0));
    const std::vector<double>* kept = m_still_layer.KeptLook();
    if (area && kept && *kept == look)
    {
        // Depth is as the whole drawing left it: all lies at one depth.
        m_still_layer.DrawKept();
        NGl::Enable(GL_DEPTH_TEST);
        return;
    }
    // Over the last frame the background alone puts back every pixel and its
    // depth: a colour picture is opaque, drawn unblended, and lies at the depth
    // all else is drawn at.
    if (!area || !background || background->GetName() == 0 || background->GetComponents() != 3)
    {
        NGl::ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        NGl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    PrepareMenuDrawing();
    NGl::PushMatrix();
    DrawMenuBackground(background);
    if (!area)
        CScreen::Draw();
    else
        for (CSimpleButton* button : VisibleButtons())
            if (CMenuRepaint::Overlap(*area, button->GetX(), button->GetY(), button->GetWidth(),
                                      button->GetHeight()))
                button->Draw();
    NGl::PopMatrix();
    // Drawn whole under a dialog too: one copy serves as long as the look holds.
    if (!area && !(kept && *kept == look))
        m_still_layer.Keep(look);
}

std::vector<CSimpleButton*> CMainMenu::VisibleButtons() const
{
    // In the order they were added, which is the order CScreen::Draw keeps.
    return {m_game_btn.get(), m_quit_btn.get(), m_help_btn.get(), m_top_btn.get(), m_options_btn.get()};
}

void CMainMenu::Hide()
{
    NAudio::TheMusic().Stop();
    CApplication* app = CApplication::Get();
    if (!app)
        return;
    // The desktop gets its own mode back before the window goes.
    if (app->IsFullScreen())
    {
        app->SetWindowed();
        SetupProjection();
    }
    app->Minimise();
}

void CMainMenu::OnKeyDown(int key)
{
    const CSettings& settings = Settings();
    if (key == settings.m_close_key)
        OnCloseRequest();
    else if (key == settings.m_hide_key)
        Hide();
    CScreen::OnKeyDown(key);
}

void CMainMenu::Cover(CScreen* screen)
{
    // Its kept copy of the still picture is a picture's size (four times that
    // in the detailed set): taken again when the menu shows once more.
    m_still_layer.Forget();
    if (CApplication* app = CApplication::Get())
        app->PushScreen(screen);
}

void CMainMenu::OpenLevelChoice()
{
    if (!m_custom)
        m_custom = std::make_unique<CCustomLevelWnd>();
    m_custom->SetStatistics(&m_statistics);
    Cover(m_custom.get());
}

void CMainMenu::OnControl(CControl* control)
{
    CScreen::OnControl(control);
    CApplication* app = CApplication::Get();
    if (control == m_game_btn.get())
    {
        if (m_game)
        {
            m_continue = std::make_unique<CContinueDlg>(NGameLink::ContinueLevel(m_game.get()),
                                                        NGameLink::ContinueScore(m_game.get()));
            m_continue->m_logical_width = m_logical_width;
            m_continue->m_logical_height = m_logical_height;
            m_continue->m_dim = false;
            m_continue->m_frame = true;
            m_continue->m_width = 512;
            m_continue->m_height = 512;
            if (app)
                app->PushDialog(m_continue.get());
        }
        else
            OpenLevelChoice();
    }
    else if (control == m_quit_btn.get())
        OnCloseRequest();
    else if (control == m_help_btn.get())
    {
        m_help = std::make_unique<CHelpWnd>();
        Cover(m_help.get());
    }
    else if (control == m_top_btn.get())
    {
        m_top = std::make_unique<CTopWnd>(&m_top_table, &m_statistics);
        Cover(m_top.get());
    }
    else if (control == m_options_btn.get())
    {
        m_options = std::make_unique<COptionsWnd>();
        Cover(m_options.get());
    }
}

void CMainMenu::OnDialogClosed(int, CDialogScreen* dialog)
{
    if (!m_continue || dialog != m_continue.get())
        return;
    switch (m_continue->GetChoice())
    {
    case CContinueDlg::kContinue:
        ShowGame();
        break;
    case CContinueDlg::kStartNew:
        OpenLevelChoice();
        break;
    default:
        m_continue.reset();
        break;
    }
}

void CMainMenu::StartGame(int gameType, int level)
{
    RemoveFromStack(m_game.get());
    m_game.reset();
    AdoptGame(std::make_unique<NGame::CGame>(gameType, &m_top_table));
    m_game->StartAtLevel(level);
    m_statistics.GameStarted(gameType);
    ShowGame();
}

void CMainMenu::ShowGame()
{
    if (!m_game)
        return;
    // The game covers every menu screen: no menu backdrop is needed until it ends.
    if (CResourceGroup* group = FindGroup("main"))
        group->ReleaseOnDemand();
    Cover(m_game.get());
}

void CMainMenu::OnScreenClosed(CScreen* screen)
{
    if (!screen)
        return;
    // The board's backdrop shows only in a game and the level choice's preview.
    if (screen == m_game.get() || (screen == m_custom.get() && !m_custom->IsStartRequested()))
        if (CResourceGroup* group = FindGroup("game"))
            group->ReleaseOnDemand();
    if (screen == m_game.get())
    {
        RestartMenuMusic(true);
        if (!m_game->IsGameOver())
            return;
        RemoveFromStack(m_top.get());
        m_top.reset();
        const bool named = m_game->IsNameEntered();
        const int type = m_game->GetGameType();
        m_game.reset();
        // The game is over: the next start has none to continue.
        SaveInBackground();
        if (named)
        {
            m_top = std::make_unique<CTopWnd>(&m_top_table, &m_statistics);
            m_top->SetPage(type);
            Cover(m_top.get());
        }
    }
    else if (screen == m_custom.get())
    {
        if (m_custom->IsStartRequested())
            StartGame(m_custom->GetChosenSet(), m_custom->GetChosenLevel());
    }
    else if (screen == m_options.get())
        m_options.reset();
    else if (screen == m_help.get())
        m_help.reset();
    else if (screen == m_top.get())
        m_top.reset();
}

void CMainMenu::OnCloseRequest()
{
    if (CApplication* app = CApplication::Get())
        app->PostClose();
}
} // namespace NInterface
