// The continue dialog: fades in over the menu, reports the player's choice.
#include "screens/ContinueDlg.h"

#include "framework/Application.h"
#include "media/InterfaceResources.h"
#include "media/Music.h"
#include "platform/Gl.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "widgets/SimpleButton.h"

#include <cstdio>

namespace NInterface
{
CContinueDlg::CContinueDlg(int level, int score) : m_level(level), m_score(score)
{
    SetKeyboardNavigation(true);
    if (const CFileSystem* files = CFileSystem::Get())
        m_layout.Load(*files, "mui/continue_dlg.txt");
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
        char text[48];
        NGl::Enable(GL_TEXTURE_2D);
        std::snprintf(text, sizeof text, "LEVEL : %d", m_level);
        resources->m_font.DrawTextOutlined(text, 25.0f, m_x + 162.0f, 275.0f, 0.6f, 1, 1, 1, 1, false, false);
        std::snprintf(text, sizeof text, "SCORE : %d", m_score);
        resources->m_font.DrawTextOutlined(text, 25.0f, m_x + 164.0f, 305.0f, 0.6f, 1, 1, 1, 1, false, false);
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
