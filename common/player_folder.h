#pragma once
// Where the game runs from: the folder whose "Data/" holds the player's data
// files (settings, high scores, their hashes and backups) and beside which
// the game's own folders (Graphics, Sounds, Music, ...) stand.
//
// A game folder the player may write to (a copied folder, an install into
// ~/.local) is used as it is. A system-wide install is not writable by the
// player, so each player gets a folder of their own, $XDG_DATA_HOME/glyphora
// (by default ~/.local/share/glyphora): its "Data/" is a copy of the game's
// fresh data files, made on the first start and the player's from then on,
// and every other entry is a link to the game folder's, renewed on every
// start so that an update of the game is seen at once.
#include <filesystem>
#include <functional>

namespace glyphora {

// True when a file can be created in the folder (tried by creating one, so
// that a read-only mount counts as read-only even for root).
bool CanWriteIn(const std::filesystem::path& folder);

// The per-user folder: $XDG_DATA_HOME/glyphora when XDG_DATA_HOME is an
// absolute path, else $HOME/.local/share/glyphora; empty when neither is set.
std::filesystem::path PerUserFolder();

// The folder to run in for the game folder's "Data" (the folder holding
// Game and Data/). The game folder itself when its "Data/" is writable;
// else the per-user folder, set up as above; the game folder again when the
// per-user folder cannot be made (the game then reports its failed saves).
std::filesystem::path ChoosePlayerFolder(
    const std::filesystem::path& gameDataFolder,
    const std::function<bool(const std::filesystem::path&)>& writable = CanWriteIn);

}  // namespace glyphora
