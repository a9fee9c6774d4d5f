#pragma once
// The signature that travels with every submitted score in the query
// parameter "valid". The game computes it and the score server recomputes it
// with this very code, so both ends agree bit for bit. It uses no key: it
// only makes a forged or altered submission take some effort.
#include <cstdint>
#include <string>
#include <string_view>

namespace glyphora {

inline constexpr std::size_t kSignatureLength = 16;

// The check value of an entry: score + level + words + bars + panics
// - 5 x letters in 32-bit arithmetic (wrapping like the machine's 32-bit
// integers), widened with its sign.
std::int64_t SignatureCheckValue(std::int32_t score, std::int32_t level, std::int32_t letters, std::int32_t words,
                                 std::int32_t bars, std::int32_t panics);

// The 16 lowercase hexadecimal characters that sign an entry. name is the
// entry's name in upper case before any URL encoding, regcode the
// installation identifier as stored; either may be empty. Bytes of 128 and
// above count as negative values.
//
// A negative check value can drive the score hash below zero, where it has no
// binary digits of its own; its 64-bit two's complement form is expanded
// instead, so such entries still get a signature that depends on every bit
// of the hash.
std::string SubmissionSignature(std::string_view name, std::string_view regcode, std::int64_t checkValue);

}  // namespace glyphora
