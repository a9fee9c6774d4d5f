#pragma once
// The installed graphics-library version, asked of the diagnostic provider
// first and derived from system file versions when the provider fails.
#include <cstdint>
#include <string>

#include "launcher/check_result.h"
#include "launcher/file_versions.h"

namespace glyphora {

// ((major * 256) + minor) * 256 + letter index (1 for 'a' … 26 for 'z', 0 for
// no letter): 9.0 is 0x90000, 9.0c 0x90003, 8.1 0x80100.
using DirectXVersion = std::uint32_t;

inline constexpr DirectXVersion kRequiredDirectXVersion = 0x90000;

// Answers for the graphics stack the game draws with.
class DiagnosticProvider {
public:
    virtual ~DiagnosticProvider() = default;
    // The version as major, minor and letter (' ' for none). Failed when the
    // provider cannot tell; the outputs may then hold what was read before
    // the failure.
    virtual CheckResult query(int& major, int& minor, char& letter) = 0;
};

DirectXVersion PackDirectXVersion(int major, int minor, char letter);

// "9.0c", or "8.1" when the letter is ' '.
std::string DirectXVersionText(int major, int minor, char letter);

// The provider's answer, or the file probes' when the provider fails; the
// letter is lowered first. out and text are optional; always Ok.
CheckResult QueryDirectXVersion(DiagnosticProvider& provider, FileVersionReader& reader, DirectXVersion* out,
                                std::string* text);

}  // namespace glyphora
