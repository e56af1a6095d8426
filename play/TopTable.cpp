// High-score lists: sorted insert and their property-file form.
#include "play/TopTable.h"

#include "storage/Cipher.h"
#include "storage/PropertyFile.h"

#include <cstdio>
#include <utility>

namespace
{
constexpr int kKeyLength = 13;
constexpr const char* kLastNameKey = "top7.last_name";

std::string Key(const char* format, int list, int entry)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, list, entry);
    return buffer;
}

// A double quote cannot be stored in a property value and would corrupt the
// rest of the file on the next read; control bytes cannot be drawn.
std::string StorableName(const std::string& name)
{
    std::string result;
    for (char c : name)
    {
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            continue;
        result += c == '"' ? '\'' : c;
        if (static_cast<int>(result.size()) == CTopTable::kMaxNameLength)
            break;
    }
    return result;
}

// The property reader takes "//" for a comment even inside quotes, and the
// blanked rest of the line would shift or swallow every later entry. A byte
// that no name holds is put between the slashes; StorableName drops it again
// when the file is read.
std::string FileName(const std::string& name)
{
    constexpr char kSlashBreak = '\x01';
    std::string result;
    for (char c : name)
    {
        if (c == '/' && !result.empty() && result.back() == '/')
            result += kSlashBreak;
        result += c;
    }
    return result;
}
} // namespace

CTopTable::CTopTable(int listCount) : m_lists(listCount > 0 ? listCount : 0, std::vector<Entry>(kEntries)) {}

void CTopTable::ReadEntries(const CPropertyFile& store)
{
    for (int i = 0; i < GetListCount(); ++i)
        for (int j = 0; j < kEntries; ++j)
        {
            Entry& entry = m_lists[i][j];
            entry.m_name = StorableName(store.GetString(Key("top7.rec_name%03d%03d", i, j), kDefaultName));
            entry.m_points = store.GetInt(Key("top7.rec_points%03d%03d", i, j), 0);
            entry.m_opponent = NOpponents::FromStored(
                store.GetInt(Key("top7.rec_opponent%03d%03d", i, j), NOpponents::kLevel));
        }
    m_last_name = StorableName(store.GetString(kLastNameKey, kDefaultName));
    if (m_last_name.empty())
        m_last_name = kDefaultName;
}

void CTopTable::WriteEntries(CPropertyFile& store) const
{
    for (int i = 0; i < GetListCount(); ++i)
        for (int j = 0; j < kEntries; ++j)
        {
            // An empty value would swallow the next key when read back.
            const std::string& name = m_lists[i][j].m_name;
            store.SetString(Key("top7.rec_name%03d%03d", i, j), name.empty() ? kDefaultName : FileName(name));
            store.SetInt(Key("top7.rec_points%03d%03d", i, j), m_lists[i][j].m_points);
            // An entry against the level's own opponent is written as every
            // entry was before there was a choice, so older tables and newer
            // ones read alike.
            if (m_lists[i][j].m_opponent != NOpponents::kLevel)
                store.SetInt(Key("top7.rec_opponent%03d%03d", i, j), m_lists[i][j].m_opponent);
        }
    store.SetString(kLastNameKey, FileName(m_last_name));
}

void CTopTable::Load(const std::string& path)
{
    CPropertyFile store;
    store.LoadFile(path, true, CCipher::kTopTableKey, kKeyLength);
    ReadEntries(store);
}

bool CTopTable::Save(const std::string& path) const
{
    CPropertyFile store;
    WriteEntries(store);
    return store.Save(path, CCipher::kTopTableKey, kKeyLength);
}

bool CTopTable::Qualifies(int list, int score) const
{
    if (list < 0 || list >= GetListCount())
        return false;
    return m_lists[list][kEntries - 1].m_points < score;
}

void CTopTable::Insert(int list, int score, const std::string& name, int opponent)
{
    if (!Qualifies(list, score))
        return;
    std::vector<Entry>& entries = m_lists[list];
    int place = kEntries - 1;
    // A name with nothing storable is shown as it will be read back, and
    // one of blanks alone would show as no name at all.
    const std::string stored = StorableName(name);
    m_last_name = stored.find_first_not_of(' ') == std::string::npos ? kDefaultName : stored;
    entries[place] = Entry{m_last_name, score, NOpponents::FromStored(opponent)};
    while (place > 0 && entries[place - 1].m_points < score)
    {
        std::swap(entries[place - 1], entries[place]);
        --place;
    }
    // A new high score is on the disk at once, not only at a clean exit.
    if (!m_save_path.empty())
        Save(m_save_path);
}
