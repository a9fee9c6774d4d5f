#pragma once
// Starting another program and, if asked, waiting a while for it to end.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace glyphora {

// The platform services that running a program needs.
struct ProgramServices {
    platform::Processes& processes;
    platform::Clock& clock;
    platform::Files& files;
};

enum class RunProgramError { None, ProgramMissing, CannotStart };

struct RunProgramResult {
    bool started = false;
    bool finished = false;        // it ended within the time-out (only when waited for)
    std::optional<int> exitCode;  // when finished
    RunProgramError error = RunProgramError::None;
};

// How often a waited-for program is looked at.
inline constexpr std::uint32_t kRunProgramPollMs = 5;

// Starts program with the arguments in the current folder. With wait set,
// looks at it every 5 ms until it has ended or timeoutMs have passed; a
// program still running then is left running. The program and its
// arguments are passed apart, so a folder with blanks in its name needs no
// quoting.
RunProgramResult RunProgram(ProgramServices services, const std::string& program,
                            const std::vector<std::string>& arguments, bool wait, std::uint32_t timeoutMs);

}  // namespace glyphora
