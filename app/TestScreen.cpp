// The stand-in screen. Layout (logical units): background dark blue
// (0, 0, 128); red quad 50..250 x 50..200; green quad 550..750 x 50..200;
// a 2x2 texture (yellow, magenta / cyan, white) at 300..500 x 350..550;
// orange quad 350..450 x 50..150 while the right button is held; a cyan quad
// 600..700 x 400..500 once a character was typed; a white marker around the
// last left click. Escape (and Alt+F4) quit, F toggles full screen, M minimises,
// H opens the help screen and O the options screen.
#include "app/TestScreen.h"

#include "framework/Application.h"
#include "media/InterfaceResources.h"
#include "media/ResourceGroup.h"
#include "platform/Gl.h"
#include "platform/KeyCodes.h"
#include "screens/HelpWnd.h"
#include "screens/OptionsWnd.h"

namespace
{
void Quad(float left, float top, float right, float bottom)
{
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, 0.0f);
    NGl::Vertex(left, top);
    NGl::TexCoord(1.0f, 0.0f);
    NGl::Vertex(right, top);
    NGl::TexCoord(1.0f, 1.0f);
    NGl::Vertex(right, bottom);
    NGl::TexCoord(0.0f, 1.0f);
    NGl::Vertex(left, bottom);
    NGl::End();
}
} // namespace

CTestScreen::CTestScreen()
{
    SetDraggable(true);
    // Standing in for the menu, it loads the menus' shared resources.
    CResourceGroup* group = FindGroup("main");
    if (group && !CInterfaceResources::Get())
    {
        CInterfaceResources::Create()->Load(*group);
        m_owns_resources = true;
    }
}

CTestScreen::~CTestScreen()
{
    // Quitting while a screen of ours is open leaves it on the stack.
    if (m_opened && CApplication::Get())
        Application().RemoveScreen(m_opened.get());
    m_opened.reset();
    if (m_owns_resources)
        CInterfaceResources::Destroy();
    NGl::DeleteTexture(m_texture);
}

void CTestScreen::MakeTexture()
{
    if (m_texture != 0)
        return;
    // Made once: it must survive every display-mode switch.
    static const unsigned char kPixels[] = {
        255, 255, 0,   255, 255, 0,   255, 255, // yellow, magenta
        0,   255, 255, 255, 255, 255, 255, 255, // cyan, white
    };
    m_texture = NGl::CreateTexture();
    NGl::BindTexture(m_texture);
    NGl::TexParameter(GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    NGl::TexParameter(GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    NGl::TexImage2D(0, GL_RGBA, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, kPixels);
}

void CTestScreen::Activate()
{
    CScreen::Activate();
    MakeTexture();
}

void CTestScreen::Draw()
{
    CApplication& app = Application();
    app.SetOrthoProjection(800, 600, false);
    NGl::Disable(GL_DEPTH_TEST);
    NGl::Disable(GL_ALPHA_TEST);
    NGl::Disable(GL_BLEND);
    NGl::ClearColor(0.0f, 0.0f, 128.0f / 255.0f, 1.0f);
    NGl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    NGl::Disable(GL_TEXTURE_2D);
    NGl::Color(1.0f, 0.0f, 0.0f);
    Quad(50.0f, 50.0f, 250.0f, 200.0f);
    NGl::Color(0.0f, 1.0f, 0.0f);
    Quad(550.0f, 50.0f, 750.0f, 200.0f);
    if (app.Platform().IsMouseButtonDown(1))
    {
        NGl::Color(1.0f, 0.5f, 0.0f);
        Quad(350.0f, 50.0f, 450.0f, 150.0f);
    }
    if (m_last_char != 0)
    {
        NGl::Color(0.0f, 1.0f, 1.0f);
        Quad(600.0f, 400.0f, 700.0f, 500.0f);
    }

    NGl::Enable(GL_TEXTURE_2D);
    NGl::TexEnvMode(GL_MODULATE);
    NGl::BindTexture(m_texture);
    NGl::Color(1.0f, 1.0f, 1.0f);
    Quad(300.0f, 350.0f, 500.0f, 550.0f);
    NGl::Disable(GL_TEXTURE_2D);

    if (m_has_click)
    {
        // The platform gives the click in the picture's own units.
        const float x = static_cast<float>(m_click_x);
        const float y = static_cast<float>(m_click_y);
        NGl::Color(1.0f, 1.0f, 1.0f);
        Quad(x - kMarkerHalf, y - kMarkerHalf, x + kMarkerHalf, y + kMarkerHalf);
    }
    CScreen::Draw();
}

void CTestScreen::OnKeyDown(int key)
{
    CApplication& app = Application();
    if (key == NKey::kEscape)
        OnCloseRequest();
    else if (key == 'F')
    {
        if (app.IsFullScreen())
            app.SetWindowed();
        else
            app.SetFullScreen(800, 600);
    }
    else if (key == 'M')
        app.Minimise();
    else if ((key == 'H' || key == 'O') && !m_opened)
    {
        if (key == 'H')
            m_opened = std::make_unique<NInterface::CHelpWnd>();
        else
            m_opened = std::make_unique<NInterface::COptionsWnd>();
        app.PushScreen(m_opened.get());
    }
    CScreen::OnKeyDown(key);
}

void CTestScreen::OnChar(std::uint16_t character, std::uint16_t repeat)
{
    m_last_char = character;
    CScreen::OnChar(character, repeat);
}

void CTestScreen::OnLButtonDown(int x, int y, std::uint32_t flags)
{
    CScreen::OnLButtonDown(x, y, flags);
}

void CTestScreen::OnLButtonUp(int x, int y, std::uint32_t flags)
{
    m_has_click = true;
    m_click_x = x;
    m_click_y = y;
    CScreen::OnLButtonUp(x, y, flags);
}

void CTestScreen::OnScreenClosed(CScreen* screen)
{
    if (screen == m_opened.get())
        m_opened.reset();
}

void CTestScreen::OnCloseRequest()
{
    Application().PostQuit();
}
