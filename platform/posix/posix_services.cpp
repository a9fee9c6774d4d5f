#include "platform/posix/posix_services.h"

#include <dlfcn.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

extern char** environ;

namespace glyphora::platform {
namespace fs = std::filesystem;

// ---- Clock ----------------------------------------------------------------

std::uint32_t SystemClock::tickCount() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SystemClock::sleep(std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// ---- Files ----------------------------------------------------------------

bool PosixFiles::copy(const std::string& from, const std::string& to) {
    std::error_code error;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) && !error;
}

bool PosixFiles::moveReplacing(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFiles::exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool PosixFiles::remove(const std::string& path) {
    std::error_code error;
    return fs::remove(path, error);
}

bool PosixFiles::makeFolder(const std::string& path) {
    std::error_code error;
    fs::create_directories(path, error);
    return fs::is_directory(path, error);
}

std::string PosixFiles::programFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : exe.parent_path().string();
}

// ---- Dynamic libraries ----------------------------------------------------

namespace {

class PosixLibrary final : public Library {
public:
    explicit PosixLibrary(void* handle) : handle_(handle) {}
    ~PosixLibrary() override { dlclose(handle_); }
    PosixLibrary(const PosixLibrary&) = delete;
    PosixLibrary& operator=(const PosixLibrary&) = delete;
    void* symbol(const std::string& name) override { return dlsym(handle_, name.c_str()); }

private:
    void* handle_;
};

}  // namespace

std::unique_ptr<Library> PosixLibraries::open(const std::string& name) {
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    return std::make_unique<PosixLibrary>(handle);
}

// ---- Processes ------------------------------------------------------------

namespace {

constexpr std::uint32_t kPollMs = 5;

class PosixProcess final : public Process {
public:
    explicit PosixProcess(pid_t pid) : pid_(pid) {}
    std::optional<int> wait(std::uint32_t timeoutMs) override {
        if (exitCode_) return exitCode_;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            int status = 0;
            const pid_t done = waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                return exitCode_;
            }
            if (done < 0) return exitCode_ = -1;
            if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
        }
    }

private:
    pid_t pid_;
    std::optional<int> exitCode_;
};

// argv for posix_spawn: the program followed by the arguments and a null.
std::vector<char*> ArgumentVector(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments, const std::string& folder,
            bool searchPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<char*> argv = ArgumentVector(program, arguments);
    pid_t pid = -1;
    const int failed = searchPath ? posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ)
                                  : posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

}  // namespace

std::unique_ptr<Process> PosixProcesses::start(const std::string& program, const std::vector<std::string>& arguments,
                                               const std::string& workingFolder) {
    const pid_t pid = Spawn(program, arguments, workingFolder, false);
    if (pid < 0) return nullptr;
    return std::make_unique<PosixProcess>(pid);
}

// ---- Shell ----------------------------------------------------------------

namespace {

constexpr int kShellFileNotFound = 2;
constexpr int kShellCannotStart = 31;
constexpr int kShellStarted = 42;

bool IsWebAddress(const std::string& target) {
    return target.rfind("http://", 0) == 0 || target.rfind("https://", 0) == 0;
}

}  // namespace

int XdgShell::open(const std::string& target) {
    reapFinished();
    if (!IsWebAddress(target) && !fs::exists(target)) return kShellFileNotFound;
    // $BROWSER may list several commands separated by colons; the first is used.
    const char* browser = std::getenv("BROWSER");
    std::string opener = "xdg-open";
    if (browser && *browser) opener = std::string(browser).substr(0, std::string(browser).find(':'));
    const pid_t pid = Spawn(opener, {target}, "", true);
    if (pid < 0) return kShellCannotStart;
    started_.push_back(pid);
    return kShellStarted;
}

void XdgShell::reapFinished() {
    std::erase_if(started_, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

}  // namespace glyphora::platform
