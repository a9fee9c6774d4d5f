#include "launcher/directx_version.h"

#include <cctype>

namespace glyphora {

DirectXVersion PackDirectXVersion(int major, int minor, char letter) {
    const auto lowered = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const unsigned index = lowered >= 'a' && lowered <= 'z' ? unsigned(lowered - 'a' + 1) : 0;
    return (DirectXVersion(major) * 256 + DirectXVersion(minor)) * 256 + index;
}

std::string DirectXVersionText(int major, int minor, char letter) {
    std::string text = std::to_string(major) + "." + std::to_string(minor);
    if (letter != ' ') text += letter;
    return text;
}

CheckResult QueryDirectXVersion(DiagnosticProvider& provider, FileVersionReader& reader, DirectXVersion* out,
                                std::string* text) {
    if (out) *out = 0;
    if (text) text->clear();
    int major = 0, minor = 0;
    char letter = ' ';
    if (provider.query(major, minor, letter) != CheckResult::Ok) ProbeFileVersions(reader, major, minor, letter);
    letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    if (out) *out = PackDirectXVersion(major, minor, letter);
    if (text) *text = DirectXVersionText(major, minor, letter);
    return CheckResult::Ok;
}

}  // namespace glyphora
