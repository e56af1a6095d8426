// Every data file is read by name through CFileSystem: first from the data
// pack "data.pk", else as a loose file under the data folder.
#pragma once

#include "storage/DataBuffer.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct PackEntry
{
    std::uint32_t m_size = 0;
    std::uint32_t m_offset = 0;
    char m_enciphered = 'n';
    std::string m_name;
};

class CFileSystem
{
  public:
    // The process-wide instance: Create destroys a previous one first.
    static CFileSystem* Create();
    static CFileSystem* Get();
    static void Destroy();

    // The folder that loose files and a relative pack path are taken from
    // ("" means the working directory).
    void SetRoot(const std::string& folder);

    void SetPackKey(const std::string& key);
    // Reads a pack's index. Refuses (false, index unchanged) a pack that does
    // not fit its own file.
    bool OpenPack(const std::string& path);
    bool HasPack() const { return !m_pack_path.empty(); }

    // The whole file; an empty buffer when the name is found nowhere.
    CDataBuffer ReadFile(const std::string& name) const;

    // The index entry of a name as ReadFile would look it up (empty name when absent).
    PackEntry FindEntry(const std::string& name) const;
    // Entries in the order they stand in the pack file.
    const std::vector<PackEntry>& EntriesInFileOrder() const { return m_order; }

    // Lower case, forward slashes: the form names are looked up in.
    static std::string NormaliseName(const std::string& name);
    // Lower case only: how names are stored in the index.
    static std::string NormaliseCase(const std::string& name);
    // The pack cipher, in place; it is its own inverse.
    static void PackCipher(unsigned char* data, std::size_t size, const std::string& key);

    static const char* const kPackKey;

  private:
    std::string m_root;
    std::string m_pack_path;
    std::string m_pack_key;
    std::map<std::string, PackEntry> m_index;
    std::vector<PackEntry> m_order;
};
