#pragma once
// write.php: one entry of a player's local table, as the game sends it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora::server {

inline constexpr std::size_t kMaxName = 20;  // the score file keeps 20 bytes of a name
inline constexpr std::size_t kMaxGroup = 20;
inline constexpr std::size_t kMaxRegcode = 20;
inline constexpr std::int64_t kMaxLevel = 1000000;

// The entry itself: what is stored, once, however often it is sent.
struct Entry {
    std::string regcode;  // the installation's identifier
    std::string name;     // upper case, as signed
    int difficulty = 0;   // 0 Easy, 1 Medium, 2 Hard
    std::int32_t score = 0;
    std::int32_t level = 0;
    std::int32_t letters = 0;
    std::int32_t words = 0;
    std::int32_t bars = 0;
    std::int32_t panics = 0;
    friend bool operator==(const Entry&, const Entry&) = default;
};

struct Submission {
    Entry entry;
    std::string signature;  // the parameter valid
    std::string group;      // upper case; empty: the request names no group
};

struct ParsedSubmission {
    std::optional<Submission> submission;
    std::string reason;  // one line, when there is no submission
};

// Parses the query of a write request. Every parameter of the game's
// request must be there exactly once and nothing else: name (1 to 20 typed
// characters, upper case), score (1 to 2^31 - 1), valid (16 characters of
// 0-9a-f), diff (0 to 2), lvl (1 to kMaxLevel), lett, wrds, bars and panics
// (0 to 2^31 - 1), reg (1 to 20 characters of 0-9, A-Z, a-z) and grp (up to
// 20 typed characters, may be empty).
ParsedSubmission ParseSubmission(std::string_view query);

// Whether the signature is the one the game computes for the entry.
bool SignatureMatches(const Submission& submission);

}  // namespace glyphora::server
