// The per-user cipher on arbitrary bytes: Decipher never reads or writes out
// of bounds, and Encipher followed by Decipher gives the input back.
#include "storage/Cipher.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the key length, the next bytes are the key.
    const std::size_t keyLength = 1 + data[0] % 16;
    if (size < 1 + keyLength)
        return 0;
    const std::string key(reinterpret_cast<const char*>(data + 1), keyLength);
    const std::string body(reinterpret_cast<const char*>(data + 1 + keyLength), size - 1 - keyLength);

    CCipher cipher;
    const std::string deciphered = cipher.Decipher(body, key.data(), static_cast<int>(keyLength));
    if (!deciphered.empty() && deciphered.size() + 1 != body.size())
        std::abort();

    const std::string enciphered = cipher.Encipher(body, key.data(), static_cast<int>(keyLength));
    if (enciphered.size() != (body.empty() ? 0 : body.size() + 1))
        std::abort();
    if (cipher.Decipher(enciphered, key.data(), static_cast<int>(keyLength)) != body)
        std::abort();
    return 0;
}
