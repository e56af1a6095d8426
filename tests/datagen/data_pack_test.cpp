// The packed data: every generated file reads back from data.pk unchanged.
#include "DataDir.h"

#include "storage/FileSystem.h"

#include <gtest/gtest.h>

using namespace NDataTest;

TEST(GeneratedPack, EveryLooseFileReadsBackFromThePackEnciphered)
{
    REQUIRE_DATA();
    const std::string packPath = DataDir() + "/data.pk";
    CFileSystem fs;
    // A root with no loose files, so that every read has to come from the pack.
    fs.SetRoot(DataDir() + "/no-such-folder");
    fs.SetPackKey(CFileSystem::kPackKey);
    ASSERT_TRUE(fs.OpenPack(packPath)) << "no pack in " << DataDir();

    size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DataDir()))
    {
        if (!entry.is_regular_file() || entry.path().filename() == "data.pk")
            continue;
        const std::string name = std::filesystem::relative(entry.path(), DataDir()).generic_string();
        const PackEntry e = fs.FindEntry(name);
        ASSERT_FALSE(e.m_name.empty()) << name;
        EXPECT_EQ(e.m_enciphered, 'y') << name;
        const CDataBuffer packed = fs.ReadFile(name);
        const std::vector<uint8_t> loose = ReadData(name);
        ASSERT_EQ(packed.Size(), loose.size()) << name;
        EXPECT_TRUE(std::equal(loose.begin(), loose.end(), packed.Data())) << name;
        ++files;
    }
    EXPECT_EQ(files, fs.EntriesInFileOrder().size());
}
