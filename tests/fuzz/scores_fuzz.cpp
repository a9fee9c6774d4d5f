// Reads any bytes as a stored score file, from memory and from the file the
// game loads, and checks the table it makes.
#include "fuzz_file.h"
#include "game/data/score_file.h"

using namespace glyphora;

namespace {

void CheckTable(const ScoreTable& table) {
    for (const auto& difficulty : table.entries) {
        for (const ScoreEntry& entry : difficulty) {
            fuzz::Require(entry.name.size() <= 20 && entry.name.find('\0') == std::string::npos);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    ScoreTable table;
    ScoreStore store;
    ParseStoredScores(std::string_view(reinterpret_cast<const char*>(data), size), table, store);
    CheckTable(table);

    ScoreTable loaded;
    LoadScores(loaded, store, fuzz::WriteInput(data, size));
    CheckTable(loaded);
    return 0;
}
