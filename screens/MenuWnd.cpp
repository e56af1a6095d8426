// The menu windows' shared skeleton: building, input, and drawing round the
// content.
#include "screens/MenuWnd.h"

#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "media/InterfaceResources.h"
#include "media/Music.h"
#include "platform/Gl.h"
#include "screens/MenuBackground.h"
#include "storage/FileSystem.h"
#include "storage/Settings.h"
#include "widgets/SimpleButton.h"

namespace NInterface
{
CMenuWnd::CMenuWnd(const char* layoutFile, TextureEntry background, TextureEntry closeTexture)
    : m_background(background)
{
    if (const CFileSystem* files = CFileSystem::Get())
        m_layout.Load(*files, layoutFile);
    SetDraggable(true);
    SetKeyboardNavigation(true);
    m_close = MakeButton("m_close_btn", closeTexture);
    m_dragons = CInterfaceInsect::CreateMenuDragons();
}

CMenuWnd::~CMenuWnd() = default;

CTexture* CMenuWnd::Texture(TextureEntry entry)
{
    const CInterfaceResources* resources = CInterfaceResources::Get();
    return resources ? resources->*entry : nullptr;
}

std::unique_ptr<CSimpleButton> CMenuWnd::MakeButton(const char* name, TextureEntry texture)
{
    auto button = std::make_unique<CSimpleButton>(this, Texture(texture));
    button->LoadLayout(m_layout, name);
    AddControl(button.get());
    return button;
}

void CMenuWnd::Update(float elapsed)
{
    CScreen::Update(elapsed);
    UpdateCursor(elapsed);
    UpdateContent(elapsed);
    UpdateMenuDragons(m_dragons, elapsed);
}

void CMenuWnd::Draw()
{
    NGl::ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    NGl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PrepareMenuDrawing();
    NGl::PushMatrix();
    DrawMenuBackground(Texture(m_background));
    DrawUnderControls();
    CScreen::Draw();
    DrawOverControls();
    DrawMenuDragons(m_dragons);
    NGl::PopMatrix();
    AfterDrawing();
    DrawCursor();
}

void CMenuWnd::AfterDrawing()
{
    NAudio::TheMusic().Update();
}

void CMenuWnd::OnKeyDown(int key)
{
    if (key == Settings().m_close_key)
        OnControl(m_close.get());
    CScreen::OnKeyDown(key);
}

void CMenuWnd::OnControl(CControl* control)
{
    CScreen::OnControl(control);
    if (control != m_close.get())
        return;
    // Deferred: the main menu takes the window off when told it closed.
    if (CApplication* app = CApplication::Get())
        app->CloseTop(false);
}

void CMenuWnd::OnDialogClosed(int, CDialogScreen*) {}
} // namespace NInterface
