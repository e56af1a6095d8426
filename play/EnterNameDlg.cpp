// The enter-name dialog: an edit box of at most 15 characters and OK, left
// with the mouse or the keyboard alike.
#include "play/EnterNameDlg.h"

#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/InterfaceResources.h"
#include "media/Music.h"
#include "platform/Gl.h"
#include "platform/KeyCodes.h"
#include "play/TopTable.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "widgets/LayoutPosition.h"
#include "widgets/SimpleButton.h"
#include "widgets/SimpleEdit.h"

namespace NInterface
{
CEnterNameDlg::CEnterNameDlg()
{
    if (const CFileSystem* files = CFileSystem::Get())
        m_layout.Load(*files, NPlaces::kNameFile);
    const NPlaces::SPlace at = ReadPlaces(m_layout, NPlaces::kNameFile)[NPlaces::EPlace::kNameDialog];
    m_x = at.m_x;
    m_y = at.m_y;
    CInterfaceResources* resources = CInterfaceResources::Get();
    m_ok = std::make_unique<CSimpleButton>(this, resources ? resources->m_ok_btn : nullptr);
    m_ok->LoadLayout(m_layout, "m_ok_btn");
    AddControl(m_ok.get());

    m_edit = std::make_unique<CSimpleEdit>(resources ? &resources->m_font : nullptr, 25.0f,
                                           resources ? resources->m_enter_name_editbox : nullptr);
    m_edit->SetPosition(m_layout.GetFloat("m_enter_name_box.x", 0.0f),
                        m_layout.GetFloat("m_enter_name_box.y", 0.0f), 0.0f);
    m_edit->m_max_length = kMaxLength;
    m_edit->SetFocus(true);
    AddControl(m_edit.get());
    SetKeyboardNavigation(true);
}

CEnterNameDlg::~CEnterNameDlg() = default;

void CEnterNameDlg::Draw()
{
    const CInterfaceResources* resources = CInterfaceResources::Get();
    DrawFadingBack(resources ? resources->m_enter_name_dlg_back : nullptr);
    NGl::PushMatrix();
    CDialogScreen::Draw();
    NGl::PopMatrix();
    NAudio::TheMusic().Update();
    DrawCursor();
}

void CEnterNameDlg::OnKeyDown(int key)
{
    // A blank is part of a name: Space presses OK only once Tab has put the
    // pointer there, and types into the box (its character) anywhere else.
    if (key == NKey::kSpace && FocusedControl() != m_ok.get())
        m_edit->OnKeyDown(key);
    else
        CDialogScreen::OnKeyDown(key);
}

void CEnterNameDlg::OnControl(CControl* control)
{
    CScreen::OnControl(control);
    if (control != m_ok.get())
        return;
    SetResult(0);
    if (CApplication* app = CApplication::Get())
        app->CloseTop(false);
}

std::string CEnterNameDlg::GetName() const
{
    const std::string text = m_edit->GetText();
    return text.empty() ? CTopTable::kDefaultName : text;
}
} // namespace NInterface
