// Flat key/value text maps: layouts, configuration, sprite descriptions and
// every per-user file, plain or enciphered with CCipher.
#pragma once

#include <cstddef>
#include <map>
#include <string>

class CFileSystem;

class CPropertyFile
{
  public:
    void Clear() { m_map.clear(); }

    // Through the file-access layer (pack first); a missing file reads as empty.
    bool Load(const CFileSystem& fs, const std::string& name, bool clear = true, const char* key = nullptr,
              int keyLength = 0);
    // Straight from the disk; false (map unchanged) when the file cannot be opened.
    bool LoadFile(const std::string& path, bool clear = true, const char* key = nullptr, int keyLength = 0);
    void Parse(const char* bytes, std::size_t length, bool clear, const char* key = nullptr,
               int keyLength = 0);
    // Written to a temporary file beside the target and renamed over it, so an
    // interruption leaves either the old or the new file. False on any failure.
    bool Save(const std::string& path, const char* key = nullptr, int keyLength = 0) const;
    // The text that Save writes (before enciphering).
    std::string ToText() const;
    // The bytes that Save writes: the text, enciphered under `key` if one is
    // given. Empty when the key is unusable and there is something to write.
    std::string Encode(const char* key = nullptr, int keyLength = 0) const;

    std::string GetString(std::string key, std::string def) const;
    int GetInt(std::string key, int def) const;
    bool GetBool(std::string key, bool def) const;
    float GetFloat(std::string key, float def) const;
    bool Has(const std::string& key) const { return m_map.count(key) != 0; }

    void SetString(std::string key, std::string value);
    void SetInt(std::string key, int value);

    const std::map<std::string, std::string>& Map() const { return m_map; }

  private:
    std::map<std::string, std::string> m_map;
};
