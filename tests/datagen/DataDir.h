// Where the tests find the generated data.
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

} // namespace NDataTest

#define REQUIRE_DATA()                                                                                       \
    do                                                                                                       \
    {                                                                                                        \
        if (!NDataTest::HaveData())                                                                          \
            GTEST_FAIL() << "no generated data in " << NDataTest::DataDir();                                 \
    } while (0)
