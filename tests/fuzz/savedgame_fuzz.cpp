// The saved game as the continue dialog resumes it: the file's bytes are read
// through the real enciphered reader and, as deciphered text, parsed directly;
// every store then goes through the menus' resume path. A store the game
// accepts must keep its purse and lives in range and save back a board that
// resumes again to the same state.
#include "MemoryFile.h"
#include "framework/Application.h"
#include "play/Game.h"
#include "play/GameResources.h"
#include "play/SavedGame.h"
#include "play/TopTable.h"
#include "rules/Player.h"
#include "screens/GameLink.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"
#include "support/FakePlatform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace
{
NGame::CField::Mask FullMasks(const std::string&)
{
    return std::make_shared<const std::vector<unsigned char>>(800 * 600, 1);
}

// A minimal data folder (configuration and hints), the game's resources and
// an application on the fake platform, made once for the whole run.
struct SWorld
{
    SWorld()
    {
        char pattern[] = "/tmp/chromal-savedgame-fuzz-XXXXXX";
        const std::string root = ::mkdtemp(pattern);
        ::mkdir((root + "/dat").c_str(), 0700);
        ::mkdir((root + "/dat/hints").c_str(), 0700);
        std::ofstream(root + "/dat/game.txt") << "m_levels_moving 20\n";
        std::ofstream(root + "/dat/hints/hints.xml") << "<hints><hint posx=\"1\" posy=\"2\"></hint></hints>";
        CFileSystem* files = CFileSystem::Create();
        files->SetRoot(root);
        CreateGameResourcesFrom(*files);
        CApplication* app = CApplication::Create(m_platform);
        app->SetLogicalSize(800, 600);
        app->CreateMainWindow("Chromal", 0, 0, 800, 600);
        app->PushScreen(&m_menu);
        // Before the resource registry's own static goes, as the game does at exit.
        std::atexit(ReleaseGameResources);
        // The loose files were read at start-up; the folder is not needed again.
        std::system(("rm -rf '" + root + "'").c_str());
    }
    CFakePlatform m_platform;
    CScreen m_menu;
    CTopTable m_table{2};
};

SWorld& World()
{
    static SWorld world;
    return world;
}

void Resume(const CPropertyFile& store)
{
    const int type = NSavedGame::GameType(store);
    if (type < 0)
        return;
    NGame::CGame game(type, &World().m_table, FullMasks);
    if (!NGameLink::LoadGame(&game, store))
        return;
    const NGame::CPlayer* human = game.GetPlayer(0);
    if (!human || human->GetMoney() < 0 || human->GetMoney() > 100000000 || human->GetLives() < 0 ||
        human->GetLives() > 1000)
        std::abort();
    NGameLink::ContinueLevel(&game);
    NGameLink::ContinueScore(&game);

    CPropertyFile saved;
    if (!NGameLink::SaveGame(&game, saved))
        std::abort();
    NGame::CGame again(type, &World().m_table, FullMasks);
    if (!NGameLink::LoadGame(&again, saved) ||
        again.GetField().GetLevelState() != game.GetField().GetLevelState() ||
        again.GetField().GetLevel() != game.GetField().GetLevel())
        std::abort();
    // A few frames of the resumed game.
    for (int i = 0; i < 3; ++i)
        game.Update(16.0f);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    World();
    const std::string file = FuzzInputAsFile("savedgame_fuzz", data, size);
    CPropertyFile store;
    if (NSavedGame::Read(file, store))
        Resume(store);

    CPropertyFile plain;
    plain.Parse(reinterpret_cast<const char*>(data), size, true);
    Resume(plain);
    return 0;
}
