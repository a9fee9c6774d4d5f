#include "game/online/run_program.h"

namespace glyphora {
namespace {

// Looks at the program until it ends or the time is up.
void WaitForProgram(platform::Process& process, platform::Clock& clock, std::uint32_t timeoutMs,
                    RunProgramResult& result) {
    const std::uint32_t start = clock.tickCount();
    for (;;) {
        result.exitCode = process.wait(0);
        if (result.exitCode) {
            result.finished = true;
            return;
        }
        // Unsigned difference: right across the tick count's wrap.
        if (clock.tickCount() - start >= timeoutMs) return;
        clock.sleep(kRunProgramPollMs);
    }
}

}  // namespace

RunProgramResult RunProgram(ProgramServices services, const std::string& program,
                            const std::vector<std::string>& arguments, bool wait, std::uint32_t timeoutMs) {
    RunProgramResult result;
    const std::unique_ptr<platform::Process> process = services.processes.start(program, arguments, "");
    if (!process) {
        result.error = services.files.exists(program) ? RunProgramError::CannotStart : RunProgramError::ProgramMissing;
        return result;
    }
    result.started = true;
    if (wait) WaitForProgram(*process, services.clock, timeoutMs, result);
    return result;
}

}  // namespace glyphora
