// Reading data files by name: pack entries plain and enciphered, loose files,
// name normalisation, and packs that are damaged or hostile.
#include "storage/FileSystem.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace
{
const std::string kKey = CFileSystem::kPackKey;

void AppendU32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xff);
}

// Builds pack bytes record by record; fields can be falsified on purpose.
class CPackBuilder
{
public:
    explicit CPackBuilder(std::uint32_t count) { AppendU32(m_bytes, count); }

    CPackBuilder& Entry(const std::string& name, std::string data, bool encipher = false)
    {
        if (encipher)
            CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(data.data()), data.size(), kKey);
        return Raw(static_cast<std::uint32_t>(name.size()), name, static_cast<std::uint32_t>(data.size()),
                   encipher ? 'y' : 'n', data);
    }
    CPackBuilder& Raw(std::uint32_t nameLength, const std::string& name, std::uint32_t size, char flag,
                      const std::string& data)
    {
        AppendU32(m_bytes, nameLength);
        m_bytes += name;
        AppendU32(m_bytes, size);
        m_bytes += flag;
        m_bytes += data;
        return *this;
    }
    std::string Bytes() const { return "LB" + m_bytes; }

private:
    std::string m_bytes;
};

std::string Text(const CDataBuffer& buffer)
{
    return buffer.Empty() ? std::string() : std::string(buffer.Chars(), buffer.Size());
}

class FileSystemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_files.SetRoot(m_folder.Path());
        m_files.SetPackKey(kKey);
    }
    bool Open(const std::string& bytes)
    {
        m_folder.Write("data.pk", bytes);
        return m_files.OpenPack("data.pk");
    }

    CTempFolder m_folder;
    CFileSystem m_files;
};
} // namespace

TEST(PackCipher, MatchesHandComputedTablesAndIsItsOwnInverse)
{
    // Key "abc": first pass table "abc", second "bca"; together 3, 1, 2.
    std::string d(4, '\0');
    CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(d.data()), d.size(), "abc");
    EXPECT_EQ(d, std::string("\x03\x01\x02\x03", 4));
    // Negative key bytes index through an unsigned sum.
    std::string e(3, '\0');
    CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(e.data()), e.size(), "\xff\x01");
    EXPECT_EQ(e, std::string(3, '\xfe'));

    std::string data = "some entry bytes, long enough to wrap the key twice over......";
    const std::string original = data;
    CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(data.data()), data.size(), kKey);
    EXPECT_NE(data, original);
    CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(data.data()), data.size(), kKey);
    EXPECT_EQ(data, original);

    // No key, or a key that ends at once, leaves the bytes alone; a zero byte ends the key.
    CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(data.data()), data.size(), "");
    CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(data.data()), data.size(), std::string("\0ab", 3));
    EXPECT_EQ(data, original);
    std::string f(4, '\0');
    CFileSystem::PackCipher(reinterpret_cast<unsigned char*>(f.data()), f.size(), std::string("abc\0zz", 6));
    EXPECT_EQ(f, std::string("\x03\x01\x02\x03", 4));
}

TEST_F(FileSystemTest, ServesPlainAndEncipheredEntriesByNormalisedName)
{
    const std::string binary("\0\xff\x10 bytes", 9);
    ASSERT_TRUE(Open(CPackBuilder(3)
                         .Entry("mui/main_wnd.txt", "m_close_btn.x 10\n")
                         .Entry("Dat/Game.TXT", "m_a 1\n", true)
                         .Entry("wav/empty.wav", "")
                         .Bytes()));
    EXPECT_TRUE(m_files.HasPack());
    EXPECT_EQ(Text(m_files.ReadFile("MUI\\Main_Wnd.txt")), "m_close_btn.x 10\n");
    EXPECT_EQ(Text(m_files.ReadFile("dat/game.txt")), "m_a 1\n");
    EXPECT_TRUE(m_files.ReadFile("wav/empty.wav").Empty());
    EXPECT_EQ(m_files.FindEntry("DAT\\GAME.TXT").m_enciphered, 'y');
    EXPECT_EQ(m_files.FindEntry("dat/other.txt").m_name, "");

    ASSERT_EQ(m_files.EntriesInFileOrder().size(), 3u);
    EXPECT_EQ(m_files.EntriesInFileOrder()[0].m_name, "mui/main_wnd.txt");
    EXPECT_EQ(m_files.EntriesInFileOrder()[1].m_name, "dat/game.txt");
}

TEST_F(FileSystemTest, FirstOfTwoEqualNamesWins)
{
    ASSERT_TRUE(Open(CPackBuilder(2).Entry("a.txt", "first").Entry("A.TXT", "second").Bytes()));
    EXPECT_EQ(Text(m_files.ReadFile("a.txt")), "first");
    EXPECT_EQ(m_files.EntriesInFileOrder().size(), 1u);
}

