// Dialog behaviour: local coordinates, dimming, and the Escape/Enter close.
#include "framework/DialogScreen.h"

#include "framework/Application.h"
#include "media/ResourceGroup.h"
#include "media/Texture.h"
#include "platform/Gl.h"
#include "platform/KeyCodes.h"

#include <algorithm>
#include <cmath>

void CDialogScreen::Draw()
{
    // The translation is left in place: the dialog's own drawing after the
    // base call relies on it.
    NGl::Translate(m_x, m_y, 0.5f);
    NGl::Enable(GL_TEXTURE_2D);
    CScreen::Draw();
    NGl::Disable(GL_TEXTURE_2D);
}

void CDialogScreen::DrawDim(float r, float g, float b, float a) const
{
    if (!m_dim)
        return;
    NGl::Disable(GL_TEXTURE_2D);
    NGl::Disable(GL_ALPHA_TEST);
    NGl::Enable(GL_BLEND);
    NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    NGl::Color(r, g, b, a);
    NGl::Begin(GL_QUADS);
    NGl::Vertex(0.0f, 0.0f, 0.5f);
    NGl::Vertex(static_cast<float>(m_logical_width), 0.0f, 0.5f);
    NGl::Vertex(static_cast<float>(m_logical_width), static_cast<float>(m_logical_height), 0.5f);
    NGl::Vertex(0.0f, static_cast<float>(m_logical_height), 0.5f);
    NGl::End();
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Disable(GL_BLEND);
}

void CDialogScreen::DrawFadingBack(const CTexture* texture)
{
    if (m_fade < 1.0f)
        m_fade += 0.025f;
    m_dim = true;
    DrawDim(0.0f, 0.0f, 0.0f, std::min(m_fade, 0.5f));
    NGl::Enable(GL_TEXTURE_2D);
    NGl::Enable(GL_BLEND);
    NGl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // A dialog's back is decoded when it first shows.
    if (CResourceGroup* group = texture ? FindGroup("main") : nullptr)
        group->Require(texture);
    NGl::BindTexture(texture ? texture->GetName() : 0);
    NGl::Color(1.0f, 1.0f, 1.0f, std::min(m_fade, 1.0f));
    const float width = static_cast<float>(m_width);
    const float height = static_cast<float>(m_height);
    NGl::Begin(GL_QUADS);
    NGl::TexCoord(0.0f, 1.0f);
    NGl::Vertex(m_x, m_y, 0.5f);
    NGl::TexCoord(0.0f, 0.0f);
    NGl::Vertex(m_x, m_y + height, 0.5f);
    NGl::TexCoord(1.0f, 0.0f);
    NGl::Vertex(m_x + width, m_y + height, 0.5f);
    NGl::TexCoord(1.0f, 1.0f);
    NGl::Vertex(m_x + width, m_y, 0.5f);
    NGl::End();
    NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
    NGl::Disable(GL_BLEND);
}

void CDialogScreen::OnKeyDown(int key)
{
    if (key == NKey::kEscape)
    {
        SetResult(1);
        Application().CloseTop(false);
    }
    else if (key == NKey::kEnter)
    {
        SetResult(0);
        Application().CloseTop(false);
    }
    CScreen::OnKeyDown(key);
}

void CDialogScreen::FocusToClient(float& x, float& y) const
{
    x += std::trunc(m_x);
    y += std::trunc(m_y);
}

void CDialogScreen::ToDialog(int& x, int& y) const
{
    x -= static_cast<int>(std::trunc(m_x));
    y -= static_cast<int>(std::trunc(m_y));
}

void CDialogScreen::OnMouseMove(int x, int y, std::uint32_t flags)
{
    ToDialog(x, y);
    CScreen::OnMouseMove(x, y, flags);
}

void CDialogScreen::OnLButtonUp(int x, int y, std::uint32_t flags)
{
    ToDialog(x, y);
    CScreen::OnLButtonUp(x, y, flags);
}

void CDialogScreen::OnLButtonDown(int x, int y, std::uint32_t flags)
{
    ToDialog(x, y);
    CScreen::OnLButtonDown(x, y, flags);
}
