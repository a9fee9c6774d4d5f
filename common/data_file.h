#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace glyphora {

// A thin stream over one standard I/O file.
//
// The open mode is the fopen one. A mode containing "b" opens the file raw;
// any other mode opens it in text mode, which behaves like the Windows C
// runtime's on every platform: each "\n" written is stored as CR LF, and each
// CR LF read arrives as a single "\n" (a CR not followed by LF stays a CR).
// Files written here are so byte-identical to the ones the game has always
// written, and files written on Windows read the same. Unlike that runtime, a
// Ctrl-Z byte is ordinary data: readers take every byte up to the real end.
//
// No operation throws; reads report through their results and never hand out
// bytes that were not read.
class DataFile {
public:
    // The longest token readInt and readFloat take before the delimiter;
    // further characters of a longer token are consumed and dropped.
    static constexpr std::size_t kNumberTokenLimit = 51;

    DataFile() = default;
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // Opens path with the fopen mode ("r", "wt", "rb", "r+t", "a" ...). A file
    // already open is closed first. False when the file did not open.
    bool open(const std::string& path, const std::string& mode);
    // Opens a file for writing that replaces path in one step: the bytes go
    // to path + ".new", and commit() moves that over path. Until then path
    // keeps its old bytes, so a process killed while saving leaves the
    // previous file whole. Closed without commit(), the new file is removed.
    // False when the new file cannot be created (a read-only folder).
    bool openReplacing(const std::string& path, const std::string& mode);
    // Flushes the file opened by openReplacing to the disk, closes it and
    // moves it over its target. False, with the target untouched and the new file
    // removed, when any write failed or the move did not happen.
    bool commit();
    void close();
    bool isOpen() const { return file_ != nullptr; }
    bool isRaw() const { return raw_; }
    bool isWriting() const { return writing_; }

    void writeString(const std::string& text);
    void writeByte(unsigned char byte);
    // Raw: the 4 bytes of the 32-bit value, least significant first.
    // Text: the decimal digits, no leading zeros or blanks.
    void writeInt(std::int32_t value);
    // Raw: the 4 bytes of the IEEE single, least significant first.
    // Text: fixed notation with nine fractional digits.
    void writeFloat(float value);
    void writeNewline();

    // Text mode only (false at once in raw mode). Reads up to and including
    // the delimiter; every other byte read is appended to out as long as out
    // holds fewer than maxLength bytes, later ones are consumed and dropped.
    // True when the delimiter was met, false at the end of the file (out then
    // holds what was read).
    bool readUntil(std::string& out, char delimiter, std::size_t maxLength = SIZE_MAX);
    // Text mode: readUntil the delimiter, then the leading decimal number of
    // what was read (0 when there is none; clamped to the 32-bit range), and
    // true even at the end of the file. Raw mode: false, reading nothing.
    bool readInt(std::int32_t& out, char delimiter);
    bool readFloat(float& out, char delimiter);
    // Raw mode only: 4 bytes, least significant first. False in text mode or
    // when fewer than 4 bytes remain (out is then left unchanged).
    bool readRawInt(std::int32_t& out);
    bool readRawFloat(float& out);
    // Reads up to n bytes into buffer, which must hold n + 1 bytes, and puts a
    // NUL after the bytes read. Returns how many were read.
    std::size_t readBytes(char* buffer, std::size_t n);
    bool readByte(unsigned char& out);

    // Moves past a stored line end: 1 byte raw, 2 bytes (CR LF) in text mode.
    void skipLineEnd();
    void rewind();
    void skip(long n);
    bool atEnd() const;

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    // The next byte as the mode presents it, or EOF.
    int get();
    void put(unsigned char byte);

    std::unique_ptr<std::FILE, Closer> file_;
    bool writing_ = false;
    bool raw_ = false;
    bool writeFailed_ = false;
    std::string replacedPath_;  // set by openReplacing until commit or close
};

// The leading decimal integer of text as "%d" reads it: leading white space
// skipped, an optional sign, digits. 0 when text does not start with a
// number; values beyond the 32-bit range are clamped to it.
std::int32_t LeadingInt(const char* text);

}  // namespace glyphora
