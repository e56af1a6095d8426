// Reading and writing the saved-game file and checking its game keys.
#include "play/SavedGame.h"

#include "storage/Cipher.h"
#include "storage/PropertyFile.h"

#include <algorithm>

namespace NSavedGame
{
namespace
{
constexpr int kKeyLength = 12;
// Far beyond any purse or life count a game reaches.
constexpr int kMaxMoney = 100000000;
constexpr int kMaxLives = 1000;
} // namespace

bool Read(const std::string& path, CPropertyFile& store)
{
    store.Clear();
    return store.LoadFile(path, true, CCipher::kSavedGameKey, kKeyLength);
}

bool Write(const std::string& path, const CPropertyFile& store)
{
    return store.Save(path, CCipher::kSavedGameKey, kKeyLength);
}

int GameType(const CPropertyFile& store)
{
    const int type = store.GetInt(kTypeKey, -1);
    return type >= 0 && type <= 2 ? type : -1;
}

int Money(const CPropertyFile& store)
{
    return std::clamp(store.GetInt(kMoneyKey, 0), 0, kMaxMoney);
}

int Lives(const CPropertyFile& store)
{
    return std::clamp(store.GetInt(kLivesKey, 0), 0, kMaxLives);
}
} // namespace NSavedGame
