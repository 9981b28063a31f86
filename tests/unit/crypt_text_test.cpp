#include "core/crypt_text.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(CryptTransform, CombinesEachByteWithItsPositionFromOneAndTheKey) {
    EXPECT_EQ(CryptTransform("AAAA", 0), "\x40\x43\x42\x45");
    EXPECT_EQ(CryptTransform("ab", 83), "\x33\x33");
    EXPECT_EQ(CryptTransform("", 83), "");
}

TEST(CryptTransform, ZeroBytesAreKeptBothWays) {
    const std::string plain("a\0b\0", 4);
    const std::string secret = CryptTransform(plain, 7);
    ASSERT_EQ(secret.size(), 4u);
    EXPECT_EQ(secret[1], '\x05');
    EXPECT_EQ(secret[3], '\x03');
    // 'Q' at position 2 under key 83 enciphers to zero; the text goes on.
    EXPECT_EQ(CryptTransform("aQb", 83), std::string_view("3\0" "2", 3));
    EXPECT_EQ(CryptTransform(secret, 7), plain);
}

TEST(CryptTransform, PositionWrapsAfter256Bytes) {
    const std::string plain(600, 'x');
    const std::string secret = CryptTransform(plain, 83);
    ASSERT_EQ(secret.size(), plain.size());
    EXPECT_EQ(secret[200], static_cast<char>('x' ^ 201 ^ 83));
    EXPECT_EQ(secret[255], static_cast<char>('x' ^ 83));  // position 256 is 0
    EXPECT_EQ(secret[256], secret[0]);
    EXPECT_EQ(secret[599], secret[599 - 512]);
}

TEST(CryptTransform, IsItsOwnInverseForEveryByteAndKey) {
    std::string plain;
    for (int round = 0; round < 3; ++round) {
        for (int b = 0; b < 256; ++b) plain += static_cast<char>(b);
    }
    for (int key = 0; key < 256; ++key) {
        const std::string secret =
            CryptTransform(plain, static_cast<uint8_t>(key));
        if (key != 0) {
            EXPECT_NE(secret, plain) << key;
        }
        EXPECT_EQ(CryptTransform(secret, static_cast<uint8_t>(key)), plain)
            << key;
    }
}

}  // namespace
}  // namespace velk
