#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/ini_tree.h"

namespace glyphora {

class IniFile;
struct IniSection;

// One 'key = value' of a section. value is absent when a lookup created the
// entry and nothing was assigned; such entries are never written out.
struct IniEntry : IniTreeLinks<IniEntry> {
    std::string key;
    std::optional<std::string> value;
    IniSection* section = nullptr;
};

// One section. Its entry tree always holds a root entry with an empty key and
// an empty value, created with the section. The unnamed section "" holds the
// entries that come before any header.
struct IniSection : IniTreeLinks<IniSection> {
    std::string name;
    IniTree<IniEntry> entries;
    IniFile* document = nullptr;
};

// The value slot of one entry; valid while its document lives.
class IniValueRef {
public:
    explicit IniValueRef(IniEntry& entry) : entry_(&entry) {}
    // The value, or nothing when it is absent.
    std::optional<std::string_view> text() const;
    // 0 when absent; otherwise the leading decimal integer as "%d" reads it
    // (blanks skipped, optional sign), 0 when the value does not start with a
    // number, clamped to the 32-bit range.
    std::int32_t toInt() const;
    void assign(std::string_view text);
    IniEntry& entry() const { return *entry_; }

private:
    IniEntry* entry_;
};

class IniSectionRef {
public:
    explicit IniSectionRef(IniSection& section) : section_(&section) {}
    // Finds the entry or inserts it with an absent value.
    IniValueRef key(std::string_view name);
    IniValueRef key(int number);
    const std::string& name() const { return section_->name; }

private:
    IniSection* section_;
};

// Flags of save and toText.
enum IniWriteFlags : unsigned {
    kIniWriteUnnamed = 1,  // also the unnamed section's header and every root entry
    kIniAppend = 2,        // save appends to the file instead of replacing it
};

// One loaded document: a tree of sections, each a tree of entries.
class IniFile {
public:
    // separators: the characters that end a line (NUL always does); the first
    // one is the line end written out and used to close the last line.
    explicit IniFile(std::string separators = "\n\r", bool multiLine = false);
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file in text mode and parses every byte of it. A file that
    // cannot be opened leaves the document as it is (every lookup then
    // yields an absent value); false then.
    bool load(const std::string& path);
    // Parses a NUL-terminated text.
    void parse(const char* text);
    // Writes the document to path in text mode; false when it cannot be
    // opened.
    bool save(const std::string& path, unsigned flags) const;
    std::string toText(unsigned flags) const;

    // Calls visit(section, key, value) for every entry whose value is present
    // and whose key or value is non-empty: sections in ascending name order,
    // entries in ascending key order.
    void forEach(const std::function<void(std::string_view, std::string_view, std::string_view)>& visit) const;

    // Finds the section or inserts it, empty.
    IniSectionRef section(std::string_view name);

    char lineEnd() const { return separators_.empty() ? '\0' : separators_[0]; }
    bool isSeparator(char c) const { return c == '\0' || separators_.find(c) != std::string::npos; }
    bool multiLine() const { return multiLine_; }
    const IniTree<IniSection>& sections() const { return sections_; }

private:
    std::string writtenText(unsigned flags, bool forFile) const;

    std::string separators_;
    bool multiLine_;
    IniTree<IniSection> sections_;
};

// A cursor over the entries in forEach's order that stops at every entry
// whose key or value is non-empty (an absent value counts as empty).
class IniCursor {
public:
    explicit IniCursor(const IniFile& document);
    // Moves to the next such entry; false when there is none.
    bool next();
    const IniSection& section() const { return *section_->second; }
    const IniEntry& entry() const { return *entry_->second; }

private:
    bool stopsAt(const IniEntry& entry) const;

    const IniTree<IniSection>::Index& sections_;
    IniTree<IniSection>::Index::const_iterator section_;
    IniTree<IniEntry>::Index::const_iterator entry_;
    bool started_ = false;
};

// What callers hold: at most one document, freed with the handle.
class IniHandle {
public:
    // Frees any document held and creates a new one; loads path when given.
    void open(const std::optional<std::string>& path, std::string_view separators = "\n\r");
    void open(bool multiLine, const std::optional<std::string>& path, std::string_view separators = "\n\r");
    // Creates an empty document with separators "\n\r" when none is held.
    IniSectionRef section(std::string_view name);
    IniSectionRef section(int number);
    void destroy() { document_.reset(); }
    IniFile* document() const { return document_.get(); }

private:
    std::unique_ptr<IniFile> document_;
};

}  // namespace glyphora
