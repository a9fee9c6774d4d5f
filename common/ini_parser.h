#pragma once
#include <array>
#include <string>

namespace glyphora {

class IniFile;

// The character-by-character reader of a document. It exists only while a
// load or a parse runs and commits every entry it completes into the
// document.
//
// States: 0 comment, 1 line start, 2 section name, 3 key, 4 value, 5 value
// start, 6 multi-line value (ended by a line ";END").
class IniParser {
public:
    explicit IniParser(IniFile& document) : document_(document) {}
    void feed(char c);
    // End of input: flushes a multi-line value and closes the last line.
    void finish();

private:
    void lineStart(char c);
    void comment(char c);
    void sectionName(char c);
    void key(char c);
    void valueStart(char c);
    void value(char c);
    void multiLineValue(char c);
    void commit();
    std::string takeToken();

    IniFile& document_;
    std::string token_;
    std::string section_;
    std::string key_;
    std::string value_;
    int state_ = 1;
    // The last five characters seen in state 6, oldest first; zero outside it.
    std::array<char, 5> window_{};
};

// Removes "\r\n\t " from both ends.
std::string IniTrim(const std::string& text);

}  // namespace glyphora
