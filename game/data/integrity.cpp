#include "game/data/integrity.h"

#include <md5.h>

#include <cstdint>

#include "common/data_file.h"
#include "game/data/data_paths.h"
#include "game/data/score_file.h"
#include "game/data/settings_file.h"

namespace glyphora {

namespace {

constexpr const char* kCheckedFiles[] = {paths::kSettings, paths::kWordList, paths::kScores};
constexpr const char* kBackupSet[] = {"Hashes.txt", "Settings.ini", "WordList.txt", "Scores.txt"};
constexpr int kExtraRounds = 4;
constexpr std::size_t kPiece = 1024;
constexpr std::size_t kHashLineLimit = 51;

std::string Hex(const std::uint8_t (&digest)[MD5_DIGEST_LENGTH]) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::uint8_t byte : digest) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string Md5Hex(const std::string& bytes) {
    MD5_CTX context;
    MD5Init(&context);
    MD5Update(&context, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    std::uint8_t digest[MD5_DIGEST_LENGTH];
    MD5Final(digest, &context);
    return Hex(digest);
}

void CopySet(platform::Files& files, const std::string& fromFolder, const std::string& toFolder) {
    for (const char* name : kBackupSet) files.copy(fromFolder + name, toFolder + name);
}

struct CheckedFile {
    const char* name;
    const char* withoutFile;  // what the game uses when neither the file nor its backup exists
};

constexpr CheckedFile kRestoredFiles[] = {
    {"Settings.ini", "the default settings are used"},
    {"WordList.txt", "a small built-in word list is used"},
    {"Scores.txt", "the high-score tables start empty"},
};

// One sentence per data file whose backup is missing: it cannot be restored,
// so the file stays as it is, or is replaced by what the game falls back on.
std::string MissingBackupsText(platform::Files& files) {
    std::string text;
    for (const CheckedFile& file : kRestoredFiles) {
        if (files.exists(std::string(paths::kBackupFolder) + "/" + file.name)) continue;
        const bool present = files.exists(std::string("Data/") + file.name);
        text += std::string("No backup of ") + file.name +
                " was found: " + (present ? "the file is used as it is." : file.withoutFile) + (present ? "\n" : ".\n");
    }
    return text;
}

bool WriteThenHashes(bool written, const char* path, std::string& failed) {
    if (!written) {
        failed = path;
        return false;
    }
    if (WriteDataFileHashes()) return true;
    failed = paths::kHashes;
    return false;
}

}  // namespace

std::string FileDigest(const std::string& path) {
    DataFile file;
    if (!file.open(path, "rb")) return {};
    MD5_CTX context;
    MD5Init(&context);
    char piece[kPiece + 1];
    for (std::size_t got; (got = file.readBytes(piece, kPiece)) > 0;) {
        MD5Update(&context, reinterpret_cast<const std::uint8_t*>(piece), got);
    }
    std::uint8_t digest[MD5_DIGEST_LENGTH];
    MD5Final(digest, &context);
    std::string text = Hex(digest);
    for (int round = 0; round < kExtraRounds; ++round) text = Md5Hex(text);
    return text;
}

bool CheckDataFiles() {
    DataFile hashes;
    if (!hashes.open(paths::kHashes, "rt")) return false;
    for (const char* path : kCheckedFiles) {
        std::string stored;
        hashes.readUntil(stored, '\n', kHashLineLimit);
        std::string actual = FileDigest(path);
        if (actual.empty() || stored != actual) return false;
    }
    return true;
}

void BackupDataFiles(platform::Files& files) {
    files.makeFolder(paths::kBackupFolder);
    CopySet(files, "Data/", std::string(paths::kBackupFolder) + "/");
}

void RestoreDataFiles(platform::Files& files) { CopySet(files, std::string(paths::kBackupFolder) + "/", "Data/"); }

std::string CorruptionText(platform::Files& files) {
    const std::string missing = MissingBackupsText(files);
    if (missing.empty()) return kCorruptionText;
    return "The data files have been corrupted. The backup files from the last valid start of the game are "
           "loaded where they exist.\n" +
           missing + "This may result in some settings or high scores lost. We are sorry for the inconvenience.";
}

void ReportCorruption(platform::Desktop& desktop, platform::Files& files) {
    desktop.messageBox(kCorruptionCaption, CorruptionText(files), platform::MessageBoxStyle::Error);
    RestoreDataFiles(files);
}

bool WriteDataFileHashes() {
    DataFile hashes;
    if (!hashes.openReplacing(paths::kHashes, "wt")) return false;
    for (const char* path : kCheckedFiles) {
        hashes.writeString(FileDigest(path));
        hashes.writeNewline();
    }
    return hashes.commit();
}

std::string SaveSettingsAndHashes(const Settings& settings) {
    std::string failed;
    WriteThenHashes(SaveSettings(settings), paths::kSettings, failed);
    return failed;
}

std::string SaveScoresAndHashes(const ScoreTable& table, const ScoreStore& store, Random& random) {
    std::string failed;
    WriteThenHashes(SaveScores(table, store, random), paths::kScores, failed);
    return failed;
}

std::string SaveDataFiles(const Settings& settings, const ScoreTable& table, const ScoreStore& store, Random& random) {
    std::string failed = SaveSettingsAndHashes(settings);
    const std::string scoresFailed = SaveScoresAndHashes(table, store, random);
    return failed.empty() ? scoresFailed : failed;
}

bool SecureDataFiles(platform::Files& files, platform::Desktop& desktop) {
    if (CheckDataFiles()) {
        BackupDataFiles(files);
        return true;
    }
    ReportCorruption(desktop, files);
    return false;
}

}  // namespace glyphora
