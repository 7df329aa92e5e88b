#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "Sha256.h"

namespace {

std::string HexOf(const std::string& text) {
    return Sha256Hex(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::string Alphabet(size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
    return text;
}

TEST(ruxtool_Sha256, KnownVectors) {
    EXPECT_EQ(HexOf(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(HexOf("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(HexOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(HexOf(std::string(1000000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

// Lengths at the padding edges (digests from another implementation), whole and in 7-byte pieces.
TEST(ruxtool_Sha256, PaddingEdgesWholeAndInPieces) {
    const std::pair<size_t, const char*> vectors[] = {
        {55, "595615dbe4f0f407ae397d08b4c2cb870cb9b0e11937416f950c5160acf9c005"},
        {56, "784f623b787495078e93ff28a25b581df0584055a7e71d8cd90c454716b92f51"},
        {63, "5ca3e1ef5207490eac01a795e5cc94d59582a5118bf9534665c8668d87aa647c"},
        {64, "2fcd5a0d60e4c941381fcc4e00a4bf8be422c3ddfafb93c809e8d1e2bfffae8e"},
        {65, "1b3cd1877ab2f2f19f7be001722554f336cb799df0329de0bb4c118dc6abc06d"},
        {119, "faef67da856d6fd9c8d12f9ed0a4fefd3cf0ce085ab43e2907418d457e3c354b"},
        {120, "c9512b08619c19fbb503c7da6b46ef20301e5f7a7a5f43989182398536f5c5c8"},
    };
    for (const auto& [length, expected] : vectors) {
        const std::string text = Alphabet(length);
        EXPECT_EQ(HexOf(text), expected) << "length " << length;
        Sha256 hash;
        for (size_t at = 0; at < length; at += 7)
            hash.Update(reinterpret_cast<const uint8_t*>(text.data()) + at, std::min<size_t>(7, length - at));
        Sha256 whole;
        whole.Update(reinterpret_cast<const uint8_t*>(text.data()), length);
        EXPECT_EQ(hash.Finish(), whole.Finish()) << "length " << length << " in pieces";
    }
}

}  // namespace
