// Reading data files by name: pack entries plain and enciphered, loose files,
// name normalisation, and packs that are damaged or hostile.
#include "TempFolder.h"
#include "storage/FileSystem.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace
{
void AppendU32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xff);
}

// Pack bytes record by record; Raw can falsify any field.
class CPackBuilder
{
  public:
    explicit CPackBuilder(std::uint32_t count) { AppendU32(m_bytes, count); }
    CPackBuilder& Entry(const std::string& name, std::string data, bool encipher = false)
    {
        if (encipher)
            CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(data.data()), data.size(),
                                    CFileSystem::kPackKey);
        return Raw(static_cast<std::uint32_t>(name.size()), name, static_cast<std::uint32_t>(data.size()),
                   encipher ? 'y' : 'n', data);
    }
    CPackBuilder& Raw(std::uint32_t nameLength, const std::string& name, std::uint32_t size, char flag,
                      const std::string& data)
    {
        AppendU32(m_bytes, nameLength);
        AppendU32(m_bytes += name, size);
        (m_bytes += flag) += data;
        return *this;
    }
    std::string Bytes() const { return "LB" + m_bytes; }

  private:
    std::string m_bytes;
};

std::string Cipher(std::string data, const std::string& key)
{
    CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(data.data()), data.size(), key);
    return data;
}

class FileSystemTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_files.SetRoot(m_folder.Path());
        m_files.SetPackKey(CFileSystem::kPackKey);
    }
    bool Open(const std::string& bytes)
    {
        m_folder.Write("data.pk", bytes);
        return m_files.OpenPack("data.pk");
    }
    std::string Read(const std::string& name) const
    {
        const CDataBuffer buffer = m_files.ReadFile(name);
        return buffer.Empty() ? std::string() : std::string(buffer.Chars(), buffer.Size());
    }

    CTempFolder m_folder;
    CFileSystem m_files;
};
} // namespace

TEST(PackCipher, MatchesHandComputedTablesAndIsItsOwnInverse)
{
    // Key "abc": pass tables "abc" and "bca", together 3, 1, 2.
    EXPECT_EQ(Cipher(std::string(4, '\0'), "abc"), "\x03\x01\x02\x03");
    // A zero byte ends the key.
    EXPECT_EQ(Cipher(std::string(4, '\0'), std::string("abc\0zz", 6)), "\x03\x01\x02\x03");
    // Negative key bytes index through an unsigned sum.
    EXPECT_EQ(Cipher(std::string(3, '\0'), "\xff\x01"), "\xfe\xfe\xfe");
    // Through whole words, past the key's laid-out block and in the last odd bytes.
    const std::string zeros = Cipher(std::string(10007, '\0'), "abc");
    for (std::size_t i = 0; i < zeros.size(); ++i)
        ASSERT_EQ(zeros[i], "\x03\x01\x02"[i % 3]) << "byte " << i;
    const std::string text = "entry bytes long enough to wrap the key more than once......";
    EXPECT_NE(Cipher(text, CFileSystem::kPackKey), text);
    EXPECT_EQ(Cipher(Cipher(text, CFileSystem::kPackKey), CFileSystem::kPackKey), text);
    EXPECT_EQ(Cipher(text, ""), text);
}

TEST_F(FileSystemTest, ServesEntriesByNormalisedNameAndTheRestFromDisk)
{
    m_folder.Write("dat/levels_classic/lev001.raw", "mask");
    ASSERT_TRUE(Open(CPackBuilder(4)
                         .Entry("mui/main_wnd.txt", "m_close_btn.x 10\n")
                         .Entry("Dat/Game.TXT", std::string("\0\xff m_a", 6), true)
                         .Entry("MUI/main_wnd.txt", "second of two")
                         .Entry("wav/ZERO.wav", "") // empty, and the pack ends with it
                         .Bytes()));
    EXPECT_EQ(Read("MUI\\Main_Wnd.txt"), "m_close_btn.x 10\n");
    EXPECT_EQ(Read("dat/game.txt"), std::string("\0\xff m_a", 6));
    EXPECT_EQ(m_files.FindEntry("wav/zero.wav").m_name, "wav/zero.wav");
    EXPECT_EQ(Read("wav/zero.wav"), "");
    EXPECT_EQ(m_files.EntriesInFileOrder().size(), 3u);
    EXPECT_EQ(Read("DAT\\Levels_Classic\\LEV001.raw"), "mask");
    // Found nowhere, or not a file: an empty buffer.
    EXPECT_EQ(m_files.ReadFile("dat/nowhere.txt").Data(), nullptr);
    EXPECT_TRUE(m_files.ReadFile("dat").Empty());
}

TEST_F(FileSystemTest, DamagedPacksAreRefusedAndLooseFilesStayInUse)
{
    m_folder.Write("a.txt", "loose");
    const std::string good = CPackBuilder(2).Entry("a.txt", "packed").Entry("b.txt", "xyz", true).Bytes();
    std::string badMagic = good;
    badMagic[1] = 'C';
    EXPECT_FALSE(Open(badMagic));
    // Every cut through a valid pack lands inside some record.
    for (std::size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(Open(good.substr(0, cut))) << "cut at " << cut;
    for (const std::string& hostile : {
             CPackBuilder(0xffffffffu).Entry("a.txt", "packed").Bytes(),
             CPackBuilder(1).Raw(104, std::string(104, 'n'), 1, 'n', "x").Bytes(),
             CPackBuilder(1).Raw(0xffffffffu, "a.txt", 1, 'n', "x").Bytes(),
             CPackBuilder(1).Raw(5, "a.txt", 2, 'n', "x").Bytes(),
             CPackBuilder(2).Entry("a.txt", "packed").Raw(5, "b.txt", 0xffffffffu, 'n', "").Bytes(),
         })
        EXPECT_FALSE(Open(hostile));
    EXPECT_FALSE(m_files.HasPack());
    EXPECT_EQ(Read("a.txt"), "loose");

    // The limits themselves are fine; bytes after the last entry are ignored.
    EXPECT_TRUE(Open(CPackBuilder(1).Entry(std::string(103, 'n'), "x").Bytes() + "tail"));
    EXPECT_EQ(Read(std::string(103, 'n')), "x");
    // A refused pack keeps the index that was in use.
    m_folder.Write("other.pk", "LB\xff\xff\xff\xff");
    EXPECT_FALSE(m_files.OpenPack("other.pk"));
    EXPECT_EQ(Read(std::string(103, 'n')), "x");
}

TEST_F(FileSystemTest, PackThatShrinksAfterOpeningReadsAsEmpty)
{
    ASSERT_TRUE(Open(CPackBuilder(1).Entry("a.txt", std::string(1000, 'q')).Bytes()));
    m_folder.Write("data.pk", "LB");
    EXPECT_TRUE(m_files.ReadFile("a.txt").Empty());
}
