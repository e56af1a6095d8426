// What the widget and menu screen tests share: an application on the fake
// platform, a screen that records which control reported, banded pictures
// and a font with glyphs of one width.
#pragma once

#include "app/Application.h"
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
    using namespace NTestMedia;
    constexpr std::uint32_t kWidth = 256;
    constexpr std::uint32_t kHeight = 20;
    std::vector<std::vector<bool>> ink(kHeight, std::vector<bool>(kWidth, false));
    auto line = [&](std::uint32_t bottom, std::uint32_t top, int glyphs)
    {
        std::uint32_t x = 0;
        auto run = [&](std::uint32_t width)
        {
            for (std::uint32_t c = x; c < x + width; ++c)
                for (std::uint32_t r = bottom; r <= top; ++r)
                    ink[r][c] = true;
            x += width + 1;
        };
        run(2);
        for (int n = 0; n < glyphs; ++n)
            run(3);
    };
    line(12, 17, 47);
    line(3, 8, 47);
    return MakeTga(kWidth, kHeight, 32,
                   [&](std::uint32_t x, std::uint32_t row) {
                       return Rgba{255, 255, 255, static_cast<unsigned char>(ink[row][x] ? 255 : 0)};
                   });
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
