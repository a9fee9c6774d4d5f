#include "server/submission.h"

#include <algorithm>
#include <climits>

#include "game/online/signature.h"
#include "server/query.h"

namespace glyphora::server {
namespace {

constexpr std::size_t kWriteFields = 11;
constexpr const char* kFieldNames[kWriteFields] = {"name", "score", "valid",  "diff", "lvl", "lett",
                                                   "wrds", "bars",  "panics", "reg",  "grp"};

bool IsSignature(std::string_view text) {
    return text.size() == kSignatureLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

bool IsRegcode(std::string_view text) {
    return !text.empty() && text.size() <= kMaxRegcode && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// Reads the whole-number parameter key into out; the reason when it is not
// one in min..max.
std::string ReadNumber(const ParsedQuery& query, const char* key, std::int64_t min, std::int64_t max,
                       std::int32_t& out) {
    const std::optional<std::int64_t> value = ParseWholeNumber(*query.find(key), min, max);
    if (!value)
        return std::string("bad ") + key + ": a whole number from " + std::to_string(min) + " to " +
               std::to_string(max) + " is expected";
    out = static_cast<std::int32_t>(*value);
    return {};
}

std::string CheckFields(const ParsedQuery& query) {
    if (!query.ok()) return query.error;
    for (const QueryField& field : query.fields) {
        if (std::find_if(std::begin(kFieldNames), std::end(kFieldNames),
                         [&](const char* name) { return field.key == name; }) == std::end(kFieldNames))
            return "unknown parameter: " + field.key;
    }
    for (const char* name : kFieldNames)
        if (!query.find(name)) return std::string("missing parameter: ") + name;
    return {};
}

std::string ReadTexts(const ParsedQuery& query, Submission& s) {
    s.entry.name = TypedText(*query.find("name"));
    if (s.entry.name.empty() || !IsTypedText(s.entry.name, kMaxName))
        return "bad name: 1 to 20 characters from space to }, letters in upper case, are expected";
    s.group = TypedText(*query.find("grp"));
    if (!IsTypedText(s.group, kMaxGroup))
        return "bad grp: up to 20 characters from space to }, letters in upper case, are expected";
    s.entry.regcode = *query.find("reg");
    if (!IsRegcode(s.entry.regcode)) return "bad reg: 1 to 20 letters and digits are expected";
    s.signature = *query.find("valid");
    if (!IsSignature(s.signature)) return "bad valid: 16 characters of 0-9 and a-f are expected";
    return {};
}

std::string ReadNumbers(const ParsedQuery& query, Entry& e) {
    std::int32_t difficulty = 0;
    for (std::string reason :
         {ReadNumber(query, "score", 1, INT32_MAX, e.score), ReadNumber(query, "diff", 0, 2, difficulty),
          ReadNumber(query, "lvl", 1, kMaxLevel, e.level), ReadNumber(query, "lett", 0, INT32_MAX, e.letters),
          ReadNumber(query, "wrds", 0, INT32_MAX, e.words), ReadNumber(query, "bars", 0, INT32_MAX, e.bars),
          ReadNumber(query, "panics", 0, INT32_MAX, e.panics)}) {
        if (!reason.empty()) return reason;
    }
    e.difficulty = difficulty;
    return {};
}

}  // namespace

ParsedSubmission ParseSubmission(std::string_view query) {
    const ParsedQuery parsed = ParseQuery(query, kWriteFields);
    std::string reason = CheckFields(parsed);
    Submission submission;
    if (reason.empty()) reason = ReadTexts(parsed, submission);
    if (reason.empty()) reason = ReadNumbers(parsed, submission.entry);
    if (!reason.empty()) return {std::nullopt, reason};
    return {std::move(submission), {}};
}

bool SignatureMatches(const Submission& submission) {
    const Entry& e = submission.entry;
    const std::int64_t check = SignatureCheckValue(e.score, e.level, e.letters, e.words, e.bars, e.panics);
    return SubmissionSignature(e.name, e.regcode, check) == submission.signature;
}

}  // namespace glyphora::server
