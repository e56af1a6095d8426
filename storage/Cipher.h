// The per-user files' cipher: a random rotation, then a keyed XOR chain.
#pragma once

#include <string>

class CCipher
{
  public:
    virtual ~CCipher() = default;

    // n bytes become n + 1; an empty input gives an empty result.
    std::string Encipher(const std::string& plain, const char* key, int keyLength) const;
    // m bytes become m - 1; data this cipher cannot have written gives "".
    std::string Decipher(const std::string& data, const char* key, int keyLength) const;

    static constexpr char kSettingsKey[] = "vum";
    static constexpr char kSavedGameKey[] = "slotstate@#&";
    static constexpr char kTopTableKey[] = "zpqrtu%#%8127";
    static constexpr char kStatisticsKey[] = "tally&%#31";
};
