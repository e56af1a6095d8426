// What the widget and menu screen tests share: an application on the fake
// platform, a screen that records which control reported, banded pictures
// and a font with glyphs of one width.
#pragma once

#include "framework/Application.h"
#include "framework/Screen.h"
#include "media/BitmapText.h"
#include "media/TestMedia.h"
#include "media/Texture.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace NWidgetTest
{
class COwner : public CScreen
{
  public:
    void OnControl(CControl* control) override { m_reports.push_back(control); }
    std::vector<CControl*> m_reports;
};

inline std::unique_ptr<CTexture> MakeTexture(std::uint32_t width, std::uint32_t height)
{
    using namespace NTestMedia;
    const Bytes tga = MakeTga(width, height, 32,
                              [](std::uint32_t, std::uint32_t) {
                                  return Rgba{200, 100, 50, 255};
                              });
    auto texture = std::make_unique<CTexture>();
    texture->LoadTga(tga.data(), tga.size(), false, false);
    return texture;
}

// Every glyph is 3 pixels wide, so equal-length words have equal widths.
inline NTestMedia::Bytes MakeEvenFont()
{
    return NTestMedia::MakeFontPicture(94, 47, [](int) { return 3; });
}

class CWidgetTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CApplication::Create(m_platform);
        Application().SetLogicalSize(800, 600);
        const NTestMedia::Bytes font = MakeEvenFont();
        ASSERT_TRUE(m_font.LoadMetrics(font.data(), font.size(), nullptr));
    }
    void TearDown() override { CApplication::Destroy(); }

    CFakePlatform m_platform;
    COwner m_owner;
    CBitmapText m_font;
};
} // namespace NWidgetTest
