// The continue dialog: fades in over the menu, reports the player's choice.
#include "screens/ContinueDlg.h"

#include "catalogue/Texts.h"
#include "framework/Application.h"
#include "media/InterfaceResources.h"
#include "media/Music.h"
#include "platform/Gl.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "widgets/LayoutPosition.h"
#include "widgets/SimpleButton.h"

#include <cstdio>

namespace NInterface
{
CContinueDlg::CContinueDlg(int level, int score) : m_level(level), m_score(score)
{
    SetKeyboardNavigation(true);
    if (const CFileSystem* files = CFileSystem::Get())
        m_layout.Load(*files, NPlaces::kContinueFile);
    m_places = ReadPlaces(m_layout, NPlaces::kContinueFile);
    m_x = m_places[NPlaces::EPlace::kContinueDialog].m_x;
    m_y = m_places[NPlaces::EPlace::kContinueDialog].m_y;
    const CInterfaceResources* resources = CInterfaceResources::Get();
    auto button =
        [&](std::unique_ptr<CSimpleButton>& member, const char* name, CTexture* CInterfaceResources::*tex)
    {
        member = std::make_unique<CSimpleButton>(this, resources ? resources->*tex : nullptr);
        member->LoadLayout(m_layout, name);
        AddControl(member.get());
    };
    button(m_continue, "m_continuesaved_btn", &CInterfaceResources::m_continuesaved_btn);
    button(m_start_new, "m_startnew_btn", &CInterfaceResources::m_startnew_btn);
    button(m_cancel, "m_cancel_btn", &CInterfaceResources::m_cancel_btn);
}

CContinueDlg::~CContinueDlg() = default;

void CContinueDlg::Draw()
{
    const CInterfaceResources* resources = CInterfaceResources::Get();
    DrawFadingBack(resources ? resources->m_continue_dlg_back : nullptr);
    if (resources)
    {
        NGl::Enable(GL_TEXTURE_2D);
        const auto line = [&](NTexts::EText format, int value, NPlaces::EPlace id)
        {
            const NPlaces::SPlace& at = m_places[id];
            resources->m_font.DrawTextOutlined(NTexts::Format(format, value).c_str(), at.m_size, m_x + at.m_x,
                                               m_y + at.m_y, 0.6f, 1, 1, 1, 1, false, false);
        };
        line(NTexts::EText::kSavedLevel, m_level, NPlaces::EPlace::kContinueLevel);
        line(NTexts::EText::kSavedScore, m_score, NPlaces::EPlace::kContinueScore);
    }
    NGl::PushMatrix();
    CDialogScreen::Draw();
    NGl::PopMatrix();
    NAudio::TheMusic().Update();
}

void CContinueDlg::OnControl(CControl* control)
{
    CScreen::OnControl(control);
    if (control == m_continue.get())
    {
        m_choice = kContinue;
        SetResult(0);
    }
    else if (control == m_start_new.get())
    {
        m_choice = kStartNew;
        SetResult(0);
    }
    else if (control == m_cancel.get())
    {
        m_choice = kCancel;
        SetResult(1);
    }
    else
        return;
    if (CApplication* app = CApplication::Get())
        app->CloseTop(false);
}
} // namespace NInterface
