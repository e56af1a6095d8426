// SDL keys reach the screens as the virtual-key codes they are written for;
// the keys the desktop keeps for itself never do.
#include "platform/KeyCodes.h"
#include "platform/SdlPlatform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

TEST(SdlKeys, KeysTheScreensLookForHaveTheirVirtualKeyCodes)
{
    // Letters are the upper-case ASCII codes, digits their own; keys no screen reads are 0.
    const std::pair<int, int> keys[] = {
        {SDLK_ESCAPE, 27}, {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_BACKSPACE, 8}, {SDLK_DELETE, 46},
        {SDLK_HOME, 36},   {SDLK_END, 35},    {SDLK_LEFT, 37},     {SDLK_RIGHT, 39},    {SDLK_INSERT, 45},
        {SDLK_LSHIFT, 16}, {SDLK_RCTRL, 17},  {SDLK_F4, 115},      {SDLK_a, 'A'},       {SDLK_z, 'Z'},
        {SDLK_0, '0'},     {SDLK_KP_7, '7'},  {SDLK_CAPSLOCK, 0}};
    for (const auto& [sdl, virtualKey] : keys)
        EXPECT_EQ(CSdlPlatform::ToVirtualKey(sdl), virtualKey) << sdl;
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

namespace
{
// The platform on SDL's window-less video driver: events go in as SDL makes
// them and come out as the screens would get them.
class SdlEvents : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        std::string error;
        ASSERT_TRUE(m_platform.Init(error)) << error;
    }
    void TearDown() override { unsetenv("SDL_VIDEODRIVER"); }

    void Key(SDL_Keycode key, Uint16 modifiers, const char* text = nullptr)
    {
        SDL_Event event;
        SDL_zero(event);
        event.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = key;
        event.key.keysym.mod = modifiers;
        SDL_PushEvent(&event);
        if (text)
        {
            SDL_zero(event);
            event.type = SDL_TEXTINPUT;
            std::snprintf(event.text.text, sizeof event.text.text, "%s", text);
            SDL_PushEvent(&event);
        }
    }
    // What reached the screens: key codes, and characters as negative values.
    std::vector<int> Delivered()
    {
        std::vector<int> delivered;
        CPlatformEvent event;
        while (m_platform.PollEvent(event))
            if (event.m_type == CPlatformEvent::kKeyDown)
                delivered.push_back(event.m_value);
            else if (event.m_type == CPlatformEvent::kChar)
                delivered.push_back(-event.m_value);
        return delivered;
    }

    CSdlPlatform m_platform;
};
} // namespace

TEST_F(SdlEvents, AltAndF10KeysStayWithTheDesktop)
{
    Key(SDLK_RETURN, KMOD_LALT); // switches full screen, never hides the main menu
    Key(SDLK_LALT, KMOD_NONE);   // would click in an edit box
    Key(SDLK_RALT, KMOD_RALT);
    Key(SDLK_F10, KMOD_NONE);
    Key(SDLK_x, KMOD_RALT, "x");
    EXPECT_EQ(Delivered(), std::vector<int>{});

    // Plain keys, Shift and Control still arrive, and so does AltGr (Control+Alt).
    Key(SDLK_RETURN, KMOD_NONE);
    Key(SDLK_a, KMOD_LSHIFT, "A");
    Key(SDLK_v, KMOD_LCTRL);
    Key(SDLK_q, KMOD_LCTRL | KMOD_RALT, "@");
    Key(SDLK_F9, KMOD_NONE);
    EXPECT_EQ(Delivered(), (std::vector<int>{NKey::kEnter, 'A', -'A', 'V', 'Q', -'@', NKey::kF1 + 8}));
}

TEST_F(SdlEvents, AltEnterAndF11SwitchFullScreenOnceAndReachNoScreen)
{
    auto toggles = [this]
    {
        int count = 0;
        CPlatformEvent event;
        while (m_platform.PollEvent(event))
        {
            EXPECT_NE(event.m_type, CPlatformEvent::kKeyDown) << event.m_value;
            count += event.m_type == CPlatformEvent::kToggleFullScreen ? 1 : 0;
        }
        return count;
    };
    Key(SDLK_RETURN, KMOD_LALT);
    Key(SDLK_KP_ENTER, KMOD_RALT | KMOD_NUM);
    Key(SDLK_F11, KMOD_NONE);
    Key(SDLK_F11, KMOD_CAPS);
    EXPECT_EQ(toggles(), 4);

    // A held key repeats: one switch, not a flicker back and forth.
    SDL_Event repeat;
    SDL_zero(repeat);
    repeat.type = SDL_KEYDOWN;
    repeat.key.keysym.sym = SDLK_F11;
    repeat.key.repeat = 1;
    SDL_PushEvent(&repeat);
    EXPECT_EQ(toggles(), 0);

    // AltGr+Enter, Control+F11 and plain Enter (the main menu's hide key) are no request.
    Key(SDLK_RETURN, KMOD_LCTRL | KMOD_RALT);
    Key(SDLK_F11, KMOD_LCTRL);
    Key(SDLK_RETURN, KMOD_NONE);
    EXPECT_EQ(Delivered(), (std::vector<int>{NKey::kEnter, NKey::kF1 + 10, NKey::kEnter}));
}
