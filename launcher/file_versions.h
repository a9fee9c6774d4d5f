#pragma once
// Fixed file versions of the graphics system's files, and the probes that
// derive a graphics-library version from them when the diagnostic provider
// cannot answer.
#include <cstdint>
#include <optional>
#include <string>

#include "launcher/check_result.h"

namespace glyphora {

// a.b.c.d, each part 16 bits: a << 48 | b << 32 | c << 16 | d.
using FileVersion = std::uint64_t;

constexpr FileVersion MakeFileVersion(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
    return FileVersion{a} << 48 | FileVersion{b} << 32 | FileVersion{c} << 16 | FileVersion{d};
}

constexpr unsigned FileVersionMajor(FileVersion version) { return unsigned(version >> 48); }

// Where the version information of system files comes from. The launcher's
// own reader finds no graphics system files on Linux; tests script one.
class FileVersionReader {
public:
    virtual ~FileVersionReader() = default;
    // The folder that holds the graphics system's files, without a trailing
    // separator; nothing when the system has none.
    virtual std::optional<std::string> systemDirectory() = 0;
    // The fixed version of a file; nothing when the file is missing or
    // carries no version information.
    virtual std::optional<FileVersion> fixedVersion(const std::string& path) = 0;
};

// The reader of this platform: Linux has no folder of graphics system files
// with version information, so every probe finds nothing.
class NoGraphicsSystemFiles final : public FileVersionReader {
public:
    std::optional<std::string> systemDirectory() override { return std::nullopt; }
    std::optional<FileVersion> fixedVersion(const std::string&) override { return std::nullopt; }
};

// -1, 0 or 1: the unsigned order of the two 64-bit values.
int CompareFileVersions(FileVersion a, FileVersion b);

// InvalidArgument for an empty path, Failed when the reader finds no
// version; out is set only on Ok.
CheckResult GetFileVersion(FileVersionReader& reader, const std::string& path, FileVersion& out);

// Runs the probe table over the system directory's files; the last probe
// that holds decides (major, minor, letter). 0, 0, ' ' when none holds or
// there is no system directory. Always succeeds.
CheckResult ProbeFileVersions(FileVersionReader& reader, int& major, int& minor, char& letter);

}  // namespace glyphora
