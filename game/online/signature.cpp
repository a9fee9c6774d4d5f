#include "game/online/signature.h"

#include <array>

namespace glyphora {
namespace {

constexpr std::array<std::int64_t, 11> kPrimes = {9, 11, 13, 16, 17, 23, 29, 31, 37, 41, 43};
constexpr std::size_t kStringRounds = 666;
constexpr std::int64_t kEmptyValue = 666;
constexpr std::int64_t kScoreModulus = 1111111;
constexpr std::int64_t kSumModulus = 1023;
constexpr int kBits = 64;
constexpr char kDigits[] = "0123456789abcdef";
static_assert(kSignatureLength * 4 == kBits, "each output character carries four bits");

// The two divisors of each string round: (k mod p) + p and p, for
// p = P[k mod 11].
struct RoundDivisors {
    int first = 0;
    int second = 0;
};

constexpr std::array<RoundDivisors, kStringRounds> kRoundDivisors = [] {
    std::array<RoundDivisors, kStringRounds> rounds{};
    for (std::size_t k = 0; k < rounds.size(); ++k) {
        const auto p = static_cast<int>(kPrimes[k % kPrimes.size()]);
        rounds[k] = {static_cast<int>(k) % p + p, p};
    }
    return rounds;
}();

// C++ division and remainder truncate toward zero, as the signature requires.
// Every operand of a round is below 700 in magnitude and every product below
// 128 x 43, so the rounds run in int; only their sum is kept in 64 bits.
std::int64_t StringSum(std::string_view text) {
    if (text.empty()) return kEmptyValue;
    std::int64_t sum = 0;
    std::size_t at = 0;
    for (const RoundDivisors& round : kRoundDivisors) {
        const int c = static_cast<signed char>(text[at]);
        sum += (c % round.first) * (c % round.second);
        if (++at == text.size()) at = 0;
    }
    return sum;
}

std::int64_t ScoreHash(std::int64_t checkValue) {
    std::int64_t hash = 1;
    std::int64_t divisor = 1;
    for (const std::int64_t prime : kPrimes) {
        const std::int64_t r = checkValue % divisor;
        const std::int64_t z = hash * (r + 1) + r + hash;
        const std::int64_t y = z > 0 ? z : -hash * (r + 1) + r + hash;
        hash = y % kScoreModulus;
        divisor = (divisor + prime) / 2;
    }
    return hash;
}

// The binary digits of value, least significant first; a negative value is
// taken in its 64-bit two's complement form.
struct BitList {
    std::uint64_t bits = 0;
    int count = 0;
};

BitList BinaryDigits(std::int64_t value) {
    BitList list{static_cast<std::uint64_t>(value), 0};
    for (std::uint64_t rest = list.bits; rest != 0; rest >>= 1) ++list.count;
    return list;
}

bool BitAt(const BitList& list, int k) { return (list.bits >> (k % list.count)) & 1u; }

}  // namespace

std::int64_t SignatureCheckValue(std::int32_t score, std::int32_t level, std::int32_t letters, std::int32_t words,
                                 std::int32_t bars, std::int32_t panics) {
    const auto u = [](std::int32_t v) { return static_cast<std::uint32_t>(v); };
    const std::uint32_t sum = u(score) + u(level) + u(words) + u(bars) + u(panics) - 5u * u(letters);
    return static_cast<std::int32_t>(sum);
}

std::string SubmissionSignature(std::string_view name, std::string_view regcode, std::int64_t checkValue) {
    const std::int64_t product = (StringSum(name) % kSumModulus + 1) * (StringSum(regcode) % kSumModulus + 1);
    const std::int64_t hash = ScoreHash(checkValue);
    const BitList a = BinaryDigits(product);
    const BitList b = BinaryDigits(hash == 0 ? kEmptyValue : hash);
    std::string signature(kSignatureLength, '0');
    for (int i = 0; i < static_cast<int>(kSignatureLength); ++i) {
        int digit = 0;
        for (int j = 0; j < 4; ++j) digit = digit * 2 + (BitAt(a, 4 * i + j) != BitAt(b, 4 * i + j));
        signature[static_cast<std::size_t>(i)] = kDigits[digit];
    }
    return signature;
}

}  // namespace glyphora
