// SDL keys reach the screens as the virtual-key codes they are written for.
#include "platform/KeyCodes.h"
#include "platform/SdlPlatform.h"

#include <SDL.h>
#include <gtest/gtest.h>

TEST(SdlKeys, KeysTheScreensLookForHaveTheirVirtualKeyCodes)
{
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_ESCAPE), 27);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_RETURN), 13);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_KP_ENTER), 13);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_BACKSPACE), 8);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_DELETE), 46);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_HOME), 36);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_END), 35);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_LEFT), 37);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_RIGHT), 39);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_INSERT), 45);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_LSHIFT), 16);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_RCTRL), 17);
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_F4), 115);
    // Letters are the upper-case ASCII codes, digits their own.
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_a), 'A');
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_z), 'Z');
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_0), '0');
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_KP_7), '7');
    EXPECT_EQ(CSdlPlatform::ToVirtualKey(SDLK_CAPSLOCK), 0);
}

TEST(SdlKeys, EveryVirtualKeyGoesBackToAKeyThatMapsToItAgain)
{
    for (int code = 1; code < 256; ++code)
    {
        const int key = CSdlPlatform::FromVirtualKey(code);
        if (key != SDLK_UNKNOWN)
        {
            EXPECT_EQ(CSdlPlatform::ToVirtualKey(key), code) << code;
        }
    }
    for (int code : {NKey::kEscape, NKey::kEnter, NKey::kF4, int('A'), int('9'), NKey::kDelete})
        EXPECT_NE(CSdlPlatform::FromVirtualKey(code), SDLK_UNKNOWN) << code;
}
