// Options screen: controls bound to the settings, applied at once.
#include "screens/OptionsWnd.h"

#include "framework/Application.h"
#include "media/Audio.h"
#include "media/InterfaceResources.h"
#include "screens/MenuBackground.h"
#include "storage/Settings.h"
#include "widgets/LayoutPosition.h"
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

COptionsWnd::COptionsWnd()
    : CMenuWnd(NPlaces::kOptionsFile, &CInterfaceResources::m_options_window_back,
               &CInterfaceResources::m_back_btn)
{
    const CSettings& settings = Settings();
    m_volume = std::make_unique<CTrackBar>(this, Texture(&CInterfaceResources::m_music_track_bar));
    m_volume->LoadLayout(Layout(), "m_musik_volume_track_bar");
    m_volume->SetRange(0.0f, static_cast<float>(CSettings::kMusicVolumeMax));
    m_volume->SetLength(ReadLength(Layout(), NPlaces::ELength::kVolumeTrack));
    m_volume->SetValue(static_cast<float>(settings.m_music_volume));
    AddControl(m_volume.get());

    auto box = [&](std::unique_ptr<CSimpleCheckBox>& member, const char* name, float extra, bool checked,
                   TextureEntry look = &CInterfaceResources::m_check_box)
    {
        member = std::make_unique<CSimpleCheckBox>(this, Texture(look), extra);
        member->LoadLayout(Layout(), name);
        member->SetChecked(checked);
        AddControl(member.get());
    };
    using NPlaces::ELength;
    box(m_sound, "m_sound_cb", ReadLength(Layout(), ELength::kSoundCaption), settings.m_sound);
    box(m_hints, "m_hints_cb", ReadLength(Layout(), ELength::kHintsCaption), settings.m_hints);
    box(m_dragons_box, "m_dragons_cb", ReadLength(Layout(), ELength::kDragonsCaption),
        settings.m_show_dragons);
    box(m_full_screen, "m_fs_cb", ReadLength(Layout(), ELength::kFullScreenCaption), IsFullScreen());
    box(m_zones, "m_zones_cb", ReadLength(Layout(), ELength::kZonesCaption), settings.m_show_zones);
    m_full_screen_shown = IsFullScreen();
    for (const NOpponents::SOpponent& opponent : NOpponents::kOpponents)
        box(m_opponents[opponent.m_id], opponent.m_box_key, ReadLength(Layout(), opponent.m_caption_width),
            settings.m_opponent == opponent.m_id, &CInterfaceResources::m_check_box2);
}

COptionsWnd::~COptionsWnd() = default;

void COptionsWnd::FollowFullScreen()
{
    CApplication* app = CApplication::Get();
    if (!app)
        return;
    // Full screen shows the picture at the application's logical size.
    const int width = app->GetLogicalWidth();
    const int height = app->GetLogicalHeight();
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

void COptionsWnd::UpdateContent(float)
{
    FollowFullScreen();
}

void COptionsWnd::AfterDrawing()
{
    if (m_volume->IsDragging())
        TakeVolume();
}

void COptionsWnd::TakeVolume()
{
    Settings().m_music_volume = static_cast<int>(m_volume->GetValue());
    if (CAudio* audio = CAudio::Get())
        audio->SetMusicVolume(Settings().m_music_volume);
}

void COptionsWnd::OnControl(CControl* control)
{
    CMenuWnd::OnControl(control);
    CSettings& settings = Settings();
    if (control == m_volume.get())
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
    else if (control == m_zones.get())
        settings.m_show_zones = m_zones->IsChecked();
    for (const NOpponents::SOpponent& opponent : NOpponents::kOpponents)
        if (control == m_opponents[opponent.m_id].get())
        {
            // A click picks that opponent for the games started from now
            // on; clicking the checked box leaves it checked.
            for (auto& box : m_opponents)
                box->SetChecked(box.get() == control);
            settings.m_opponent = opponent.m_id;
        }
}
} // namespace NInterface
