// The level choice: set boxes, level slider, preview board and lock.
#include "screens/CustomLevelWnd.h"

#include "catalogue/Texts.h"
#include "framework/Application.h"
#include "media/Backing.h"
#include "media/InterfaceResources.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "platform/KeyCodes.h"
#include "play/GameResources.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/LayoutPosition.h"
#include "widgets/SimpleButton.h"
#include "widgets/SimpleCheckBox.h"
#include "widgets/TrackBar.h"

#include <cmath>
#include <string>

namespace NInterface
{
CCustomLevelWnd::CCustomLevelWnd() : CCustomLevelWnd(DataFileMasks()) {}

CCustomLevelWnd::CCustomLevelWnd(NGame::CField::MaskReader masks)
    : CMenuWnd(NPlaces::kLevelChoiceFile, &CInterfaceResources::m_cust_lev_wnd,
               &CInterfaceResources::m_cancel_btn)
{
    m_places = ReadPlaces(Layout(), NPlaces::kLevelChoiceFile);
    m_ok = MakeButton("m_ok_btn", &CInterfaceResources::m_start_btn);
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
    {
        auto& box = m_boxes[set.m_id];
        box = std::make_unique<CSimpleCheckBox>(this, Texture(&CInterfaceResources::m_check_box2),
                                                ReadLength(Layout(), NPlaces::ELength::kSetCaption));
        box->LoadLayout(Layout(), set.m_box_key);
        box->SetChecked(set.m_id == kFirstSet);
        AddControl(box.get());
    }

    m_level_bar = std::make_unique<CTrackBar>(this, Texture(&CInterfaceResources::m_music_track_bar));
    m_level_bar->LoadLayout(Layout(), "m_level_track_bar");
    m_level_bar->SetRange(0.0f, 99.0f);
    m_level_bar->SetLength(ReadLength(Layout(), NPlaces::ELength::kLevelTrack));
    m_level_bar->SetValue(0.0f);
    AddControl(m_level_bar.get());

    // The preview shows the flowers the game will; without the game's
    // resources (tests) it draws only its frame.
    const CGameResources* game = FindGameResources();
    m_preview = std::make_unique<NGame::CField>(kFirstSet, LevelCount(kFirstSet),
                                                game ? game->BoardSheets() : NGame::SFieldResources{},
                                                std::move(masks));
    m_preview_painter = game ? game->BoardPainter() : std::make_unique<NGame::CBoardPainter>();
    UpdateLock();
}

int CCustomLevelWnd::LevelCount(NLevelSets::ESet set)
{
    // Without the game's configuration a set has its built-in count (none
    // for a count the data decides: the preview then plays its first mask).
    const CGameResources* game = FindGameResources();
    return game ? game->GetLevelCount(set) : NLevelSets::Set(set).m_count;
}

void CCustomLevelWnd::ShowSet(NLevelSets::ESet set)
{
    // Count first: the reload builds the chosen level out of the new set.
    m_preview->SetLevelsCount(LevelCount(set));
    m_preview->ChangeLevelSet(set);
}

CCustomLevelWnd::~CCustomLevelWnd() = default;

bool CCustomLevelWnd::IsUnlocked(int set, int level, const CSettings& settings)
{
    return level < settings.LevelRecord(set);
}

SArea CCustomLevelWnd::NumberBacking(const CBitmapText& font, int shown, const NPlaces::SPlace& at)
{
    // The digits fill the top of their line, so a backing that starts lower
    // leaves their tops outside.
    constexpr float kMargin = 3.0f;
    const float width = font.TextWidth(std::to_string(shown).c_str(), at.m_size);
    return {at.m_x - kMargin, at.m_y - at.m_size - kMargin, at.m_x + width + kMargin, at.m_y + kMargin};
}

int CCustomLevelWnd::GetChosenLevel() const
{
    return static_cast<int>(m_level_bar->GetValue());
}

bool CCustomLevelWnd::IsSetBox(const CControl* control) const
{
    for (const auto& box : m_boxes)
        if (control == box.get())
            return true;
    return false;
}

NLevelSets::ESet CCustomLevelWnd::GetChosenSet() const
{
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
        if (m_boxes[set.m_id]->IsChecked())
            return set.m_id;
    return kFirstSet;
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
    CMenuWnd::Activate();
    UpdateLock();
}

void CCustomLevelWnd::UpdateContent(float elapsed)
{
    if (GetChosenLevel() != m_preview->GetLevel())
        m_preview->SetLevel(GetChosenLevel());
    m_preview->Update(elapsed);
}

void CCustomLevelWnd::DrawUnderControls()
{
    const CInterfaceResources* resources = CInterfaceResources::Get();
    if (resources)
    {
        // A dark backing keeps the white number readable on the light panel.
        const NPlaces::SPlace& number = m_places[NPlaces::EPlace::kChosenLevel];
        const SArea back = NumberBacking(resources->m_font, GetChosenLevel() + 1, number);
        DrawDarkBacking(back.m_x0, back.m_y0, back.m_x1, back.m_y1, 6.0f, 0.5f);
        resources->m_font.DrawNumberOutlined(GetChosenLevel() + 1, number.m_size, number.m_x, number.m_y,
                                             10.0f, 1, 1, 1, 1, false, false);
        const int best = m_statistics && GetChosenSet() == NLevelSets::kMoving
                             ? m_statistics->BestMoves(GetChosenLevel())
                             : 0;
        if (best > 0)
        {
            const NPlaces::SPlace& at = m_places[NPlaces::EPlace::kLevelBest];
            const std::string text = NTexts::Format(NTexts::EText::kBestMoves, best);
            const float half = resources->m_font.TextWidth(text.c_str(), at.m_size) / 2.0f + 6.0f;
            DrawDarkBacking(at.m_x - half, at.m_y - at.m_size - 4.0f, at.m_x + half, at.m_y + 6.0f, 6.0f,
                            0.5f);
            resources->m_font.DrawTextOutlined(text.c_str(), at.m_size, at.m_x, at.m_y, 10.0f, 1, 0.9f, 0.3f,
                                               1, false, true);
        }
    }

    NGl::PushMatrix();
    const NPlaces::SPlace& preview = m_places[NPlaces::EPlace::kPreview];
    NGl::Translate(preview.m_x, preview.m_y, 0.0f);
    NGl::Scale(preview.m_size, preview.m_size, preview.m_size);
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
        const NPlaces::SPlace& lock = m_places[NPlaces::EPlace::kLock];
        resources->m_locked->Draw(lock.m_x, lock.m_y, 0.0f);
        NGl::Disable(GL_BLEND);
    }
}

void CCustomLevelWnd::OnKeyDown(int key)
{
    if (key == NKey::kLeft || key == NKey::kRight)
    {
        m_level_bar->Step(key == NKey::kRight ? 1.0f : -1.0f);
        UpdateLock();
    }
    CMenuWnd::OnKeyDown(key);
}

void CCustomLevelWnd::OnControl(CControl* control)
{
    CMenuWnd::OnControl(control);
    if (control == CloseButton())
        m_start_requested = false;
    else if (control == m_ok.get())
    {
        // The button is disabled while locked, but a click in the same frame
        // as a slider move must not start a locked level either.
        UpdateLock();
        if (m_locked)
            return;
        m_start_requested = true;
        if (CApplication* app = CApplication::Get())
            app->CloseTop(false);
    }
    else if (IsSetBox(control))
    {
        // A click picks that set; clicking the checked box leaves it checked.
        for (auto& box : m_boxes)
            box->SetChecked(control == box.get());
        ShowSet(GetChosenSet());
        UpdateLock();
    }
    else if (control == m_level_bar.get())
        UpdateLock();
}
} // namespace NInterface
