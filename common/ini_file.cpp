#include "common/ini_file.h"

#include "common/data_file.h"
#include "common/ini_parser.h"

namespace glyphora {

std::optional<std::string_view> IniValueRef::text() const {
    if (!entry_->value) return std::nullopt;
    return std::string_view(*entry_->value);
}

std::int32_t IniValueRef::toInt() const { return entry_->value ? LeadingInt(entry_->value->c_str()) : 0; }

void IniValueRef::assign(std::string_view text) { entry_->value = std::string(text); }

IniValueRef IniSectionRef::key(std::string_view name) {
    IniEntry& entry = section_->entries.findOrInsert(name, [this](std::string_view key) {
        auto created = std::make_unique<IniEntry>();
        created->key = std::string(key);
        created->section = section_;
        return created;
    });
    return IniValueRef(entry);
}

IniValueRef IniSectionRef::key(int number) { return key(std::to_string(number)); }

IniFile::IniFile(std::string separators, bool multiLine) : separators_(std::move(separators)), multiLine_(multiLine) {
    section("");
}

bool IniFile::load(const std::string& path) {
    DataFile file;
    if (!file.open(path, "r")) return false;
    IniParser parser(*this);
    for (unsigned char c; file.readByte(c);) parser.feed(static_cast<char>(c));
    parser.finish();
    return true;
}

void IniFile::parse(const char* text) {
    IniParser parser(*this);
    for (; *text != '\0'; ++text) parser.feed(*text);
    parser.finish();
}

bool IniFile::save(const std::string& path, unsigned flags) const {
    DataFile file;
    if (!file.open(path, (flags & kIniAppend) ? "a" : "w")) return false;
    file.writeString(writtenText(flags, true));
    return true;
}

std::string IniFile::toText(unsigned flags) const { return writtenText(flags, false); }

// The file form ends a header with L and "\n", the in-memory form with L
// twice; with L = "\n" the two are the same.
std::string IniFile::writtenText(unsigned flags, bool forFile) const {
    const char end = lineEnd();
    std::string text = "\n";
    sections_.preOrder([&](const IniSection& section) {
        if ((flags & kIniWriteUnnamed) || !section.name.empty()) {
            text += end;
            text += '[' + section.name + ']';
            text += end;
            text += forFile ? '\n' : end;
        }
        section.entries.preOrder([&](const IniEntry& entry) {
            bool isRoot = &entry == section.entries.root();
            if (!entry.value || (isRoot && !(flags & kIniWriteUnnamed))) return;
            text += entry.key + " = " + *entry.value;
            text += end;
        });
    });
    return text;
}

void IniFile::forEach(const std::function<void(std::string_view, std::string_view, std::string_view)>& visit) const {
    for (const auto& [name, section] : sections_.inOrder()) {
        for (const auto& [key, entry] : section->entries.inOrder()) {
            if (entry->value && !(key.empty() && entry->value->empty())) visit(name, key, *entry->value);
        }
    }
}

IniSectionRef IniFile::section(std::string_view name) {
    IniSection& found = sections_.findOrInsert(name, [this](std::string_view label) {
        auto created = std::make_unique<IniSection>();
        created->name = std::string(label);
        created->document = this;
        IniEntry& root = IniSectionRef(*created).key("").entry();
        root.value = std::string();
        return created;
    });
    return IniSectionRef(found);
}

IniCursor::IniCursor(const IniFile& document) : sections_(document.sections().inOrder()) {}

bool IniCursor::stopsAt(const IniEntry& entry) const {
    return !entry.key.empty() || (entry.value && !entry.value->empty());
}

bool IniCursor::next() {
    if (!started_) {
        started_ = true;
        section_ = sections_.begin();
        if (section_ != sections_.end()) entry_ = section_->second->entries.inOrder().begin();
    } else if (section_ != sections_.end()) {
        ++entry_;
    }
    while (section_ != sections_.end()) {
        if (entry_ == section_->second->entries.inOrder().end()) {
            if (++section_ != sections_.end()) entry_ = section_->second->entries.inOrder().begin();
            continue;
        }
        if (stopsAt(*entry_->second)) return true;
        ++entry_;
    }
    return false;
}

void IniHandle::open(const std::optional<std::string>& path, std::string_view separators) {
    open(false, path, separators);
}

void IniHandle::open(bool multiLine, const std::optional<std::string>& path, std::string_view separators) {
    document_ = std::make_unique<IniFile>(std::string(separators), multiLine);
    if (path) document_->load(*path);
}

IniSectionRef IniHandle::section(std::string_view name) {
    if (!document_) document_ = std::make_unique<IniFile>();
    return document_->section(name);
}

IniSectionRef IniHandle::section(int number) { return section(std::to_string(number)); }

}  // namespace glyphora
