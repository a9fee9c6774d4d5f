#include "game/online/query_text.h"

namespace glyphora {
namespace {

// The escape of each byte that needs one. Applying the replacements one after
// another ("+" to "~" first, "%" before any escape brings its own "%", "~"
// last) gives each original byte exactly one of these, so one pass does it.
std::string_view EscapeOf(char c) {
    switch (c) {
        case '+': return "%7E";
        case '%': return "%25";
        case ' ': return "%20";
        case '!': return "%21";
        case '"': return "%22";
        case '#': return "%23";
        case '&': return "%26";
        case '\'': return "%27";
        case '(': return "%28";
        case ')': return "%29";
        case '*': return "%2A";
        case ',': return "%2C";
        case '/': return "%2F";
        case '{': return "%7B";
        case '|': return "%7C";
        case '}': return "%7D";
        case '~': return "%7E";
        default: return {};
    }
}

}  // namespace

std::string UpperCaseLetters(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

void EncodeQueryText(std::string& text) {
    std::string encoded;
    encoded.reserve(text.size() * 3);
    for (const char c : UpperCaseLetters(text)) {
        const std::string_view escape = EscapeOf(c);
        if (escape.empty()) encoded.push_back(c);
        else encoded.append(escape);
    }
    text = std::move(encoded);
}

}  // namespace glyphora
