// The property text format: tokens, comments, quotes, merging, the saved form
// and the numeric getters.
#include "TempFolder.h"
#include "storage/Cipher.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace
{
using Map = std::map<std::string, std::string>;

Map ParseText(const std::string& text)
{
    CPropertyFile file;
    file.Parse(text.data(), text.size(), true);
    return file.Map();
}
} // namespace

TEST(PropertyText, TokensQuotesAndTheEndOfData)
{
    EXPECT_EQ(ParseText("a 1 b 2"), (Map{{"a", "1"}, {"b", "2"}}));
    // Only tab, LF, CR and space separate.
    EXPECT_EQ(ParseText("\r\n\t a\t1\r\nb\v2"), (Map{{"a", "1"}, {"b\v2", ""}}));
    EXPECT_EQ(ParseText("name \"Ann Lee\" v \"a\nb\"c 2"),
              (Map{{"name", "Ann Lee"}, {"v", "a\nb"}, {"c", "2"}}));
    EXPECT_EQ(ParseText("v a\"b w"), (Map{{"v", "a\"b"}, {"w", ""}}));
    EXPECT_EQ(ParseText("a 1 b \"x y\nc 3"), (Map{{"a", "1"}, {"b", "x y\nc 3"}}));
    EXPECT_EQ(ParseText("a 1 last  \n"), (Map{{"a", "1"}, {"last", ""}}));
    EXPECT_EQ(ParseText("a 1 a 2"), (Map{{"a", "2"}}));
    EXPECT_TRUE(ParseText(" \n\t\r ").empty());
}

TEST(PropertyText, CommentsAreBlankedBeforeQuotesAreSeen)
{
    EXPECT_EQ(ParseText("a 1 // b 2\nc 3"), (Map{{"a", "1"}, {"c", "3"}}));
    EXPECT_EQ(ParseText("url http://host\nnext 1"), (Map{{"url", "http:"}, {"next", "1"}}));
    // The comment eats the closing quote, so the value runs to the end.
    EXPECT_EQ(ParseText("name \"a // b\"\nnext 1"), (Map{{"name", "a      \nnext 1"}}));
    EXPECT_EQ(ParseText("a 1 //b 2"), (Map{{"a", "1"}}));
    EXPECT_EQ(ParseText("///\na /"), (Map{{"a", "/"}}));
}

TEST(PropertyText, LoadingWithoutClearMerges)
{
    CPropertyFile file;
    file.Parse("a 1 b 1", 7, true);
    file.Parse("b 2 c 2", 7, false);
    EXPECT_EQ(file.Map(), (Map{{"a", "1"}, {"b", "2"}, {"c", "2"}}));
}

TEST(PropertySave, KeysInByteOrderSpacedValuesQuotedEmptyValuesLost)
{
    CPropertyFile file;
    file.SetString("zeta", "1");
    file.SetString("Zeta", "two words");
    file.SetInt("_n", -5);
    EXPECT_EQ(file.ToText(), "Zeta \"two words\"\n_n -5\nzeta 1\n");
    EXPECT_EQ(ParseText(file.ToText()), file.Map());

    file.SetString("a", "");
    EXPECT_EQ(ParseText("a \nb 1\n"), (Map{{"a", "b"}, {"1", ""}}));
}

TEST(PropertySave, EncipheredFilesReadBackUnderEachKey)
{
    CTempFolder folder;
    CPropertyFile file;
    file.SetString("top7.rec_name000000", "Ann Lee");
    file.SetInt("gamedata.totalscore", 123456);
    for (const char* key : {CCipher::kSettingsKey, CCipher::kSavedGameKey, CCipher::kTopTableKey})
    {
        const int length = static_cast<int>(std::strlen(key));
        ASSERT_TRUE(file.Save(folder / "f", key, length));
        EXPECT_EQ(ReadBack(folder / "f").size(), file.ToText().size() + 1);
        CPropertyFile back;
        ASSERT_TRUE(back.LoadFile(folder / "f", true, key, length));
        EXPECT_EQ(back.Map(), file.Map());
    }
}

TEST(PropertyLoad, UnreadableFilesFailAndLeaveTheMap)
{
    CTempFolder folder;
    CPropertyFile file;
    file.SetString("keep", "1");
    EXPECT_FALSE(file.LoadFile(folder / "missing", true));
    // A folder opens on Linux but is no file.
    EXPECT_FALSE(file.LoadFile(folder.Path(), true));
    EXPECT_EQ(file.Map(), (Map{{"keep", "1"}}));
    EXPECT_FALSE(file.Save(folder / "no/such/folder/file"));
    // A key that cannot encipher must not empty the file it would replace.
    const std::string kept = folder.Write("kept", "old");
    EXPECT_FALSE(file.Save(kept, "", 0));
    EXPECT_EQ(ReadBack(kept), "old");

    // Through the file-access layer a missing file reads as empty.
    folder.Write("dat/game.txt", "m_a 7\n");
    CFileSystem files;
    files.SetRoot(folder.Path());
    EXPECT_TRUE(file.Load(files, "DAT\\Game.txt"));
    EXPECT_EQ(file.Map(), (Map{{"m_a", "7"}}));
    EXPECT_TRUE(file.Load(files, "dat/missing.txt"));
    EXPECT_TRUE(file.Map().empty());
}

TEST(PropertyGetters, NumbersAreReadFromTheFrontOrTheDefaultIsKept)
{
    CPropertyFile file;
    const std::string text = "two 12ab neg -7 sp \" +4\" word abc empty \"\" sign - zero 0 five 5 "
                             "big 99999999999999 f 0.25x";
    file.Parse(text.data(), text.size(), true);
    EXPECT_EQ(file.GetInt("two", -1), 12);
    EXPECT_EQ(file.GetInt("neg", 0), -7);
    EXPECT_EQ(file.GetInt("sp", 0), 4);
    EXPECT_EQ(file.GetInt("big", 0), 2147483647);
    for (const char* notANumber : {"word", "empty", "sign", "missing"})
    {
        EXPECT_EQ(file.GetInt(notANumber, 42), 42) << notANumber;
        EXPECT_FLOAT_EQ(file.GetFloat(notANumber, 1.5f), 1.5f) << notANumber;
        EXPECT_TRUE(file.GetBool(notANumber, true)) << notANumber;
    }
    EXPECT_FALSE(file.GetBool("zero", true));
    EXPECT_TRUE(file.GetBool("five", false));
    EXPECT_FLOAT_EQ(file.GetFloat("f", 0), 0.25f);
}
