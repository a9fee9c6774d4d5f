#include "launcher/file_versions.h"

#include <array>

namespace glyphora {
namespace {

// How a probe judges the version of its file.
enum class Rule {
    AtLeast,     // version >= atLeast
    ByMajor,     // major 4 and >= atLeast, or major 5 and >= atLeastMajor5
    AnyVersion,  // a readable version is enough
};

struct Probe {
    const char* file;
    Rule rule;
    FileVersion atLeast;
    FileVersion atLeastMajor5;
    int major;
    int minor;
    char letter;
};

// In order: each probe that holds overrides the ones before it.
constexpr std::array<Probe, 16> kProbes{{
    {"/ddraw.dll", Rule::AtLeast, MakeFileVersion(4, 2, 0, 95), 0, 1, 0, ' '},
    {"/ddraw.dll", Rule::AtLeast, MakeFileVersion(4, 3, 0, 1096), 0, 2, 0, ' '},
    {"/ddraw.dll", Rule::AtLeast, MakeFileVersion(4, 4, 0, 68), 0, 3, 0, ' '},
    {"/d3drg8x.dll", Rule::AtLeast, MakeFileVersion(4, 4, 0, 70), 0, 3, 0, 'a'},
    {"/ddraw.dll", Rule::AtLeast, MakeFileVersion(4, 5, 0, 155), 0, 5, 0, ' '},
    {"/ddraw.dll", Rule::AtLeast, MakeFileVersion(4, 6, 0, 318), 0, 6, 0, ' '},
    {"/ddraw.dll", Rule::AtLeast, MakeFileVersion(4, 6, 0, 436), 0, 6, 1, ' '},
    {"/dplayx.dll", Rule::AtLeast, MakeFileVersion(4, 6, 3, 518), 0, 6, 1, 'a'},
    {"/ddraw.dll", Rule::AtLeast, MakeFileVersion(4, 7, 0, 700), 0, 7, 0, ' '},
    {"/dinput.dll", Rule::AtLeast, MakeFileVersion(4, 7, 0, 716), 0, 7, 0, 'a'},
    {"/ddraw.dll", Rule::ByMajor, MakeFileVersion(4, 8, 0, 400), MakeFileVersion(5, 1, 2258, 400), 8, 0, ' '},
    {"/d3d8.dll", Rule::ByMajor, MakeFileVersion(4, 8, 1, 881), MakeFileVersion(5, 1, 2600, 881), 8, 1, ' '},
    {"/d3d8.dll", Rule::ByMajor, MakeFileVersion(4, 8, 1, 901), MakeFileVersion(5, 1, 2600, 901), 8, 1, 'a'},
    {"/mpg2splt.ax", Rule::AtLeast, MakeFileVersion(6, 3, 1, 885), 0, 8, 1, 'b'},
    {"/dpnet.dll", Rule::ByMajor, MakeFileVersion(4, 9, 0, 134), MakeFileVersion(5, 2, 3677, 134), 8, 2, ' '},
    {"/d3d9.dll", Rule::AnyVersion, 0, 0, 9, 0, ' '},
}};

bool Holds(const Probe& probe, FileVersion version) {
    switch (probe.rule) {
        case Rule::AtLeast: return CompareFileVersions(version, probe.atLeast) >= 0;
        case Rule::ByMajor: {
            const unsigned major = FileVersionMajor(version);
            return (major == 4 && CompareFileVersions(version, probe.atLeast) >= 0) ||
                   (major == 5 && CompareFileVersions(version, probe.atLeastMajor5) >= 0);
        }
        case Rule::AnyVersion: return true;
    }
    return false;
}

}  // namespace

int CompareFileVersions(FileVersion a, FileVersion b) {
    if (a < b) return -1;
    return a > b ? 1 : 0;
}

CheckResult GetFileVersion(FileVersionReader& reader, const std::string& path, FileVersion& out) {
    if (path.empty()) return CheckResult::InvalidArgument;
    const std::optional<FileVersion> version = reader.fixedVersion(path);
    if (!version) return CheckResult::Failed;
    out = *version;
    return CheckResult::Ok;
}

CheckResult ProbeFileVersions(FileVersionReader& reader, int& major, int& minor, char& letter) {
    major = 0, minor = 0, letter = ' ';
    const std::optional<std::string> folder = reader.systemDirectory();
    if (!folder) return CheckResult::Ok;
    for (const Probe& probe : kProbes) {
        FileVersion version = 0;
        if (GetFileVersion(reader, *folder + probe.file, version) != CheckResult::Ok) continue;
        if (!Holds(probe, version)) continue;
        major = probe.major, minor = probe.minor, letter = probe.letter;
    }
    return CheckResult::Ok;
}

}  // namespace glyphora
