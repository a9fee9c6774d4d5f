#include "common/ini_parser.h"

#include <algorithm>

#include "common/ini_file.h"

namespace glyphora {

namespace {
constexpr std::string_view kTrimmed = "\r\n\t ";
constexpr std::array<char, 5> kTerminator = {'\n', ';', 'E', 'N', 'D'};
}  // namespace

std::string IniTrim(const std::string& text) {
    std::size_t first = text.find_first_not_of(kTrimmed);
    if (first == std::string::npos) return {};
    std::size_t last = text.find_last_not_of(kTrimmed);
    return text.substr(first, last - first + 1);
}

void IniParser::feed(char c) {
    switch (state_) {
        case 0: comment(c); break;
        case 1: lineStart(c); break;
        case 2: sectionName(c); break;
        case 3: key(c); break;
        case 4: value(c); break;
        case 5: valueStart(c); break;
        default: multiLineValue(c); break;
    }
}

void IniParser::finish() {
    if (state_ == 6) {
        // The oldest character of the window has been stored already.
        for (std::size_t i = 1; i < window_.size(); ++i) {
            if (window_[i] != '\0') token_ += window_[i];
        }
        window_.fill('\0');
        state_ = 4;
        feed(document_.lineEnd());
    }
    feed(document_.lineEnd());
}

void IniParser::lineStart(char c) {
    if (c == ';') {
        state_ = 0;
    } else if (document_.isSeparator(c) || c == '\t' || c == ' ') {
        // blank before the line's content
    } else if (c == '[') {
        state_ = 2;
    } else if (c == '=') {
        key_.clear();
        state_ = 5;
    } else {
        state_ = 3;
        key(c);
    }
}

void IniParser::comment(char c) {
    if (document_.isSeparator(c)) state_ = 1;
}

void IniParser::sectionName(char c) {
    if (c != ']') {
        token_ += c;
        return;
    }
    section_ = IniTrim(takeToken());
    state_ = 1;
}

void IniParser::key(char c) {
    if (document_.isSeparator(c)) {
        // A line without "=": the untrimmed text is the key, the trimmed one
        // the value.
        key_ = takeToken();
        value_ = IniTrim(key_);
        commit();
        state_ = 1;
    } else if (c == '=') {
        key_ = IniTrim(takeToken());
        state_ = 5;
    } else {
        token_ += c;
    }
}

void IniParser::valueStart(char c) {
    bool privateName = section_.starts_with('_') || key_.starts_with('_');
    state_ = document_.multiLine() && !privateName ? 6 : 4;
    feed(c);
}

void IniParser::value(char c) {
    if (!document_.isSeparator(c)) {
        token_ += c;
        return;
    }
    value_ = IniTrim(takeToken());
    commit();
    state_ = 1;
}

void IniParser::multiLineValue(char c) {
    std::shift_left(window_.begin(), window_.end(), 1);
    window_.back() = c;
    if (window_ == kTerminator) {
        window_.fill('\0');
        state_ = 4;
        feed(document_.lineEnd());
    } else if (window_.front() != '\0') {
        token_ += window_.front();
    }
}

void IniParser::commit() { document_.section(section_).key(key_).assign(value_); }

std::string IniParser::takeToken() {
    std::string token;
    token.swap(token_);
    return token;
}

}  // namespace glyphora
