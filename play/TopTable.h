// The top-7 high-score lists, one per selectable level set, kept enciphered
// in "top7_demo.tbl" in the per-user folder.
#pragma once

#include "catalogue/Opponents.h"
#include "catalogue/Texts.h"

#include <string>
#include <vector>

class CPropertyFile;

class CTopTable
{
  public:
    static constexpr int kEntries = 7;
    static constexpr int kMaxNameLength = 15;
    static constexpr const char* kFileName = "top7_demo.tbl";
    static constexpr const char* kDefaultName = NTexts::Text(NTexts::EText::kDefaultName);

    struct Entry
    {
        std::string m_name;
        int m_points = 0;
        // The opponent the score was made against (NOpponents).
        int m_opponent = NOpponents::kLevel;
    };

    explicit CTopTable(int listCount);

    void ReadEntries(const CPropertyFile& store);
    void WriteEntries(CPropertyFile& store) const;

    // Reads the file (a missing or foreign file gives the default lists).
    void Load(const std::string& path);
    // Writes the whole table atomically; false when it could not be written.
    bool Save(const std::string& path) const;

    // When set, every insert writes the table to this path straight away.
    void SetSavePath(const std::string& path) { m_save_path = path; }

    // A score equal to the seventh entry's does not qualify.
    bool Qualifies(int list, int score) const;
    // Equal scores keep their places: the new entry goes below them. A name
    // of blanks alone, or empty, goes in as "Nemo".
    void Insert(int list, int score, const std::string& name, int opponent = NOpponents::kLevel);
    // The name of the last entry made, kept in the file too; "Nemo" before
    // the first.
    const std::string& GetLastName() const { return m_last_name; }

    int GetListCount() const { return static_cast<int>(m_lists.size()); }
    const std::string& GetName(int list, int entry) const { return m_lists.at(list).at(entry).m_name; }
    int GetPoints(int list, int entry) const { return m_lists.at(list).at(entry).m_points; }
    int GetOpponent(int list, int entry) const { return m_lists.at(list).at(entry).m_opponent; }

  private:
    std::vector<std::vector<Entry>> m_lists;
    std::string m_save_path;
    std::string m_last_name = kDefaultName;
};
