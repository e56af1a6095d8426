// The per-user files' cipher: round trips, the byte layout it writes, and
// refusal of data it cannot have written.
#include "storage/Cipher.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace
{
const char* const kKeys[] = {CCipher::kSettingsKey, CCipher::kSavedGameKey, CCipher::kTopTableKey};

int Length(const char* key) { return static_cast<int>(std::strlen(key)); }

std::string Bytes(int n, int seed)
{
    std::string s(static_cast<std::size_t>(n), '\0');
    for (int i = 0; i < n; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<char>((i * 131 + seed * 17 + (i >> 3)) & 0xff);
    return s;
}
} // namespace

TEST(Cipher, RoundTripsEveryLengthUnderEachKey)
{
    CCipher cipher;
    for (const char* key : kKeys)
    {
        for (int n = 1; n <= 300; ++n)
        {
            const std::string plain = Bytes(n, n);
            const std::string enciphered = cipher.Encipher(plain, key, Length(key));
            ASSERT_EQ(enciphered.size(), plain.size() + 1) << key << " n=" << n;
            ASSERT_EQ(cipher.Decipher(enciphered, key, Length(key)), plain) << key << " n=" << n;
        }
    }
    // Keys with bytes above 127 work too.
    const char highKey[] = "\xff\x80z";
    const std::string plain = Bytes(77, 3);
    EXPECT_EQ(cipher.Decipher(cipher.Encipher(plain, highKey, 3), highKey, 3), plain);
}

TEST(Cipher, RotationStaysBelowLengthAndBelowHundred)
{
    CCipher cipher;
    for (int n = 1; n <= 300; ++n)
    {
        std::set<int> rotations;
        for (int trial = 0; trial < 8; ++trial)
        {
            const int r = static_cast<unsigned char>(cipher.Encipher(Bytes(n, 0), "vum", 3)[0]);
            ASSERT_LT(r, n > 100 ? 100 : n) << "n=" << n;
            rotations.insert(r);
        }
        // Repeated saves of the same text should not all look the same.
        if (n >= 50)
        {
            EXPECT_GT(rotations.size(), 1u) << "n=" << n;
        }
    }
}

TEST(Cipher, SingleByteEnciphersToRotationZeroAndKeyedByte)
{
    const std::string c = CCipher().Encipher("A", "vum", 3);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0], 0);
    EXPECT_EQ(static_cast<unsigned char>(c[1]), static_cast<unsigned char>('A' ^ 'u'));
}

TEST(Cipher, KeyBytesAreTakenFromIndexOneOnwards)
{
    // Rotation 0 and an all-zero body decipher to the key bytes in the order
    // positions 1, 2, 3, 4 use them.
    EXPECT_EQ(CCipher().Decipher(std::string(5, '\0'), "abc", 3), "bcab");
    EXPECT_EQ(CCipher().Decipher(std::string(3, '\0'), "k", 1), "kk");
}

TEST(Cipher, KnownEncipheredFileDeciphersAfterRotation)
{
    // Hand-built: rotation 1, key "ab", body chosen so that the chain yields
    // "yx" before the rotation is undone.
    // t[1] = (e1 - 1) ^ 1 ^ 'b' = 'y'  ->  e1 = ('y' ^ 'b' ^ 1) + 1
    // t[2] = (e2 - e1) ^ e1 ^ 'a' = 'x'
    const unsigned char e1 = static_cast<unsigned char>(('y' ^ 'b' ^ 1) + 1);
    const unsigned char e2 = static_cast<unsigned char>((('x' ^ 'a' ^ e1) + e1) & 0xff);
    const std::string data = {'\x01', static_cast<char>(e1), static_cast<char>(e2)};
    EXPECT_EQ(CCipher().Decipher(data, "ab", 2), "xy");
}

TEST(Cipher, WrongKeyGivesOtherBytesOfTheSameLength)
{
    const std::string plain = "m_sound 1\nm_hints 0\n";
    const std::string c = CCipher().Encipher(plain, "vum", 3);
    const std::string wrong = CCipher().Decipher(c, "vun", 3);
    EXPECT_EQ(wrong.size(), plain.size());
    EXPECT_NE(wrong, plain);
}

TEST(Cipher, DataItCannotHaveWrittenDeciphersToNothing)
{
    CCipher cipher;
    EXPECT_EQ(cipher.Encipher("", "vum", 3), "");
    EXPECT_EQ(cipher.Decipher("", "vum", 3), "");
    EXPECT_EQ(cipher.Decipher(std::string(1, '\0'), "vum", 3), "");
    EXPECT_EQ(cipher.Decipher(std::string("\x03" "abc", 4).substr(0, 3), "vum", 3), "");
    EXPECT_EQ(cipher.Decipher(std::string("\x80" "abcdef", 7), "vum", 3), "");
    EXPECT_EQ(cipher.Decipher(std::string("\xff" "abcdef", 7), "vum", 3), "");
    // A rotation equal to the text length is a whole turn and stays in bounds.
    EXPECT_EQ(cipher.Decipher(std::string("\x03" "abc", 4), "vum", 3).size(), 3u);
    // No usable key: nothing to do.
    EXPECT_EQ(cipher.Encipher("abc", "", 0), "");
    EXPECT_EQ(cipher.Decipher(std::string("\0abc", 4), nullptr, 3), "");
}
