// The high-score lists: ordering, qualification and the stored file.
#include "play/TopTable.h"
#include "storage/PropertyFile.h"
#include "storage/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace
{
CTopTable TableWith(std::initializer_list<int> points)
{
    CTopTable table(2);
    CPropertyFile store;
    int j = 0;
    for (int p : points)
    {
        char key[40];
        std::snprintf(key, sizeof key, "top7.rec_points000%03d", j);
        store.SetInt(key, p);
        std::snprintf(key, sizeof key, "top7.rec_name000%03d", j);
        store.SetString(key, "p" + std::to_string(p));
        ++j;
    }
    table.ReadEntries(store);
    return table;
}

} // namespace

TEST(TopTableInsert, ScoresGoInOrderBelowEqualOnesAndPushTheLastOut)
{
    const struct
    {
        int points, at;
        std::vector<int> after;
    } cases[] = {{35, 6, {90, 80, 70, 60, 50, 40, 35}},
                 {80, 2, {90, 80, 80, 70, 60, 50, 40}},
                 {1000, 0, {1000, 90, 80, 70, 60, 50, 40}}};
    for (const auto& c : cases)
    {
        CTopTable table = TableWith({90, 80, 70, 60, 50, 40, 30});
        ASSERT_TRUE(table.Qualifies(0, c.points));
        table.Insert(0, c.points, "new");
        EXPECT_EQ(table.GetName(0, c.at), "new") << c.points;
        for (int j = 0; j < CTopTable::kEntries; ++j)
            EXPECT_EQ(table.GetPoints(0, j), c.after[j]) << c.points << " at " << j;
        EXPECT_EQ(table.GetPoints(1, 0), 0);
        EXPECT_EQ(table.GetName(1, 0), "Nemo");
    }
}

TEST(TopTableFile, EachEntryKeepsItsOpponentAndOldTablesReadAsTheLevelsOwn)
{
    // A table written before there was a choice of opponent.
    CTopTable table = TableWith({90, 80, 70, 60, 50, 40, 30});
    table.Insert(0, 85, "soft", NOpponents::kGentle);
    table.Insert(1, 20, "hard", NOpponents::kFierce);
    CPropertyFile store;
    table.WriteEntries(store);
    // Entries against the level's own opponent are written as they always were.
    EXPECT_EQ(store.ToText().find("top7.rec_opponent000000"), std::string::npos);
    store.SetInt("top7.rec_opponent000002", 9); // damaged
    CTopTable back(2);
    back.ReadEntries(store);
    const int expected[2][3] = {{NOpponents::kLevel, NOpponents::kGentle, NOpponents::kLevel},
                                {NOpponents::kFierce, NOpponents::kLevel, NOpponents::kLevel}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(back.GetOpponent(i, j), expected[i][j]) << i << " " << j;
}

TEST(TopTableQualifies, EqualToSeventhOrZeroOnDefaultsDoesNot)
{
    CTopTable table = TableWith({90, 80, 70, 60, 50, 40, 30});
    EXPECT_FALSE(table.Qualifies(0, 30));
    EXPECT_TRUE(table.Qualifies(0, 31));
    EXPECT_FALSE(table.Qualifies(1, 0));
    EXPECT_TRUE(table.Qualifies(1, 1));
    EXPECT_FALSE(table.Qualifies(2, 100)); // no list for the moving set
    EXPECT_FALSE(table.Qualifies(-1, 100));
}

TEST(TopTableFile, MissingOrForeignFileGivesDefaults)
{
    const CTempFolder folder;
    for (const std::string& path :
         {folder / "absent.tbl", folder.Write("garbage.tbl", std::string("\x05garbage bytes\x01\xff", 16))})
    {
        CTopTable table(2);
        table.Load(path);
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < CTopTable::kEntries; ++j)
                EXPECT_TRUE(table.GetName(i, j) == "Nemo" && table.GetPoints(i, j) == 0 &&
                            table.GetOpponent(i, j) == NOpponents::kLevel)
                    << path << " " << i << " " << j;
    }
}

TEST(TopTableNames, SlashesAnywhereSurviveTheFileAndSpareEveryOtherEntry)
{
    // "//" opens a comment for the property reader, even inside quotes; names
    // are cut to fifteen bytes.
    const char* names[2][CTopTable::kEntries] = {
        {"//x", "a//b", "x//", "Bob // 2", "//", "///", "a/b//c/d"},
        {"// lead", "mid // dle", "tail //", "////////////////////", "Jo \"Ace\"", "new\nline\t", " \t\n "}};
    CTopTable table(2);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < CTopTable::kEntries; ++j)
            table.Insert(i, 100 - j, names[i][j]);
    EXPECT_EQ(table.GetName(0, 3), "Bob // 2") << "the shown name keeps its slashes";
    EXPECT_EQ(table.GetName(1, 3), std::string(15, '/'));
    EXPECT_EQ(table.GetName(1, 4), "Jo 'Ace'");
    EXPECT_EQ(table.GetName(1, 5), "newline");
    EXPECT_EQ(table.GetName(1, 6), "Nemo") << "blanks alone would show an empty row";
    EXPECT_EQ(table.GetLastName(), "Nemo");

    CPropertyFile store;
    table.WriteEntries(store);
    EXPECT_EQ(store.ToText().find("//"), std::string::npos);
    const CTempFolder folder;
    ASSERT_TRUE(table.Save(folder / CTopTable::kFileName));
    CTopTable loaded(2);
    loaded.Load(folder / CTopTable::kFileName);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < CTopTable::kEntries; ++j)
        {
            EXPECT_EQ(loaded.GetName(i, j), table.GetName(i, j)) << i << ' ' << j;
            EXPECT_EQ(loaded.GetPoints(i, j), 100 - j) << i << ' ' << j;
        }
}

TEST(TopTableNames, LastNameEnteredIsKeptInTheFile)
{
    CTopTable table(2);
    EXPECT_EQ(table.GetLastName(), "Nemo");
    table.Insert(1, 3, "Ada // b");
    const CTempFolder folder;
    ASSERT_TRUE(table.Save(folder / CTopTable::kFileName));
    CTopTable loaded(2);
    loaded.Load(folder / CTopTable::kFileName);
    EXPECT_EQ(loaded.GetLastName(), "Ada // b");
}
