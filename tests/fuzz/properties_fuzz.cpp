// Property text from arbitrary bytes, plain and enciphered: the parser must
// accept anything, and what it reads must survive a save and a re-read.
#include "storage/Cipher.h"
#include "storage/PropertyFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);

    CPropertyFile plain;
    plain.Parse(bytes, size, true);
    // Keys are non-empty runs without whitespace, so text written by Save
    // parses back to the same keys whenever no value holds a separator.
    bool clean = true;
    for (const auto& [key, value] : plain.Map())
    {
        if (key.empty())
            std::abort();
        if (value.empty() || value.find_first_of("\t\r\n\"/") != std::string::npos ||
            key.find('/') != std::string::npos)
            clean = false;
        plain.GetInt(key, 0);
        plain.GetBool(key, false);
        plain.GetFloat(key, 0.0f);
    }
    if (clean)
    {
        const std::string text = plain.ToText();
        CPropertyFile again;
        again.Parse(text.data(), text.size(), true);
        if (again.Map() != plain.Map())
            std::abort();
    }

    CPropertyFile enciphered;
    enciphered.Parse(bytes, size, true, CCipher::kSettingsKey, 3);
    enciphered.Parse(bytes, size, false, CCipher::kTopTableKey, 13);
    return 0;
}
