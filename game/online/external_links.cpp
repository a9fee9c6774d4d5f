#include "game/online/external_links.h"

#include "game/online/module_directory.h"

namespace glyphora {
namespace {

// ShellExecute's convention: 32 and below are failures.
bool Opened(int shellResult) { return shellResult > 32; }

}  // namespace

void OpenDonationPageUsd(platform::Shell& shell) { shell.open(std::string(kMakerSite) + "/donations/usd_from_game"); }

void OpenDonationPageEur(platform::Shell& shell) { shell.open(std::string(kMakerSite) + "/donations/eur_from_game"); }

void OpenManual(platform::Shell& shell, platform::Files& files) {
    if (Opened(shell.open(BesideModule(files, "../Manual/Manual.pdf")))) return;
    shell.open(BesideModule(files, "../Manual/Manual.rtf"));
}

}  // namespace glyphora
