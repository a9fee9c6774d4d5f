#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace glyphora::platform {

// Files on the real file system (point it at a scratch folder), with a record
// of every copy asked for. failCopies makes every copy fail without touching
// anything, as a full disk or a missing folder would.
class FakeFiles : public Files {
public:
    bool copy(const std::string& from, const std::string& to) override;
    bool moveReplacing(const std::string& from, const std::string& to) override;
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool makeFolder(const std::string& path) override;
    std::string programFolder() override { return programFolder_; }

    std::vector<std::pair<std::string, std::string>> copies;
    bool failCopies = false;
    std::string programFolder_ = ".";
};

}  // namespace glyphora::platform
