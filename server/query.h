#pragma once
// The query strings of the score server's pages, parsed strictly: a request
// either parses whole or is refused with a one-line reason.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora::server {

// The longest query taken at all; longer requests are refused unread.
inline constexpr std::size_t kMaxQueryLength = 2048;

struct QueryField {
    std::string key;
    std::string value;  // decoded
};

struct ParsedQuery {
    std::vector<QueryField> fields;  // in the order of the query
    std::string error;               // empty when the query parsed

    bool ok() const { return error.empty(); }
    // The value of key, or nullptr when the query has no such field.
    const std::string* find(std::string_view key) const;
};

// Splits a query (the part after "?") into "key=value" fields joined by "&".
// Keys are 1 to 16 characters of a-z, 0-9 and _, each at most once. Values are
// percent-decoded ("%" and two hexadecimal digits; "+" stands for itself, as
// the game never sends it for a blank) and must decode to printable ASCII,
// codes 32 to 126. An empty query has no fields. Anything else (a field
// without "=", an empty field, a bad escape, a control or non-ASCII byte, a
// repeated key, more than maxFields fields, a query longer than
// kMaxQueryLength) makes the whole query malformed.
ParsedQuery ParseQuery(std::string_view query, std::size_t maxFields);

// A whole number written the way the game writes it: an optional "-", then
// digits without leading zeros; nothing when it is not one or lies outside
// min..max.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text, std::int64_t min, std::int64_t max);

// The game sends a "+" of a name as "~" (see EncodeQueryText); this turns a
// decoded name or group name back into the text that was typed, upper case.
std::string TypedText(std::string_view decoded);

// A name or group name as typed into the game's text boxes: at most maxLength
// characters of codes 32 to 125, letters in upper case.
bool IsTypedText(std::string_view text, std::size_t maxLength);

}  // namespace glyphora::server
