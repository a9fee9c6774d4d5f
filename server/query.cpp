#include "server/query.h"

#include <algorithm>
#include <charconv>

namespace glyphora::server {
namespace {

constexpr std::size_t kMaxKeyLength = 16;

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsKey(std::string_view key) {
    return !key.empty() && key.size() <= kMaxKeyLength && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

// The decoded value, or nothing when an escape is broken or a byte is not
// printable ASCII.
std::optional<std::string> Decode(std::string_view encoded) {
    std::string decoded;
    decoded.reserve(encoded.size());
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        char c = encoded[i];
        if (c == '%') {
            if (i + 2 >= encoded.size()) return std::nullopt;
            const int high = HexValue(encoded[i + 1]);
            const int low = HexValue(encoded[i + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            c = static_cast<char>(high * 16 + low);
            i += 2;
        }
        if (c < 32 || c > 126) return std::nullopt;  // char is signed: bytes of 128 and above are negative
        decoded.push_back(c);
    }
    return decoded;
}

std::string Malformed(std::string_view why) { return "malformed query: " + std::string(why); }

}  // namespace

const std::string* ParsedQuery::find(std::string_view key) const {
    for (const QueryField& field : fields)
        if (field.key == key) return &field.value;
    return nullptr;
}

ParsedQuery ParseQuery(std::string_view query, std::size_t maxFields) {
    ParsedQuery parsed;
    if (query.size() > kMaxQueryLength) return {{}, Malformed("too long")};
    if (query.empty()) return parsed;
    std::size_t start = 0;
    while (start <= query.size()) {
        const std::size_t end = std::min(query.find('&', start), query.size());
        const std::string_view field = query.substr(start, end - start);
        const std::size_t equals = field.find('=');
        if (equals == std::string_view::npos) return {{}, Malformed("a field without \"=\"")};
        const std::string_view key = field.substr(0, equals);
        if (!IsKey(key)) return {{}, Malformed("a bad parameter name")};
        if (parsed.find(key)) return {{}, Malformed("parameter " + std::string(key) + " given twice")};
        if (parsed.fields.size() == maxFields) return {{}, Malformed("too many parameters")};
        std::optional<std::string> value = Decode(field.substr(equals + 1));
        if (!value) return {{}, Malformed("a bad escape or character in " + std::string(key))};
        parsed.fields.push_back({std::string(key), std::move(*value)});
        start = end + 1;
    }
    return parsed;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text, std::int64_t min, std::int64_t max) {
    const std::string_view digits = !text.empty() && text.front() == '-' ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 19 || (digits.front() == '0' && (digits.size() > 1 || digits != text)))
        return std::nullopt;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) return std::nullopt;
    return value;
}

std::string TypedText(std::string_view decoded) {
    std::string typed(decoded);
    std::replace(typed.begin(), typed.end(), '~', '+');
    return typed;
}

bool IsTypedText(std::string_view text, std::size_t maxLength) {
    return text.size() <= maxLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= 32 && c <= 125 && !(c >= 'a' && c <= 'z'); });
}

}  // namespace glyphora::server
