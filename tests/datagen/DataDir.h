// Where the tests find the generated data, and small readers for it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace NDataTest
{
inline std::string DataDir()
{
    return CHROMAL_TEST_DATA;
}

inline bool HaveData()
{
    return std::filesystem::exists(DataDir() + "/dat/game.txt");
}

inline std::vector<uint8_t> ReadData(const std::string& name)
{
    std::ifstream in(DataDir() + "/" + name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct STga
{
    int width = 0, height = 0, depth = 0;
    bool ok = false;
};

// Header check as the game's loader does it, plus the length check it leaves out.
inline STga ParseTga(const std::vector<uint8_t>& d)
{
    STga t;
    static const uint8_t head[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    if (d.size() < 18 || !std::equal(head, head + 12, d.begin()))
        return t;
    t.width = d[12] | d[13] << 8;
    t.height = d[14] | d[15] << 8;
    t.depth = d[16];
    t.ok = t.width > 0 && t.height > 0 && (t.depth == 24 || t.depth == 32) &&
           d.size() >= 18 + static_cast<size_t>(t.width) * t.height * (t.depth / 8);
    return t;
}
} // namespace NDataTest

#define SKIP_WITHOUT_DATA()                                                                                  \
    do                                                                                                       \
    {                                                                                                        \
        if (!NDataTest::HaveData())                                                                          \
            GTEST_SKIP() << "no generated data in " << NDataTest::DataDir();                                 \
    } while (0)
