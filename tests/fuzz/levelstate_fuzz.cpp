// Feeds arbitrary text to the level-state reader and, when it accepts the
// text, checks that writing it again reads back the same.
#include "rules/LevelState.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    int level = 0;
    std::vector<NGame::SCellState> cells;
    if (!NGame::CLevelState::Read(text, level, cells))
        return 0;
    int again = 0;
    std::vector<NGame::SCellState> reread;
    if (!NGame::CLevelState::Read(NGame::CLevelState::Write(level, cells), again, reread) || again != level ||
        reread.size() != cells.size())
        std::abort();
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (reread[i].m_colour != cells[i].m_colour || reread[i].m_coin != cells[i].m_coin)
            std::abort();
    return 0;
}
