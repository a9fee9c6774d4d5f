// glyphora-freshdata WORDLIST GAMEDIR: writes a fresh installation's data
// files into GAMEDIR/Data/ (GAMEDIR is the folder Game runs in) with the
// game's own writers: Settings.ini for a first run, an empty score table, the
// word list WORDLIST (plain form) stored swapped, Hashes.txt and Backup/.
// The result is the same at every run.
#include <cstdio>
#include <filesystem>
#include <string>

#include "game/data/fresh_installation.h"
#include "platform/posix/posix_services.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: glyphora-freshdata WORDLIST GAMEDIR\n");
        return 2;
    }
    std::error_code error;
    const fs::path wordList = fs::absolute(argv[1], error);
    fs::create_directories(argv[2], error);
    fs::current_path(argv[2], error);
    if (error) {
        std::fprintf(stderr, "glyphora-freshdata: cannot enter %s\n", argv[2]);
        return 1;
    }
    glyphora::platform::PosixFiles files;
    if (!glyphora::WriteFreshInstallation(wordList.string(), files)) {
        std::fprintf(stderr, "glyphora-freshdata: cannot write the data files into %s/Data\n", argv[2]);
        return 1;
    }
    return 0;
}
