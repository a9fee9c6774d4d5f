#include "game/online/signature.h"

#include <gtest/gtest.h>

#include <climits>

namespace glyphora {
namespace {

struct SignatureCase {
    const char* what;
    std::string name;
    std::string regcode;
    std::int64_t checkValue;
    const char* expected;
};

// The first three are the worked examples every implementation is held to;
// the others were computed by an independent implementation of the same
// steps.
const SignatureCase kCases[] = {
    {"worked example, X = 100", "ABC", "ABC", 100, "ab4090f83f9c8e5d"},
    {"worked example, X = 0", "ABC", "ABC", 0, "2090730817218062"},
    {"worked example, empty strings", "", "", 0, "9b8372727e6f4ddd"},
    {"bytes of 128 and above count negative", "\xC4\xE9\xFF\x80", "12345678901234567890", 4711, "308f8c23e308f8c2"},
    {"one-character strings", "A", "Z", 12, "74c13d9c6909bc40"},
    {"a typed plus sign is signed as it is", "A+B", "0A1B2C3D4E5F6G7H8I9J", 1234, "15a581a64ba7aea7"},
    {"a score hash of 0 counts as 666", "ABC", "ABC", 335742, "79d6279d6279d627"},
    {"a negative score hash expands its two's complement", "ABC", "ABC", -1, "3f7f8df7f8df7f8d"},
    {"the lowest 32-bit check value", "ABC", "ABC", INT32_MIN, "0aef60aef60aef60"},
};

TEST(Signature, MatchesTheKnownSignatures) {
    for (const SignatureCase& c : kCases) {
        EXPECT_EQ(SubmissionSignature(c.name, c.regcode, c.checkValue), c.expected) << c.what;
    }
}

TEST(Signature, EmptyStringsCountAs666AndOneCharacterRepeatsInEveryRound) {
    // The two string sums enter as a product, so an empty name beside "ABC"
    // signs like "ABC" beside an empty identifier only if both empties count
    // the same 666.
    EXPECT_EQ(SubmissionSignature("", "ABC", 100), SubmissionSignature("ABC", "", 100));
    EXPECT_EQ(SubmissionSignature("A", "Z", 12), SubmissionSignature("AAAAAAA", "ZZ", 12));
    EXPECT_NE(SubmissionSignature("A", "Z", 12), SubmissionSignature("AB", "Z", 12));
}

TEST(Signature, AScoreHashOf0SignsLikeAHashOf666) {
    // 591539 is a check value whose score hash is 666 itself.
    EXPECT_EQ(SubmissionSignature("ABC", "ABC", 335742), SubmissionSignature("ABC", "ABC", 591539));
}

TEST(Signature, NegativeCheckValuesGiveSixteenHexDigitsThatDependOnTheValue) {
    for (std::int64_t x : {-1LL, -5LL, -100LL, -12345LL, static_cast<long long>(INT32_MIN)}) {
        const std::string signature = SubmissionSignature("ADA", "0123456789ABCDEFGHIJ", x);
        EXPECT_EQ(signature.size(), kSignatureLength) << x;
        EXPECT_EQ(signature.find_first_not_of("0123456789abcdef"), std::string::npos) << x;
        EXPECT_NE(signature, SubmissionSignature("ADA", "0123456789ABCDEFGHIJ", -x)) << x;
    }
}

TEST(Signature, TheCheckValueWrapsIn32BitsBeforeItIsWidened) {
    EXPECT_EQ(SignatureCheckValue(100, 3, 10, 2, 1, 0), 100 + 3 + 2 + 1 + 0 - 50);
    EXPECT_EQ(SignatureCheckValue(INT32_MAX, 1, 0, 0, 0, 0), INT32_MIN);
    EXPECT_EQ(SignatureCheckValue(0, 0, 1, 0, 0, 0), -5);
    EXPECT_EQ(SignatureCheckValue(0, 0, INT32_MIN, 0, 0, 0), INT32_MIN);  // 5 x 2^31 wraps to 2^31
}

}  // namespace
}  // namespace glyphora
