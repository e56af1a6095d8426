// Options screen: controls bound to the settings, applied at once.
#include "screens/OptionsWnd.h"

#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/Audio.h"
#include "media/InterfaceResources.h"
#include "platform/Gl.h"
#include "screens/MenuBackground.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "widgets/SimpleButton.h"
#include "widgets/SimpleCheckBox.h"
#include "widgets/TrackBar.h"

namespace NInterface
{
namespace
{
bool IsFullScreen()
{
    const CApplication* app = CApplication::Get();
    return app && app->IsFullScreen();
}
} // namespace

COptionsWnd::COptionsWnd(float logicalWidth, float logicalHeight)
    : m_logical_width(logicalWidth), m_logical_height(logicalHeight)
{
    if (const CFileSystem* files = CFileSystem::Get())
        m_layout.Load(*files, "mui/options_wnd.txt");
    SetDraggable(true);
    SetKeyboardNavigation(true);

    const CInterfaceResources* resources = CInterfaceResources::Get();
    auto texture = [resources](CTexture* CInterfaceResources::*member)
    { return resources ? resources->*member : nullptr; };
    const CSettings& settings = Settings();

    m_close = std::make_unique<CSimpleButton>(this, texture(&CInterfaceResources::m_back_btn));
    m_close->LoadLayout(m_layout, "m_close_btn");
    AddControl(m_close.get());

    m_volume = std::make_unique<CTrackBar>(this, texture(&CInterfaceResources::m_music_track_bar));
    m_volume->LoadLayout(m_layout, "m_musik_volume_track_bar");
    m_volume->SetRange(0.0f, static_cast<float>(CSettings::kMusicVolumeMax));
    m_volume->SetLength(204.0f);
    m_volume->SetValue(static_cast<float>(settings.m_music_volume));
    AddControl(m_volume.get());

    auto box = [&](std::unique_ptr<CSimpleCheckBox>& member, const char* name, float extra, bool checked)
    {
        member = std::make_unique<CSimpleCheckBox>(this, texture(&CInterfaceResources::m_check_box), extra);
        member->LoadLayout(m_layout, name);
        member->SetChecked(checked);
        AddControl(member.get());
    };
    box(m_sound, "m_sound_cb", 110.0f, settings.m_sound);
    box(m_hints, "m_hints_cb", 80.0f, settings.m_hints);
    box(m_dragons_box, "m_dragons_cb", 165.0f, settings.m_show_dragons);
    box(m_full_screen, "m_fs_cb", 165.0f, IsFullScreen());
    m_full_screen_shown = IsFullScreen();

    m_dragons = CInterfaceInsect::CreateMenuDragons();
}

COptionsWnd::~COptionsWnd() = default;

void COptionsWnd::FollowFullScreen()
{
    CApplication* app = CApplication::Get();
    if (!app)
        return;
    const int width = static_cast<int>(m_logical_width);
    const int height = static_cast<int>(m_logical_height);
    // Not clicked since, yet no longer the state: Alt+Enter or F11 switched.
    // The box follows rather than switching back.
    if (m_full_screen->IsChecked() == m_full_screen_shown && m_full_screen_shown != app->IsFullScreen())
        m_full_screen->SetChecked(app->IsFullScreen());
    else if (m_full_screen->IsChecked() && !app->IsFullScreen())
    {
        if (app->SetFullScreen(width, height))
            SetupMenuProjection(width, height);
        else
            m_full_screen->SetChecked(false); // refused: the box shows the window as it is
    }
    else if (!m_full_screen->IsChecked() && app->IsFullScreen())
    {
        app->SetWindowed();
        SetupMenuProjection(width, height);
    }
    m_full_screen_shown = m_full_screen->IsChecked();
}

void COptionsWnd::Update(float elapsed)
{
    CScreen::Update(elapsed);
    UpdateCursor(elapsed);
    FollowFullScreen();
    UpdateMenuDragons(m_dragons, elapsed);
}

void COptionsWnd::Draw()
{
    NGl::ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    NGl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PrepareMenuDrawing();
    NGl::PushMatrix();
    const CInterfaceResources* resources = CInterfaceResources::Get();
    DrawMenuBackground(resources ? resources->m_options_window_back : nullptr);
    CScreen::Draw();
    DrawMenuDragons(m_dragons);
    NGl::PopMatrix();

    // The volume follows the thumb while it is being dragged; merely showing
    // the screen leaves the setting as it was.
    if (m_volume->IsDragging())
        TakeVolume();
    DrawCursor();
}

void COptionsWnd::TakeVolume()
{
    Settings().m_music_volume = static_cast<int>(m_volume->GetValue());
    if (CAudio* audio = CAudio::Get())
        audio->SetMusicVolume(Settings().m_music_volume);
}

void COptionsWnd::OnKeyDown(int key)
{
    if (key == Settings().m_close_key)
        OnControl(m_close.get());
    CScreen::OnKeyDown(key);
}

void COptionsWnd::OnControl(CControl* control)
{
    CScreen::OnControl(control);
    CSettings& settings = Settings();
    if (control == m_close.get())
    {
        if (CApplication* app = CApplication::Get())
            app->CloseTop(false);
    }
    else if (control == m_volume.get())
        TakeVolume();
    else if (control == m_sound.get())
    {
        settings.m_sound = m_sound->IsChecked();
        if (CAudio* audio = CAudio::Get())
            audio->SetSoundEnabled(settings.m_sound);
    }
    else if (control == m_hints.get())
        settings.m_hints = m_hints->IsChecked();
    else if (control == m_dragons_box.get())
        settings.m_show_dragons = m_dragons_box->IsChecked();
}

void COptionsWnd::OnDialogClosed(int, CDialogScreen*) {}
} // namespace NInterface
