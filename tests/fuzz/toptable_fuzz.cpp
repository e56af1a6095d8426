// The top-7 table from arbitrary bytes, through the real enciphered reader and
// as deciphered text: names come out storable, and whatever was read is
// written and read back unchanged.
#include "MemoryFile.h"
#include "play/TopTable.h"
#include "storage/PropertyFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
constexpr int kLists = 2;

void Check(const CTopTable& table)
{
    for (int i = 0; i < kLists; ++i)
        for (int j = 0; j < CTopTable::kEntries; ++j)
        {
            const std::string& name = table.GetName(i, j);
            if (name.size() > static_cast<std::size_t>(CTopTable::kMaxNameLength))
                std::abort();
            for (char c : name)
                if (static_cast<unsigned char>(c) < 32 || c == 127 || c == '"')
                    std::abort();
        }
    CPropertyFile store;
    table.WriteEntries(store);
    const std::string text = store.ToText();
    CPropertyFile reread;
    reread.Parse(text.data(), text.size(), true);
    CTopTable again(kLists);
    again.ReadEntries(reread);
    for (int i = 0; i < kLists; ++i)
        for (int j = 0; j < CTopTable::kEntries; ++j)
        {
            // An empty name is stored as the default one.
            const std::string& name = table.GetName(i, j);
            if (again.GetPoints(i, j) != table.GetPoints(i, j) ||
                again.GetOpponent(i, j) != table.GetOpponent(i, j) ||
                NOpponents::FromStored(table.GetOpponent(i, j)) != table.GetOpponent(i, j) ||
                again.GetName(i, j) != (name.empty() ? CTopTable::kDefaultName : name))
                std::abort();
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file = FuzzInputAsFile("toptable_fuzz", data, size);
    CTopTable enciphered(kLists);
    enciphered.Load(file);
    Check(enciphered);

    CPropertyFile plain;
    plain.Parse(reinterpret_cast<const char*>(data), size, true);
    CTopTable table(kLists);
    table.ReadEntries(plain);
    Check(table);
    // A new score goes in wherever the hostile lists leave room.
    table.Insert(size % kLists, static_cast<int>(size),
                 std::string(reinterpret_cast<const char*>(data), size % 40));
    Check(table);
    return 0;
}
