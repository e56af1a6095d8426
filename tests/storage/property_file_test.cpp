// The property text format: tokens, comments, quotes, merging, the saved form
// and the numeric getters.
#include "storage/Cipher.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

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

TEST(PropertyText, TokensPairUpAcrossAnyWhitespace)
{
    EXPECT_EQ(ParseText("a 1 b 2"), (Map{{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(ParseText("\r\n\t a\t\t1\r\nb\n\n2 \n"), (Map{{"a", "1"}, {"b", "2"}}));
    // Only tab, LF, CR and space separate: a vertical tab is part of a token.
    EXPECT_EQ(ParseText("a\v1 b"), (Map{{"a\v1", "b"}}));
    EXPECT_TRUE(ParseText("").empty());
    EXPECT_TRUE(ParseText(" \n\t\r ").empty());
}

TEST(PropertyText, QuotedValuesKeepSpacesAndLineBreaks)
{
    EXPECT_EQ(ParseText("name \"Ann Lee\" next 1"), (Map{{"name", "Ann Lee"}, {"next", "1"}}));
    EXPECT_EQ(ParseText("v \"a\nb\"c 2"), (Map{{"v", "a\nb"}, {"c", "2"}}));
    EXPECT_EQ(ParseText("v \"\" w 1"), (Map{{"v", ""}, {"w", "1"}}));
    // A quote inside a bare token is an ordinary byte.
    EXPECT_EQ(ParseText("v a\"b w"), (Map{{"v", "a\"b"}, {"w", ""}}));
}

TEST(PropertyText, UnterminatedQuoteTakesTheRestOfTheData)
{
    EXPECT_EQ(ParseText("a 1 b \"x y\nc 3"), (Map{{"a", "1"}, {"b", "x y\nc 3"}}));
    EXPECT_EQ(ParseText("b \""), (Map{{"b", ""}}));
}

TEST(PropertyText, KeyAtTheEndGetsTheEmptyValue)
{
    EXPECT_EQ(ParseText("a 1 last"), (Map{{"a", "1"}, {"last", ""}}));
    EXPECT_EQ(ParseText("a 1 last  \n"), (Map{{"a", "1"}, {"last", ""}}));
}

TEST(PropertyText, CommentsAreBlankedBeforeQuotesAreSeen)
{
    EXPECT_EQ(ParseText("a 1 // b 2\nc 3"), (Map{{"a", "1"}, {"c", "3"}}));
    EXPECT_EQ(ParseText("url http://host/x next 1"), (Map{{"url", "http:"}}));
    EXPECT_EQ(ParseText("url http://host\nnext 1"), (Map{{"url", "http:"}, {"next", "1"}}));
    // Inside quotes too: the comment eats the closing quote, so the value
    // runs on to the end of the data.
    EXPECT_EQ(ParseText("name \"a // b\"\nnext 1"), (Map{{"name", "a      \nnext 1"}}));
    // Without a final line feed the comment runs to the end.
    EXPECT_EQ(ParseText("a 1 //b 2"), (Map{{"a", "1"}}));
    EXPECT_EQ(ParseText("///\na 1"), (Map{{"a", "1"}}));
    EXPECT_EQ(ParseText("a /"), (Map{{"a", "/"}}));
}

TEST(PropertyText, LaterValueWinsAndMergeKeepsOtherKeys)
{
    EXPECT_EQ(ParseText("a 1 a 2"), (Map{{"a", "2"}}));

    CPropertyFile file;
    const std::string first = "a 1 b 1";
    const std::string second = "b 2 c 2";
    file.Parse(first.data(), first.size(), true);
    file.Parse(second.data(), second.size(), false);
    EXPECT_EQ(file.Map(), (Map{{"a", "1"}, {"b", "2"}, {"c", "2"}}));
    file.Parse(second.data(), second.size(), true);
    EXPECT_EQ(file.Map(), (Map{{"b", "2"}, {"c", "2"}}));
}

TEST(PropertySave, KeysInByteOrderAndSpacedValuesQuoted)
{
    CPropertyFile file;
    file.SetString("zeta", "1");
    file.SetString("Zeta", "2");
    file.SetString("alpha", "two words");
    file.SetInt("_n", -5);
    file.SetFloat("half", 0.5f);
    EXPECT_EQ(file.ToText(), "Zeta 2\n_n -5\nalpha \"two words\"\nhalf 0.500000\nzeta 1\n");
    EXPECT_EQ(ParseText(file.ToText()), file.Map());
}

TEST(PropertySave, EmptyValueDoesNotSurviveSaveAndLoad)
{
    CPropertyFile file;
    file.SetString("a", "");
    file.SetString("b", "1");
    EXPECT_EQ(file.ToText(), "a \nb 1\n");
    EXPECT_EQ(ParseText(file.ToText()), (Map{{"a", "b"}, {"1", ""}}));
}

TEST(PropertySave, PlainAndEncipheredFilesReadBack)
{
    CTempFolder folder;
    CPropertyFile file;
    file.SetString("top7.rec_name000000", "Ann Lee");
    file.SetInt("gamedata.totalscore", 123456);
    for (const char* key : {CCipher::kSettingsKey, CCipher::kSavedGameKey, CCipher::kTopTableKey})
    {
        const std::string path = folder / "file";
        const int length = static_cast<int>(std::strlen(key));
        ASSERT_TRUE(file.Save(path, key, length));
        EXPECT_EQ(ReadBack(path).size(), file.ToText().size() + 1);
        CPropertyFile back;
        ASSERT_TRUE(back.LoadFile(path, true, key, length));
        EXPECT_EQ(back.Map(), file.Map());
    }
    ASSERT_TRUE(file.Save(folder / "plain"));
    EXPECT_EQ(ReadBack(folder / "plain"), file.ToText());
}

TEST(PropertyLoad, UnreadableFileFailsAndLeavesTheMap)
{
    CTempFolder folder;
    CPropertyFile file;
    file.SetString("keep", "1");
    EXPECT_FALSE(file.LoadFile(folder / "missing", true));
    // A folder opens on Linux but is no file.
    EXPECT_FALSE(file.LoadFile(folder.Path(), true));
    EXPECT_EQ(file.Map(), (Map{{"keep", "1"}}));
    EXPECT_FALSE(file.Save(folder / "no/such/folder/file"));
}

TEST(PropertyLoad, ThroughTheFileSystemMissingFileReadsAsEmpty)
{
    CTempFolder folder;
    folder.Write("dat/game.txt", "m_a 7\n");
    CFileSystem files;
    files.SetRoot(folder.Path());
    CPropertyFile file;
    file.SetString("old", "1");
    EXPECT_TRUE(file.Load(files, "DAT\\Game.txt"));
    EXPECT_EQ(file.Map(), (Map{{"m_a", "7"}}));
    EXPECT_TRUE(file.Load(files, "dat/missing.txt"));
    EXPECT_TRUE(file.Map().empty());
}

TEST(PropertyLoad, EncipheredGarbageGivesNoCrash)
{
    CPropertyFile file;
    for (const std::string& bytes : {std::string(), std::string("x"), std::string("\x7f" "abc", 4),
                                     std::string("\x80\x01\x02", 3), std::string(500, '\xff')})
    {
        file.Parse(bytes.data(), bytes.size(), true, CCipher::kSettingsKey, 3);
        EXPECT_LT(file.Map().size(), 500u);
    }
}

TEST(PropertyGetters, NumbersAreReadFromTheFrontOfTheValue)
{
    CPropertyFile file;
    const std::string text = "two 12ab neg -7 pos +3 sp \" 4\" word abc empty \"\" sign - zero 0 five 5 "
                             "big 99999999999999 f 0.25x fbad x.5";
    file.Parse(text.data(), text.size(), true);
    EXPECT_EQ(file.GetInt("two", -1), 12);
    EXPECT_EQ(file.GetInt("neg", 0), -7);
    EXPECT_EQ(file.GetInt("pos", 0), 3);
    EXPECT_EQ(file.GetInt("sp", 0), 4);
    EXPECT_EQ(file.GetInt("big", 0), 2147483647);
    EXPECT_EQ(file.GetInt("missing", 42), 42);
    // Not a number: the default, not a made-up 0.
    EXPECT_EQ(file.GetInt("word", 42), 42);
    EXPECT_EQ(file.GetInt("empty", 42), 42);
    EXPECT_EQ(file.GetInt("sign", 42), 42);

    EXPECT_FALSE(file.GetBool("zero", true));
    EXPECT_TRUE(file.GetBool("five", false));
    EXPECT_TRUE(file.GetBool("word", true));
    EXPECT_FALSE(file.GetBool("word", false));

    EXPECT_FLOAT_EQ(file.GetFloat("f", 0), 0.25f);
    EXPECT_FLOAT_EQ(file.GetFloat("two", 0), 12.0f);
    EXPECT_FLOAT_EQ(file.GetFloat("fbad", 1.5f), 1.5f);
    EXPECT_FLOAT_EQ(file.GetFloat("missing", 1.5f), 1.5f);
    EXPECT_EQ(file.GetString("missing", "def"), "def");
    EXPECT_FALSE(file.Has("missing"));
}
