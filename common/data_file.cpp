#include "common/data_file.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

namespace glyphora {

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The fopen mode that the C library is given: every file is opened binary so
// that the line-end translation is ours and the same on every platform.
std::string NativeMode(const std::string& mode) {
    std::string native(1, mode.empty() ? 'r' : mode[0]);
    if (mode.find('+') != std::string::npos) native += '+';
    return native + 'b';
}

std::uint32_t ReadLittleEndian(const unsigned char bytes[4]) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

std::int32_t LeadingInt(const char* text) {
    while (IsSpace(*text)) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > kLimit) magnitude = kLimit;
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

DataFile::~DataFile() { close(); }

bool DataFile::open(const std::string& path, const std::string& mode) {
    close();
    file_.reset(std::fopen(path.c_str(), NativeMode(mode).c_str()));
    writing_ = mode.find('w') != std::string::npos;
    raw_ = mode.find('b') != std::string::npos;
    writeFailed_ = false;
    return file_ != nullptr;
}

bool DataFile::openReplacing(const std::string& path, const std::string& mode) {
    if (!open(path + ".new", mode)) return false;
    replacedPath_ = path;
    return true;
}

bool DataFile::commit() {
    if (replacedPath_.empty() || !file_) return false;
    const std::string target = std::move(replacedPath_);
    replacedPath_.clear();
    const std::string temporary = target + ".new";
    // On the disk before the rename: a crash or power cut just after it must
    // find the new file whole, not an empty one in the old one's place.
    const bool written = !writeFailed_ && std::fflush(file_.get()) == 0 && std::ferror(file_.get()) == 0 &&
                         fsync(fileno(file_.get())) == 0;
    const bool closed = std::fclose(file_.release()) == 0;
    if (written && closed && std::rename(temporary.c_str(), target.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

void DataFile::close() {
    file_.reset();
    if (replacedPath_.empty()) return;
    std::remove((replacedPath_ + ".new").c_str());
    replacedPath_.clear();
}

int DataFile::get() {
    if (!file_) return EOF;
    int c = std::fgetc(file_.get());
    if (c != '\r' || raw_) return c;
    int next = std::fgetc(file_.get());
    if (next == '\n') return '\n';
    if (next != EOF) std::ungetc(next, file_.get());
    return c;
}

void DataFile::put(unsigned char byte) {
    if (!file_) return;
    if (byte == '\n' && !raw_ && std::fputc('\r', file_.get()) == EOF) writeFailed_ = true;
    if (std::fputc(byte, file_.get()) == EOF) writeFailed_ = true;
}

void DataFile::writeString(const std::string& text) {
    for (char c : text) put(static_cast<unsigned char>(c));
}

void DataFile::writeByte(unsigned char byte) { put(byte); }

void DataFile::writeInt(std::int32_t value) {
    if (!raw_) {
        writeString(std::to_string(value));
        return;
    }
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) put(static_cast<unsigned char>(bits >> (8 * i)));
}

void DataFile::writeFloat(float value) {
    if (!raw_) {
        char text[64];
        std::snprintf(text, sizeof text, "%.9f", static_cast<double>(value));
        writeString(text);
        return;
    }
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeInt(static_cast<std::int32_t>(bits));
}

void DataFile::writeNewline() { put('\n'); }

bool DataFile::readUntil(std::string& out, char delimiter, std::size_t maxLength) {
    if (raw_ || !file_) return false;
    for (int c = get(); c != EOF; c = get()) {
        if (c == static_cast<unsigned char>(delimiter)) return true;
        if (out.size() < maxLength) out += static_cast<char>(c);
    }
    return false;
}

bool DataFile::readInt(std::int32_t& out, char delimiter) {
    if (raw_ || !file_) return false;
    std::string token;
    readUntil(token, delimiter, kNumberTokenLimit);
    out = LeadingInt(token.c_str());
    return true;
}

bool DataFile::readFloat(float& out, char delimiter) {
    if (raw_ || !file_) return false;
    std::string token;
    readUntil(token, delimiter, kNumberTokenLimit);
    out = std::strtof(token.c_str(), nullptr);
    return true;
}

bool DataFile::readRawInt(std::int32_t& out) {
    if (!raw_ || !file_) return false;
    unsigned char bytes[4];
    if (std::fread(bytes, 1, 4, file_.get()) != 4) return false;
    out = static_cast<std::int32_t>(ReadLittleEndian(bytes));
    return true;
}

bool DataFile::readRawFloat(float& out) {
    std::int32_t bits;
    if (!readRawInt(bits)) return false;
    std::memcpy(&out, &bits, sizeof out);
    return true;
}

std::size_t DataFile::readBytes(char* buffer, std::size_t n) {
    std::size_t count = 0;
    for (int c; count < n && (c = get()) != EOF; ++count) buffer[count] = static_cast<char>(c);
    buffer[count] = '\0';
    return count;
}

bool DataFile::readByte(unsigned char& out) {
    int c = get();
    if (c == EOF) return false;
    out = static_cast<unsigned char>(c);
    return true;
}

void DataFile::skipLineEnd() { skip(raw_ ? 1 : 2); }

void DataFile::rewind() {
    if (file_) std::rewind(file_.get());
}

void DataFile::skip(long n) {
    if (file_) std::fseek(file_.get(), n, SEEK_CUR);
}

bool DataFile::atEnd() const { return !file_ || std::feof(file_.get()) != 0; }

}  // namespace glyphora
