// glyphora-scores-requests: signed write requests for filling a score server
// and for load tests, one request path per line, every one a distinct entry.
//
//   glyphora-scores-requests COUNT [FIRST]
//
// Entry i (from FIRST, default 0) belongs to one of a few hundred
// installations and players and carries scores that differ from every other
// entry, so COUNT lines store COUNT entries. The names come in pairs of
// syllables; a third of the entries are sent for one of a few groups.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/online/signature.h"

namespace {

constexpr const char* kSyllables[] = {"KA", "LO", "MI", "RA", "TE", "SU", "NO", "BI", "ZE", "DA", "VO", "PI"};
constexpr const char* kGroups[] = {"CHESS%20CLUB", "CLASS%207B", "NIGHT%20OWLS"};
constexpr int kSyllableCount = sizeof kSyllables / sizeof *kSyllables;

std::string Regcode(long installation) {
    std::string code = "LOAD";
    for (int i = 0; i < 16; ++i) {
        code.push_back("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[installation % 36]);
        installation = installation / 36 + i * 7;
    }
    return code;
}

std::string Request(long i) {
    const long installation = i % 397;
    const std::string name = std::string(kSyllables[i % kSyllableCount]) + kSyllables[(i / 7) % kSyllableCount] +
                             kSyllables[installation % kSyllableCount];
    const int difficulty = static_cast<int>(i % 3);
    const auto score = static_cast<std::int32_t>(1000 + (i * 7919) % 900000 + i / 900000);
    const auto level = static_cast<std::int32_t>(1 + score / 4000);
    const auto letters = static_cast<std::int32_t>(score / 9 + i % 1000);
    const auto words = static_cast<std::int32_t>(score / 300);
    const std::int32_t bars = score / 50000, panics = static_cast<std::int32_t>(i % 4);
    const std::string regcode = Regcode(installation);
    const std::string valid = glyphora::SubmissionSignature(
        name, regcode, glyphora::SignatureCheckValue(score, level, letters, words, bars, panics));
    char line[512];
    std::snprintf(line, sizeof line,
                  "/glyphora/highscores/write.php?name=%s&score=%d&valid=%s&diff=%d&lvl=%d&lett=%d&wrds=%d&bars=%d"
                  "&panics=%d&reg=%s&grp=%s",
                  name.c_str(), score, valid.c_str(), difficulty, level, letters, words, bars, panics, regcode.c_str(),
                  i % 3 == 0 ? kGroups[(i / 3) % 3] : "");
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: glyphora-scores-requests COUNT [FIRST]\n");
        return 2;
    }
    const long count = std::atol(argv[1]);
    const long first = argc == 3 ? std::atol(argv[2]) : 0;
    for (long i = first; i < first + count; ++i) std::printf("%s\n", Request(i).c_str());
    return 0;
}
