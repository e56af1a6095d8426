// The per-user files' cipher. The first byte carries the rotation in clear;
// every later byte is chained to the one before it.
#include "storage/Cipher.h"

#include <cstdlib>
#include <ctime>

namespace
{
// The time-seeded generator only has to make the rotation vary between saves;
// it is kept apart from the game's own generator so saves never disturb a
// seeded game.
unsigned DrawRotationSeed()
{
    static unsigned state = static_cast<unsigned>(std::time(nullptr)) * 2654435761u + 12345u;
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7fff;
}
} // namespace

std::string CCipher::Encipher(const std::string& plain, const char* key, int keyLength) const
{
    const std::size_t n = plain.size();
    if (n == 0 || key == nullptr || keyLength <= 0)
        return std::string();

    const std::size_t r = DrawRotationSeed() % (n > 100 ? 100 : n);
    std::string c(n + 1, '\0');
    c[0] = static_cast<char>(r);
    for (std::size_t j = 0; j < n - r; ++j)
        c[1 + j] = plain[r + j];
    for (std::size_t j = 0; j < r; ++j)
        c[n - r + 1 + j] = plain[j];

    for (std::size_t i = 1; i <= n; ++i)
    {
        unsigned char previous = static_cast<unsigned char>(c[i - 1]);
        unsigned char b = static_cast<unsigned char>(c[i]);
        b ^= previous;
        b ^= static_cast<unsigned char>(key[i % static_cast<std::size_t>(keyLength)]);
        b = static_cast<unsigned char>(b + previous);
        c[i] = static_cast<char>(b);
    }
    return c;
}

std::string CCipher::Decipher(const std::string& data, const char* key, int keyLength) const
{
    const std::size_t m = data.size();
    if (m < 2 || key == nullptr || keyLength <= 0)
        return std::string();
    const signed char rotation = static_cast<signed char>(data[0]);
    // Only a rotation this cipher can have written is accepted: anything else
    // would index outside the text.
    if (rotation < 0 || static_cast<std::size_t>(rotation) >= m)
        return std::string();

    std::string t(m, '\0');
    for (std::size_t i = 1; i < m; ++i)
    {
        unsigned char e = static_cast<unsigned char>(data[i]);
        unsigned char previous = static_cast<unsigned char>(data[i - 1]);
        unsigned char b = static_cast<unsigned char>(e - previous);
        b ^= previous;
        b ^= static_cast<unsigned char>(key[i % static_cast<std::size_t>(keyLength)]);
        t[i] = static_cast<char>(b);
    }

    const std::size_t r = static_cast<std::size_t>(rotation);
    const std::size_t s = m - r;
    std::string o(m - 1, '\0');
    for (std::size_t i = 1; i < s; ++i)
        o[r + i - 1] = t[i];
    for (std::size_t i = s; i < m; ++i)
        o[i - s] = t[i];
    return o;
}
