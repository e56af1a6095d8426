// The per-user files' cipher: round trips, the byte layout it writes, and
// refusal of data it cannot have written.
#include "storage/Cipher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

TEST(Cipher, RoundTripsEveryLengthWithRotationInBounds)
{
    CCipher cipher;
    const char highKey[] = "\xff\x80z";
    for (const char* key : {CCipher::kSettingsKey, CCipher::kSavedGameKey, CCipher::kTopTableKey, highKey})
    {
        const int k = static_cast<int>(std::strlen(key));
        // Saving the same text again should not give the same bytes; four
        // draws of a clock-seeded rotation may still agree now and then.
        int repeated = 0;
        for (std::size_t n = 1; n <= 300; ++n)
        {
            std::string plain(n, '\0');
            for (std::size_t i = 0; i < n; ++i)
                plain[i] = static_cast<char>(i * 131 + n);
            std::set<int> rotations;
            for (int trial = 0; trial < 4; ++trial)
            {
                const std::string c = cipher.Encipher(plain, key, k);
                ASSERT_EQ(c.size(), n + 1);
                ASSERT_LT(static_cast<unsigned char>(c[0]), std::min<std::size_t>(n, 100)) << n;
                ASSERT_EQ(cipher.Decipher(c, key, k), plain) << key << " n=" << n;
                rotations.insert(c[0]);
            }
            repeated += n >= 50 && rotations.size() == 1;
        }
        EXPECT_LE(repeated, 2) << key;
    }
}

TEST(Cipher, KnownBytes)
{
    // Bytes as saves hold them: the rotation in clear, then every byte
    // chained to the one before it under the key.
    EXPECT_EQ(CCipher().Encipher("A", "vum", 3), std::string("\x00\x34", 2));
    EXPECT_EQ(CCipher().Decipher(std::string(5, '\0'), "abc", 3), "bcab");
    EXPECT_EQ(CCipher().Decipher("\x01\x1b\x1d", "ab", 2), "xy");
}

TEST(Cipher, DataItCannotHaveWrittenDeciphersToNothing)
{
    CCipher cipher;
    EXPECT_EQ(cipher.Encipher("", "vum", 3), "");
    for (const std::string& bad : {std::string(), std::string(1, '\0'), std::string("\003ab"),
                                   std::string("\200abcdef"), std::string("\377abcdef")})
        EXPECT_EQ(cipher.Decipher(bad, "vum", 3), "");
    // A rotation equal to the text length is a whole turn and stays in bounds.
    EXPECT_EQ(cipher.Decipher("\003abc", "vum", 3).size(), 3u);
    EXPECT_EQ(cipher.Encipher("abc", "", 0), "");
}
