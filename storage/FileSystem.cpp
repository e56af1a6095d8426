// Data files by name: the pack index first, then loose files under the root.
#include "storage/FileSystem.h"

#include "storage/AtomicFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

namespace
{
std::unique_ptr<CFileSystem> g_fileSystem;

constexpr std::uint32_t kMaxNameLength = 103;
constexpr std::size_t kMaxKeyLength = 4096;

bool ReadU32(std::istream& in, std::uint32_t& value)
{
    unsigned char b[4];
    if (!in.read(reinterpret_cast<char*>(b), 4))
        return false;
    value = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
            static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return true;
}

std::vector<unsigned char> ReadLooseFile(const std::string& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return {};
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}
} // namespace

const char* const CFileSystem::kPackKey = "packkey90817&&&&%!&%ring";

CFileSystem* CFileSystem::Create()
{
    g_fileSystem = std::make_unique<CFileSystem>();
    return g_fileSystem.get();
}

CFileSystem* CFileSystem::Get()
{
    return g_fileSystem.get();
}

void CFileSystem::Destroy()
{
    g_fileSystem.reset();
}

void CFileSystem::SetRoot(const std::string& folder)
{
    m_root = folder;
    if (!m_root.empty() && m_root.back() != '/')
        m_root += '/';
}

void CFileSystem::SetPackKey(const std::string& key)
{
    m_pack_key = key;
}

std::string CFileSystem::NormaliseName(const std::string& name)
{
    std::string result = name;
    for (char& c : result)
    {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c == '\\')
            c = '/';
    }
    return result;
}

bool CFileSystem::OpenPack(const std::string& path)
{
    const std::string fullPath = (!path.empty() && path[0] == '/') ? path : m_root + path;
    std::ifstream in(fullPath, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff fileSize = in.tellg();
    in.seekg(0, std::ios::beg);
    if (fileSize < 6)
        return false;

    char magic[2];
    if (!in.read(magic, 2) || magic[0] != 'L' || magic[1] != 'B')
        return false;
    std::uint32_t count = 0;
    if (!ReadU32(in, count))
        return false;

    // Built aside and only taken over when the whole index fits the file, so
    // a damaged pack leaves the loose files in use.
    std::map<std::string, PackEntry> index;
    std::vector<PackEntry> order;
    std::streamoff position = 6;
    for (std::uint32_t i = 0; i < count; ++i)
    {
        // Each record needs at least 9 bytes, so a count the file cannot hold
        // is refused before anything is allocated for it.
        if (fileSize - position < 9)
            return false;
        std::uint32_t nameLength = 0;
        if (!ReadU32(in, nameLength) || nameLength > kMaxNameLength)
            return false;
        if (fileSize - position - 4 < static_cast<std::streamoff>(nameLength) + 5)
            return false;
        std::string name(nameLength, '\0');
        if (nameLength > 0 && !in.read(name.data(), nameLength))
            return false;
        std::uint32_t size = 0;
        char flag = 0;
        if (!ReadU32(in, size) || !in.get(flag))
            return false;
        position += 4 + nameLength + 4 + 1;
        if (fileSize - position < static_cast<std::streamoff>(size))
            return false;
        // Offsets are kept in 32 bits.
        if (position > static_cast<std::streamoff>(UINT32_MAX))
            return false;

        PackEntry entry;
        entry.m_size = size;
        entry.m_offset = static_cast<std::uint32_t>(position);
        entry.m_enciphered = flag;
        entry.m_name = NormaliseCase(name);
        if (index.emplace(entry.m_name, entry).second)
            order.push_back(entry);
        position += size;
        in.seekg(position, std::ios::beg);
    }

    m_pack_path = fullPath;
    m_index = std::move(index);
    m_order = std::move(order);
    return true;
}

std::string CFileSystem::NormaliseCase(const std::string& name)
{
    std::string result = name;
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

PackEntry CFileSystem::FindEntry(const std::string& name) const
{
    auto it = m_index.find(NormaliseName(name));
    return it == m_index.end() ? PackEntry() : it->second;
}

CDataBuffer CFileSystem::ReadFile(const std::string& name) const
{
    const std::string normalised = NormaliseName(name);
    auto it = m_index.find(normalised);
    if (it == m_index.end())
        return CDataBuffer(ReadLooseFile(m_root + normalised));

    const PackEntry& entry = it->second;
    std::ifstream in(m_pack_path, std::ios::binary);
    if (!in)
        return CDataBuffer();
    std::vector<unsigned char> bytes(entry.m_size);
    in.seekg(entry.m_offset, std::ios::beg);
    if (entry.m_size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), entry.m_size))
        return CDataBuffer(); // the pack changed under us
    if (entry.m_enciphered == 'y')
        PackCipher(bytes.data(), bytes.size(), m_pack_key);
    return CDataBuffer(std::move(bytes));
}

void CFileSystem::PackCipher(unsigned char* data, std::size_t size, const std::string& key)
{
    std::size_t k = 0;
    while (k < key.size() && key[k] != '\0')
        ++k;
    if (k == 0 || data == nullptr)
        return;
    if (k > kMaxKeyLength)
        k = kMaxKeyLength;

    std::int32_t sum = 0;
    for (std::size_t j = 0; j < k; ++j)
        sum += static_cast<signed char>(key[j]);
    const std::int32_t second = k > 1 ? static_cast<signed char>(key[1]) : 0;

    // Two keyed passes; XOR being associative, one pass with both tables
    // combined gives the same bytes (the pack holds megabytes of masks).
    std::vector<unsigned char> table(k, 0);
    for (std::int32_t offset : {second, 0})
        for (std::size_t j = 0; j < k; ++j)
        {
            const std::uint32_t index = static_cast<std::uint32_t>(
                static_cast<std::int32_t>(static_cast<signed char>(key[j])) + sum + offset);
            table[j] ^= static_cast<unsigned char>(key[index % k]);
        }
    // The key's period laid out many times over, eight bytes at a time, so
    // that megabytes of pictures pass through it quickly at start-up.
    const std::size_t period = k * 8;
    std::vector<unsigned char> block(period * ((4096 + period - 1) / period));
    for (std::size_t j = 0; j < block.size(); ++j)
        block[j] = table[j % k];
    std::size_t i = 0;
    for (std::size_t j = 0; i + 8 <= size; i += 8, j += 8)
    {
        if (j == block.size())
            j = 0;
        std::uint64_t word = 0;
        std::uint64_t mask = 0;
        std::memcpy(&word, data + i, 8);
        std::memcpy(&mask, block.data() + j, 8);
        word ^= mask;
        std::memcpy(data + i, &word, 8);
    }
    for (; i < size; ++i)
        data[i] ^= table[i % k];
}
