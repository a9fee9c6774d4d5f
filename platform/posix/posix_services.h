#pragma once
// The POSIX side of the platform: clock, files, dynamic libraries, processes
// and the desktop's opener.
#include <sys/types.h>

#include <vector>

#include "platform/platform.h"

namespace glyphora::platform {

class SystemClock final : public Clock {
public:
    std::uint32_t tickCount() override;
    void sleep(std::uint32_t ms) override;
};

class PosixFiles final : public Files {
public:
    bool copy(const std::string& from, const std::string& to) override;
    bool moveReplacing(const std::string& from, const std::string& to) override;
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool makeFolder(const std::string& path) override;
    std::string programFolder() override;
};

class PosixLibraries final : public Libraries {
public:
    std::unique_ptr<Library> open(const std::string& name) override;
};

class PosixProcesses final : public Processes {
public:
    std::unique_ptr<Process> start(const std::string& program, const std::vector<std::string>& arguments,
                                   const std::string& workingFolder) override;
};

class XdgShell final : public Shell {
public:
    int open(const std::string& target) override;

private:
    void reapFinished();
    std::vector<pid_t> started_;  // openers not waited for yet
};

}  // namespace glyphora::platform