TEST_F(FileSystemTest, NamesOutsideThePackComeFromLooseFilesOrAreEmpty)
{
    m_folder.Write("dat/levels_classic/lev001.raw", "mask");
    ASSERT_TRUE(Open(CPackBuilder(1).Entry("a.txt", "packed").Bytes()));
    EXPECT_EQ(Text(m_files.ReadFile("DAT\\Levels_Classic\\LEV001.raw")), "mask");
    CDataBuffer missing = m_files.ReadFile("dat/nowhere.txt");
    EXPECT_TRUE(missing.Empty());
    EXPECT_EQ(missing.Data(), nullptr);
    EXPECT_TRUE(m_files.ReadFile("dat").Empty());
    EXPECT_TRUE(m_files.ReadFile("").Empty());
}

TEST_F(FileSystemTest, WithoutAPackEverythingIsLoose)
{
    m_folder.Write("mui/main_wnd.txt", "loose");
    EXPECT_FALSE(m_files.OpenPack("data.pk"));
    EXPECT_FALSE(m_files.HasPack());
    EXPECT_EQ(Text(m_files.ReadFile("Mui/Main_wnd.txt")), "loose");
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

    const std::string hostile[] = {
        CPackBuilder(0xffffffffu).Entry("a.txt", "packed").Bytes(),
        CPackBuilder(1).Raw(104, std::string(104, 'n'), 1, 'n', "x").Bytes(),
        CPackBuilder(1).Raw(0xffffffffu, "a.txt", 1, 'n', "x").Bytes(),
        CPackBuilder(1).Raw(5, "a.txt", 2, 'n', "x").Bytes(),
        CPackBuilder(1).Raw(5, "a.txt", 0xffffffffu, 'y', "x").Bytes(),
        CPackBuilder(2).Entry("a.txt", "packed").Raw(5, "b.txt", 0x7fffffffu, 'n', "").Bytes(),
    };
    for (const std::string& bytes : hostile)
        EXPECT_FALSE(Open(bytes));

    EXPECT_FALSE(m_files.HasPack());
    EXPECT_EQ(Text(m_files.ReadFile("a.txt")), "loose");
}

TEST_F(FileSystemTest, LimitsThatStillFitAreAccepted)
{
    const std::string longName(103, 'n');
    EXPECT_TRUE(Open(CPackBuilder(1).Entry(longName, "x").Bytes()));
    EXPECT_EQ(Text(m_files.ReadFile(longName)), "x");
    EXPECT_TRUE(Open(CPackBuilder(0).Bytes()));
    // Bytes after the last entry are ignored.
    EXPECT_TRUE(Open(CPackBuilder(1).Entry("a", "x").Bytes() + "trailing"));
    EXPECT_EQ(Text(m_files.ReadFile("a")), "x");
}

TEST_F(FileSystemTest, RefusedPackKeepsThePreviousIndex)
{
    ASSERT_TRUE(Open(CPackBuilder(1).Entry("a.txt", "packed").Bytes()));
    m_folder.Write("other.pk", "LB\xff\xff\xff\xff");
    EXPECT_FALSE(m_files.OpenPack("other.pk"));
    EXPECT_EQ(Text(m_files.ReadFile("a.txt")), "packed");
}

TEST_F(FileSystemTest, PackThatShrinksAfterOpeningReadsAsEmpty)
{
    ASSERT_TRUE(Open(CPackBuilder(1).Entry("a.txt", std::string(1000, 'q')).Bytes()));
    m_folder.Write("data.pk", "LB");
    EXPECT_TRUE(m_files.ReadFile("a.txt").Empty());
    std::filesystem::remove(m_folder / "data.pk");
    EXPECT_TRUE(m_files.ReadFile("a.txt").Empty());
}

TEST(DataBuffer, CopiesShareTheBytes)
{
    CDataBuffer a(std::vector<unsigned char>{1, 2, 3});
    CDataBuffer b = a;
    EXPECT_EQ(a.Data(), b.Data());
    EXPECT_EQ(b.Size(), 3u);
    a = CDataBuffer();
    EXPECT_EQ(b.Data()[2], 3);
}

TEST(FileSystemInstance, CreateReplacesThePreviousInstance)
{
    CFileSystem* first = CFileSystem::Create();
    first->SetRoot("somewhere");
    CFileSystem* second = CFileSystem::Create();
    EXPECT_EQ(CFileSystem::Get(), second);
    EXPECT_EQ(second->GetRoot(), "");
    CFileSystem::Destroy();
    EXPECT_EQ(CFileSystem::Get(), nullptr);
}
