// Property text: whitespace-separated key/value tokens, "//" comments, quoted
// values without escapes.
#include "storage/PropertyFile.h"

#include "storage/AtomicFile.h"
#include "storage/Cipher.h"
#include "storage/FileSystem.h"

#include <cstdio>
#include <cstdlib>

namespace
{
bool IsSpace(char c)
{
    return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

// Comments are blanked before tokens are looked at, so "//" ends a value even
// inside quotes.
void RemoveComments(std::string& text)
{
    for (std::size_t i = 1; i < text.size(); ++i)
    {
        if (text[i - 1] == '/' && text[i] == '/')
        {
            std::size_t j = i - 1;
            while (j < text.size() && text[j] != '\n')
                text[j++] = ' ';
            i = j;
        }
    }
}

// "%d"-style: optional leading whitespace and sign, then at least one digit.
bool ReadLeadingInt(const std::string& value, long long& out)
{
    std::size_t p = 0;
    while (p < value.size() && (IsSpace(value[p]) || value[p] == '\v' || value[p] == '\f'))
        ++p;
    bool negative = false;
    if (p < value.size() && (value[p] == '+' || value[p] == '-'))
        negative = value[p++] == '-';
    if (p >= value.size() || value[p] < '0' || value[p] > '9')
        return false;
    long long result = 0;
    for (; p < value.size() && value[p] >= '0' && value[p] <= '9'; ++p)
    {
        // Saturate rather than overflow on absurd numbers.
        if (result < 1000000000000LL)
            result = result * 10 + (value[p] - '0');
    }
    out = negative ? -result : result;
    return true;
}

int ClampToInt(long long v)
{
    if (v > 2147483647LL)
        return 2147483647;
    if (v < -2147483647LL - 1)
        return -2147483647 - 1;
    return static_cast<int>(v);
}
} // namespace

bool CPropertyFile::Load(const CFileSystem& fs, const std::string& name, bool clear, const char* key,
                         int keyLength)
{
    CDataBuffer data = fs.ReadFile(name);
    Parse(data.Chars(), data.Size(), clear, key, keyLength);
    return true;
}

bool CPropertyFile::LoadFile(const std::string& path, bool clear, const char* key, int keyLength)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return false;
    Parse(bytes.data(), bytes.size(), clear, key, keyLength);
    return true;
}

void CPropertyFile::Parse(const char* bytes, std::size_t length, bool clear, const char* key, int keyLength)
{
    if (clear)
        Clear();
    std::string text = bytes && length ? std::string(bytes, length) : std::string();
    if (key != nullptr)
        text = CCipher().Decipher(text, key, keyLength);
    RemoveComments(text);

    const std::size_t n = text.size();
    std::size_t p = 0;
    for (;;)
    {
        while (p < n && IsSpace(text[p]))
            ++p;
        std::size_t start = p;
        while (p < n && !IsSpace(text[p]))
            ++p;
        if (p == start)
            break;
        std::string k = text.substr(start, p - start);

        while (p < n && IsSpace(text[p]))
            ++p;
        std::string value;
        if (p < n && text[p] == '"')
        {
            ++p;
            start = p;
            while (p < n && text[p] != '"')
                ++p;
            value = text.substr(start, p - start);
            if (p < n)
                ++p;
        }
        else
        {
            start = p;
            while (p < n && !IsSpace(text[p]))
                ++p;
            value = text.substr(start, p - start);
        }
        m_map[k] = value;
    }
}

std::string CPropertyFile::ToText() const
{
    std::string text;
    for (const auto& [k, v] : m_map)
    {
        text += k;
        text += ' ';
        if (v.find(' ') != std::string::npos)
            text += '"' + v + '"';
        else
            text += v;
        text += '\n';
    }
    return text;
}

std::string CPropertyFile::Encode(const char* key, int keyLength) const
{
    const std::string text = ToText();
    return key != nullptr ? CCipher().Encipher(text, key, keyLength) : text;
}

bool CPropertyFile::Save(const std::string& path, const char* key, int keyLength) const
{
    const std::string bytes = Encode(key, keyLength);
    // An unusable key enciphers to nothing; writing that would replace the
    // old file with an empty one.
    if (bytes.empty() && !m_map.empty())
        return false;
    return WriteFileAtomically(path, bytes);
}

std::string CPropertyFile::GetString(std::string key, std::string def) const
{
    auto it = m_map.find(key);
    return it == m_map.end() ? def : it->second;
}

int CPropertyFile::GetInt(std::string key, int def) const
{
    auto it = m_map.find(key);
    long long v = 0;
    if (it == m_map.end() || !ReadLeadingInt(it->second, v))
        return def;
    return ClampToInt(v);
}

bool CPropertyFile::GetBool(std::string key, bool def) const
{
    auto it = m_map.find(key);
    long long v = 0;
    if (it == m_map.end() || !ReadLeadingInt(it->second, v))
        return def;
    return v != 0;
}

float CPropertyFile::GetFloat(std::string key, float def) const
{
    auto it = m_map.find(key);
    if (it == m_map.end())
        return def;
    const char* begin = it->second.c_str();
    char* end = nullptr;
    float v = std::strtof(begin, &end);
    return end == begin ? def : v;
}

void CPropertyFile::SetString(std::string key, std::string value)
{
    m_map[std::move(key)] = std::move(value);
}

void CPropertyFile::SetInt(std::string key, int value)
{
    m_map[std::move(key)] = std::to_string(value);
}
