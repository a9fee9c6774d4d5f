#pragma once
// A scripted diagnostic provider and a scripted set of system files.
#include <map>
#include <optional>
#include <string>

#include "launcher/directx_version.h"
#include "launcher/file_versions.h"

namespace glyphora::testing {

class ScriptedProvider final : public DiagnosticProvider {
public:
    CheckResult query(int& major, int& minor, char& letter) override {
        ++queries;
        if (result != CheckResult::Ok) return result;
        major = answerMajor, minor = answerMinor, letter = answerLetter;
        return CheckResult::Ok;
    }
    static ScriptedProvider Answering(int major, int minor, char letter) {
        ScriptedProvider provider;
        provider.answerMajor = major, provider.answerMinor = minor, provider.answerLetter = letter;
        return provider;
    }

    CheckResult result = CheckResult::Ok;
    int answerMajor = 9, answerMinor = 0;
    char answerLetter = 'c';
    int queries = 0;
};

// System files by name (without folder) and their versions.
class ScriptedSystemFiles final : public FileVersionReader {
public:
    std::optional<std::string> systemDirectory() override { return folder; }
    std::optional<FileVersion> fixedVersion(const std::string& path) override {
        if (!folder || path.rfind(*folder + "/", 0) != 0) return std::nullopt;
        const auto found = versions.find(path.substr(folder->size() + 1));
        if (found == versions.end()) return std::nullopt;
        return found->second;
    }

    std::optional<std::string> folder = "/windows/system32";
    std::map<std::string, FileVersion> versions;
};

}  // namespace glyphora::testing
