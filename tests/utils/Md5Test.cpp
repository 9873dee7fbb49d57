#include "utils/Md5.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    std::string input;
    const char* digest;
};

class Md5 : public testing::TestWithParam<Case> {};

// The test suite of RFC 1321, plus a text longer than one block.
TEST_P(Md5, MatchesTheReferenceDigests) { EXPECT_EQ(Utils::Md5Hex(GetParam().input), GetParam().digest); }

INSTANTIATE_TEST_SUITE_P(
    Rfc1321, Md5,
    testing::Values(Case{"", "d41d8cd98f00b204e9800998ecf8427e"}, Case{"a", "0cc175b9c0f1b6a831c399e269772661"},
                    Case{"abc", "900150983cd24fb0d6963f7d28e17f72"},
                    Case{"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
                    Case{"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
                    Case{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
                         "d174ab98d277d9f5a5611c2c9f419d9f"},
                    Case{"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
                         "57edf4a22be3c955ac49da2e2107b67a"}));

}  // namespace
