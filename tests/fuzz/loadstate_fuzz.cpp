// A saved game's board keys from arbitrary property text: the board either
// refuses them untouched or restores a board that saves back to the same text.
#include "play/SavedGame.h"
#include "rules/Field.h"
#include "storage/PropertyFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace
{
NGame::CField& Board()
{
    // Every mask is a full one, so any level of any set builds without holes.
    static const std::vector<unsigned char> mask(800 * 600, 1);
    static NGame::CField board(NLevelSets::kClassic, 20, NGame::SFieldResources{},
                               [](const std::string&)
                               { return std::make_shared<const std::vector<unsigned char>>(mask); });
    return board;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPropertyFile save;
    save.Parse(reinterpret_cast<const char*>(data), size, true);
    NGame::CField& board = Board();
    const std::string before = board.DescribeState();
    const NLevelSets::ESet set = board.GetLevelSet();
    if (!board.LoadState(NSavedGame::ReadBoard(save)))
    {
        if (board.DescribeState() != before || board.GetLevelSet() != set)
            std::abort();
        return 0;
    }
    const std::string text = save.GetString("gamedata.fieldstate", "");
    if (board.DescribeState() != text ||
        NLevelSets::Set(board.GetLevelSet()).m_pattern != save.GetString("gamedata.dir_pattern", ""))
        std::abort();
    return 0;
}
