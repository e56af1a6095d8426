// The music the player hears: the game's five-track list, one track further
// at every level change, and the menu's own track, taken back from the game.
#include "GameFixture.h"

#include "media/Audio.h"
#include "media/Music.h"
#include "media/TestMedia.h"
#include "screens/MainMenu.h"

namespace NGame::NTest
{
namespace
{
class PlaylistFixture : public GameFixture
{
  protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        ::mkdir((m_root + "/music").c_str(), 0700);
        for (const char* track : {"menu", "game01", "game02", "game03", "game04"})
        {
            const NTestMedia::Bytes wav = NTestMedia::MakeWav(3000);
            std::ofstream(m_root + "/music/" + track + ".xm", std::ios::binary)
                .write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
        }
        // The window made an audio device; the silent driver counts as one.
        ASSERT_TRUE(CAudio::Get() && CAudio::Get()->IsDeviceAvailable());
    }
    static std::string Track()
    {
        return NAudio::TheMusic().IsPlaying() ? NAudio::TheMusic().GetCurrentTrack() : "";
    }
};
} // namespace

TEST_F(PlaylistFixture, GameMovesToTheNextTrackAtEveryLevelChange)
{
    Start();
    EXPECT_EQ(Track(), "music/game01.xm");
    ASSERT_TRUE(Settle());
    LosingBoard();
    FinishLevel();
    Continue();
    EXPECT_EQ(Track(), "music/game02.xm") << "a level played again moves on too";
    for (const char* next : {"music/game03.xm", "music/menu.xm", "music/game04.xm", "music/game01.xm"})
    {
        WinningBoard();
        FinishLevel();
        Continue();
        EXPECT_EQ(Track(), next) << "level " << Field().GetLevel();
    }
}

TEST_F(PlaylistFixture, MenuPlaysItsTrackAndTakesItBackFromTheGame)
{
    const std::string folder = Settings().m_user_folder;
    Settings().m_user_folder = m_root + "/";
    {
        NInterface::CMainMenu menu;
        m_app->PushScreen(&menu);
        EXPECT_EQ(Track(), "music/menu.xm");
        menu.StartGame(kClassicGame, 0);
        EXPECT_EQ(Track(), "music/game01.xm");
        m_app->CloseTop(true);
        EXPECT_EQ(Track(), "music/menu.xm");
        m_app->RemoveScreen(&menu);
    }
    Settings().m_user_folder = folder;
}
} // namespace NGame::NTest
