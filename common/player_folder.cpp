#include "common/player_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace glyphora {
namespace fs = std::filesystem;

namespace {

// Points link at target, replacing a link that points elsewhere; a real file
// or folder of the player's under that name is left alone.
void RenewLink(const fs::path& link, const fs::path& target, std::error_code& error) {
    if (fs::is_symlink(link)) {
        if (fs::read_symlink(link) == target) return;
        fs::remove(link, error);
    } else if (fs::exists(link)) {
        return;
    }
    fs::create_symlink(target, link, error);
}

// Copies a folder tree, leaving every copy writable by the player whatever
// the installed files' modes (a system-wide install's are read-only).
bool CopyAsPlayersOwn(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::create_directory(to, error);
    for (auto entry = fs::recursive_directory_iterator(from, error); !error && entry != fs::end(entry);
         entry.increment(error)) {
        const fs::path target = to / fs::relative(entry->path(), from, error);
        if (entry->is_directory()) {
            fs::create_directory(target, error);
        } else {
            fs::copy_file(entry->path(), target, fs::copy_options::overwrite_existing, error);
            if (!error)
                fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
        }
    }
    return !error;
}

// Makes folder into the game folder's stand-in; false when it cannot.
bool SetUpPerUserFolder(const fs::path& gameDataFolder, const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return false;
    if (!fs::exists(folder / "Data")) {
        // Copied under a scratch name and renamed, so that an interrupted
        // first start leaves no half-copied data for the next one to trust.
        const fs::path partial = folder / "Data.partial";
        fs::remove_all(partial, error);
        if (!CopyAsPlayersOwn(gameDataFolder / "Data", partial)) return false;
        fs::rename(partial, folder / "Data", error);
        if (error) return false;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(gameDataFolder, error)) {
        if (entry.path().filename() == "Data") continue;
        RenewLink(folder / entry.path().filename(), entry.path(), error);
        error.clear();
    }
    return !error;
}

}  // namespace

bool CanWriteIn(const fs::path& folder) {
    const fs::path probe = folder / (".write-test-" + std::to_string(::getpid()));
    const bool written = static_cast<bool>(std::ofstream(probe));
    std::error_code ignored;
    fs::remove(probe, ignored);
    return written;
}

fs::path PerUserFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && fs::path(dataHome).is_absolute()) return fs::path(dataHome) / "glyphora";
    const char* home = std::getenv("HOME");
    if (home && *home) return fs::path(home) / ".local" / "share" / "glyphora";
    return {};
}

fs::path ChoosePlayerFolder(const fs::path& gameDataFolder, const std::function<bool(const fs::path&)>& writable) {
    if (writable(gameDataFolder / "Data")) return gameDataFolder;
    const fs::path folder = PerUserFolder();
    if (folder.empty() || !SetUpPerUserFolder(gameDataFolder, folder)) return gameDataFolder;
    return folder;
}

}  // namespace glyphora
