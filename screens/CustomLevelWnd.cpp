// The level choice: set boxes, level slider, preview board and lock.
#include "screens/CustomLevelWnd.h"

#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/Backing.h"
#include "media/InterfaceResources.h"
#include "media/Music.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "platform/KeyCodes.h"
#include "play/GameResources.h"
#include "screens/MenuBackground.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "widgets/SimpleButton.h"
#include "widgets/SimpleCheckBox.h"
#include "widgets/TrackBar.h"

#include <cmath>
#include <string>

namespace NInterface
{
CCustomLevelWnd::CCustomLevelWnd() : CCustomLevelWnd(DataFileMasks()) {}

CCustomLevelWnd::CCustomLevelWnd(NGame::CField::MaskReader masks)
{
    if (const CFileSystem* files = CFileSystem::Get())
        m_layout.Load(*files, "mui/custom_wnd.txt");
    SetDraggable(true);
    SetKeyboardNavigation(true);

    const CInterfaceResources* resources = CInterfaceResources::Get();
    auto texture = [resources](CTexture* CInterfaceResources::*member)
    { return resources ? resources->*member : nullptr; };

    m_close = std::make_unique<CSimpleButton>(this, texture(&CInterfaceResources::m_cancel_btn));
    m_close->LoadLayout(m_layout, "m_close_btn");
    AddControl(m_close.get());
    m_ok = std::make_unique<CSimpleButton>(this, texture(&CInterfaceResources::m_start_btn));
    m_ok->LoadLayout(m_layout, "m_ok_btn");
    AddControl(m_ok.get());

    auto box = [&](std::unique_ptr<CSimpleCheckBox>& member, const char* name, bool checked)
    {
        member = std::make_unique<CSimpleCheckBox>(this, texture(&CInterfaceResources::m_check_box2), 220.0f);
        member->LoadLayout(m_layout, name);
        member->SetChecked(checked);
        AddControl(member.get());
    };
    box(m_classic, "m_cb_classic", false);
    box(m_advanced, "m_cb_advanced", true);
    box(m_moving, "m_cb_moving", false);

    m_level_bar = std::make_unique<CTrackBar>(this, texture(&CInterfaceResources::m_music_track_bar));
    m_level_bar->LoadLayout(m_layout, "m_level_track_bar");
    m_level_bar->SetRange(0.0f, 99.0f);
    m_level_bar->SetLength(495.0f);
    m_level_bar->SetValue(0.0f);
    AddControl(m_level_bar.get());

    m_dragons = CInterfaceInsect::CreateMenuDragons();
    // The preview shows the flowers the game will; without the game's
    // resources (tests) it draws only its frame.
    const CGameResources* game = FindGameResources();
    m_preview = std::make_unique<NGame::CField>(kAdvancedFolder, LevelCount(NGame::CField::kAdvancedSet), 1,
                                                game ? game->BoardSheets() : NGame::SFieldResources{},
                                                std::move(masks));
    m_preview_painter = game ? game->BoardPainter() : std::make_unique<NGame::CBoardPainter>();
    UpdateLock();
}

int CCustomLevelWnd::LevelCount(int set)
{
    const CGameResources* game = FindGameResources();
    switch (set)
    {
    case NGame::CField::kClassicSet:
        return game ? game->GetClassicLevels() : CGameResources::kClassicLevels;
    case NGame::CField::kMovingSet:
        // The moving set's count is the configuration's alone; without it
        // the game, and so the preview, plays its first mask throughout.
        return game ? game->GetMovingLevels() : 0;
    default:
        return game ? game->GetAdvancedLevels() : CGameResources::kAdvancedLevels;
    }
}

void CCustomLevelWnd::ShowSet(int set)
{
    // Count first: the reload builds the chosen level out of the new set.
    m_preview->SetLevelsCount(LevelCount(set));
    const char* folder = set == NGame::CField::kClassicSet  ? kClassicFolder
                         : set == NGame::CField::kMovingSet ? kMovingFolder
                                                            : kAdvancedFolder;
    m_preview->ChangeLevelSet(folder, set == NGame::CField::kAdvancedSet ? 1 : 0);
}

CCustomLevelWnd::~CCustomLevelWnd() = default;

bool CCustomLevelWnd::IsUnlocked(int set, int level, const CSettings& settings)
{
    return level < settings.LevelRecord(set);
}

SArea CCustomLevelWnd::NumberBacking(const CBitmapText& font, int shown)
{
    // The digits fill the top of their line, so a backing that starts lower
    // leaves their tops outside.
    constexpr float kMargin = 3.0f;
    const float width = font.TextWidth(std::to_string(shown).c_str(), kNumberSize);
    return {kNumberX - kMargin, kNumberY - kNumberSize - kMargin, kNumberX + width + kMargin,
            kNumberY + kMargin};
}

int CCustomLevelWnd::GetChosenLevel() const
{
    return static_cast<int>(m_level_bar->GetValue());
}

int CCustomLevelWnd::GetChosenSet() const
{
    if (m_classic->IsChecked())
        return NGame::CField::kClassicSet;
    return m_moving->IsChecked() ? NGame::CField::kMovingSet : NGame::CField::kAdvancedSet;
}

void CCustomLevelWnd::UpdateLock()
{
    m_locked = !IsUnlocked(GetChosenSet(), GetChosenLevel(), Settings());
    m_ok->SetDisabled(m_locked);
}

void CCustomLevelWnd::Activate()
{
    // A screen kept for reuse starts each visit with no request pending.
    m_start_requested = false;
    CScreen::Activate();
    UpdateLock();
}

void CCustomLevelWnd::Update(float elapsed)
{
    CScreen::Update(elapsed);
    UpdateCursor(elapsed);
    if (GetChosenLevel() != m_preview->GetLevel())
        m_preview->SetLevel(GetChosenLevel());
    m_preview->Update(elapsed);
    UpdateMenuDragons(m_dragons, elapsed);
}

void CCustomLevelWnd::Draw()
{
    NGl::ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    NGl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PrepareMenuDrawing();
    NGl::PushMatrix();
    const CInterfaceResources* resources = CInterfaceResources::Get();
    DrawMenuBackground(resources ? resources->m_cust_lev_wnd : nullptr);
    if (resources)
    {
        // A dark backing keeps the white number readable on the light panel.
        const SArea back = NumberBacking(resources->m_font, GetChosenLevel() + 1);
        DrawDarkBacking(back.m_x0, back.m_y0, back.m_x1, back.m_y1, 6.0f, 0.5f);
        resources->m_font.DrawNumberOutlined(GetChosenLevel() + 1, kNumberSize, kNumberX, kNumberY, 10.0f, 1,
                                             1, 1, 1, false, false);
    }

    NGl::PushMatrix();
    NGl::Translate(173.0f, 188.0f, 0.0f);
    NGl::Scale(0.262f, 0.262f, 0.2625f);
    m_preview_painter->DrawPreview(*m_preview);
    NGl::PopMatrix();

    UpdateLock();
    if (m_locked && resources && resources->m_locked)
    {
        // The preview left its flower sheet bound; the lock has a picture of its own.
        NGl::BindTexture(resources->m_locked->GetName());
        NGl::Enable(GL_TEXTURE_2D);
        NGl::Enable(GL_BLEND);
        NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        resources->m_locked->Draw(120.0f, 210.0f, 0.0f);
        NGl::Disable(GL_BLEND);
    }
    CScreen::Draw();
    DrawMenuDragons(m_dragons);
    NGl::PopMatrix();
    NAudio::TheMusic().Update();
    DrawCursor();
}

void CCustomLevelWnd::OnKeyDown(int key)
{
    if (key == Settings().m_close_key)
        OnControl(m_close.get());
    else if (key == NKey::kLeft || key == NKey::kRight)
    {
        m_level_bar->Step(key == NKey::kRight ? 1.0f : -1.0f);
        UpdateLock();
    }
    CScreen::OnKeyDown(key);
}

void CCustomLevelWnd::OnControl(CControl* control)
{
    CScreen::OnControl(control);
    CApplication* app = CApplication::Get();
    if (control == m_close.get())
    {
        m_start_requested = false;
        if (app)
            app->CloseTop(false);
    }
    else if (control == m_ok.get())
    {
        // The button is disabled while locked, but a click in the same frame
        // as a slider move must not start a locked level either.
        UpdateLock();
        if (m_locked)
            return;
        m_start_requested = true;
        if (app)
            app->CloseTop(false);
    }
    else if (control == m_classic.get() || control == m_advanced.get() || control == m_moving.get())
    {
        // A click picks that set; clicking the checked box leaves it checked.
        m_classic->SetChecked(control == m_classic.get());
        m_advanced->SetChecked(control == m_advanced.get());
        m_moving->SetChecked(control == m_moving.get());
        ShowSet(GetChosenSet());
        UpdateLock();
    }
    else if (control == m_level_bar.get())
        UpdateLock();
}

void CCustomLevelWnd::OnDialogClosed(int, CDialogScreen*) {}
} // namespace NInterface
