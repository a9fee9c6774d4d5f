#include "game/online/score_exchange.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "game/online/query_text.h"
#include "game/online/signature.h"

namespace glyphora {
namespace {

constexpr const char* kHealthPath = "/health";
constexpr const char* kWritePath = "/glyphora/highscores/write.php";
constexpr const char* kShowPath = "/glyphora/highscores/show.php";

std::string Encoded(std::string text) {
    EncodeQueryText(text);
    return text;
}

std::int32_t ScoreAt(const ExchangeRequest& request, int difficulty, int rank) {
    return request.scores[difficulty][rank - 1];
}

// Everything of an entry's write request but the group, which ends it.
std::string WriteUrlWithoutGroup(const ExchangeRequest& request, int difficulty, int rank) {
    const ScoreEntry& entry = request.table.at(difficulty, rank);
    const std::int32_t score = ScoreAt(request, difficulty, rank);
    const std::string name = UpperCaseLetters(entry.name);
    const std::string valid = SubmissionSignature(
        name, request.regcode,
        SignatureCheckValue(score, entry.level, entry.letters, entry.words, entry.bars, entry.panics));
    const auto number = [](std::int32_t value) { return std::to_string(value); };
    return request.server + kWritePath + "?name=" + Encoded(name) + "&score=" + number(score) + "&valid=" + valid +
           "&diff=" + number(difficulty) + "&lvl=" + number(entry.level) + "&lett=" + number(entry.letters) +
           "&wrds=" + number(entry.words) + "&bars=" + number(entry.bars) + "&panics=" + number(entry.panics) +
           "&reg=" + request.regcode + "&grp=";
}

// The six requests of one entry: without a group, then group 0 to 4 (an
// empty group name repeats the first request). False when the server stopped
// answering.
bool SubmitEntry(const ExchangeRequest& request, int difficulty, int rank, platform::HttpSession& session,
                 ExchangeReport& report) {
    const std::string base = WriteUrlWithoutGroup(request, difficulty, rank);
    for (int group = -1; group < kPlayerGroupCount; ++group) {
        const std::string url = group < 0 ? base : base + Encoded(request.groups[group]);
        ++report.sent;
        if (session.fetch(url, request.replyPath) == 0) return false;
        ++report.answered;
    }
    return true;
}

// Each difficulty's entries from the top down to the first without a
// positive score; anonymous entries are not sent.
void SubmitTables(const ExchangeRequest& request, platform::HttpSession& session, ExchangeReport& report) {
    for (int difficulty = 0; difficulty < ScoreStore::kDifficulties; ++difficulty) {
        for (int rank = 1; rank <= ScoreStore::kRanks && ScoreAt(request, difficulty, rank) > 0; ++rank) {
            if (request.table.at(difficulty, rank).name == kAnonymousName) continue;
            if (!SubmitEntry(request, difficulty, rank, session, report)) return;
        }
    }
}

void AppendGroups(const ExchangeRequest& request, std::string& url) {
    int counter = 0;
    for (const std::string& group : request.groups) {
        if (!group.empty()) url += "&group" + std::to_string(counter++) + "=" + Encoded(group);
    }
}

// Every name of the tables once, compared without regard to case.
void AppendPlayers(const ExchangeRequest& request, std::string& url) {
    std::vector<std::string> listed;
    for (const auto& difficulty : request.table.entries) {
        for (const ScoreEntry& entry : difficulty) {
            const std::string upper = UpperCaseLetters(entry.name);
            if (upper.empty() || std::find(listed.begin(), listed.end(), upper) != listed.end()) continue;
            url += "&player" + std::to_string(listed.size()) + "=" + Encoded(entry.name);
            listed.push_back(upper);
        }
    }
}

}  // namespace

bool ProbeConnection(platform::HttpSession& session, const std::string& server) {
    return session.probe(server + kHealthPath, kProbeTimeoutMs);
}

// The group and player to show are encoded like every other text of the
// query: as they are stored, a name such as "#1" or "R&D" would cut the
// address short in the browser.
std::string ShowPageUrl(const ExchangeRequest& request) {
    const int difficulty = std::clamp(request.shownDifficulty, 0, ScoreStore::kDifficulties - 1);
    const auto firstGroup = std::find_if(std::begin(request.groups), std::end(request.groups),
                                         [](const std::string& group) { return !group.empty(); });
    const std::string groupToShow = firstGroup == std::end(request.groups) ? "" : *firstGroup;
    std::string url = request.server + kShowPath + "?difficulty=" + std::to_string(difficulty) +
                      "&grouptoshow=" + Encoded(groupToShow) +
                      "&playertoshow=" + Encoded(request.table.at(difficulty, 1).name) + "&regcode=" + request.regcode;
    AppendGroups(request, url);
    AppendPlayers(request, url);
    return url;
}

ExchangeReport RunScoreExchange(const ExchangeRequest& request, ExchangeServices& services) {
    ExchangeReport report;
    services.status.show(kConnectingMessage, 0);
    {
        const std::unique_ptr<platform::HttpSession> session = services.http.openSession();
        report.connected = session && ProbeConnection(*session, request.server);
        if (!report.connected) {
            services.status.show(kUnreachableMessage, kUnreachableMessageMs);
            return report;
        }
        SubmitTables(request, *session, report);
    }
    services.status.hide();
    report.pageOpened = services.shell.open(ShowPageUrl(request)) > 32;
    services.window.move(request.windowPosition);
    return report;
}

}  // namespace glyphora
