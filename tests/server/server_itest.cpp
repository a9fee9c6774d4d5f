// The score server over HTTP on loopback, with SQLite in a scratch folder:
// what it stores, what it refuses and with which status, and what its pages
// show.
#include "server/score_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <thread>

#include "game/online/query_text.h"
#include "game/online/score_exchange.h"
#include "game/online/signature.h"
#include "platform/curl/curl_http.h"
#include "platform/fake/fake_platform.h"
#include "server/show_page.h"
#include "server/sqlite_storage.h"
#include "support/scratch_dir.h"

namespace glyphora::server {
namespace {

// The server on a free port of 127.0.0.1, serving from a thread.
class RunningServer {
public:
    explicit RunningServer(ServerOptions options = Unlimited()) {
        std::string error;
        storage_ = SqliteStorage::Open(folder_.file("scores.sqlite"), 4, error);
        EXPECT_NE(storage_, nullptr) << error;
        options.host = "127.0.0.1";
        options.port = 0;
        options.threads = 4;
        server_ = std::make_unique<ScoreServer>(*storage_, options);
        port_ = server_->bind();
        EXPECT_GT(port_, 0);
        thread_ = std::thread([this] { server_->serve(); });
        while (!server_->running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~RunningServer() {
        server_->stop();
        thread_.join();
    }
    static ServerOptions Unlimited() {
        ServerOptions options;
        options.perInstallation = {};
        options.perAddress = {};
        return options;
    }

    httplib::Result get(const std::string& target) {
        httplib::Client client("127.0.0.1", port_);
        return client.Get(target.c_str());
    }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(port_); }
    int port() const { return port_; }
    ScoreStorage& storage() { return *storage_; }
    std::int64_t entries() { return storage_->countEntries().value_or(-1); }

private:
    testing::ScratchDir folder_;
    std::unique_ptr<ScoreStorage> storage_;
    std::unique_ptr<ScoreServer> server_;
    int port_ = 0;
    std::thread thread_;
};

// A write request as the game makes it, signed unless valid is given.
struct Write {
    std::string name = "ADA";
    std::int32_t score = 300, level = 3, letters = 40, words = 5, bars = 1, panics = 0;
    int difficulty = 0;
    std::string regcode = "0A1B2C3D4E5F6G7H8I9J";
    std::string group;
    std::string valid;

    std::string target() const {
        const std::string signature =
            valid.empty() ? SubmissionSignature(UpperCaseLetters(name), regcode,
                                                SignatureCheckValue(score, level, letters, words, bars, panics))
                          : valid;
        std::string encodedName = name, encodedGroup = group;
        EncodeQueryText(encodedName);
        EncodeQueryText(encodedGroup);
        const auto n = [](std::int32_t v) { return std::to_string(v); };
        return std::string(kWritePath) + "?name=" + encodedName + "&score=" + n(score) + "&valid=" + signature +
               "&diff=" + n(difficulty) + "&lvl=" + n(level) + "&lett=" + n(letters) + "&wrds=" + n(words) +
               "&bars=" + n(bars) + "&panics=" + n(panics) + "&reg=" + regcode + "&grp=" + encodedGroup;
    }
};

std::string Reply(const httplib::Result& result) {
    return result ? std::to_string(result->status) + " " + result->body : "no answer";
}

TEST(ScoreServer, AnEntrySentAgainIsStoredOnce) {
    RunningServer server;
    const Write ada;
    EXPECT_EQ(Reply(server.get(ada.target())), "200 stored\n");
    EXPECT_EQ(Reply(server.get(ada.target())), "200 already stored\n");
    Write forTheClub = ada;
    forTheClub.group = "Club";
    EXPECT_EQ(Reply(server.get(forTheClub.target())), "200 stored\n");
    EXPECT_EQ(Reply(server.get(forTheClub.target())), "200 already stored\n");
    EXPECT_EQ(server.entries(), 1);
}

TEST(ScoreServer, ForgedAndAlteredSubmissionsAreRefusedAndStoreNothing) {
    RunningServer server;
    const Write genuine;
    const std::string signature = SubmissionSignature("ADA", genuine.regcode, SignatureCheckValue(300, 3, 40, 5, 1, 0));
    Write forged = genuine, higher = genuine, renamed = genuine, moved = genuine, harder = genuine;
    forged.valid = "0123456789abcdef";
    higher.score = 30000;
    renamed.name = "EVE";
    moved.regcode = "ZZZZZZZZZZZZZZZZZZZZ";
    harder.letters = 4;
    for (Write* altered : {&higher, &renamed, &moved, &harder}) altered->valid = signature;
    for (const Write* write : {&forged, &higher, &renamed, &moved, &harder})
        EXPECT_EQ(Reply(server.get(write->target())), "403 signature does not match\n") << write->target();
    EXPECT_EQ(server.entries(), 0);
}

TEST(ScoreServer, MalformedRequestsAreRefusedWithTheirReason) {
    RunningServer server;
    const std::string good = Write().target();
    const auto with = [&](const std::string& from, const std::string& to) {
        std::string target = good;
        target.replace(target.find(from), from.size(), to);
        return target;
    };
    const std::pair<std::string, std::string> cases[] = {
        {kWritePath, "missing parameter: name"},
        {with("&score=300", ""), "missing parameter: score"},
        {good + "&extra=1", "malformed query: too many parameters"},
        {with("&grp=", "&cheat="), "unknown parameter: cheat"},
        {with("&grp=", "&name=ADA"), "malformed query: parameter name given twice"},
        {with("&bars=1", "&bars"), "malformed query: a field without \"=\""},
        {with("name=ADA", "name=A%G1"), "malformed query: a bad escape or character in name"},
        {with("name=ADA", "name=ADA%4"), "malformed query: a bad escape or character in name"},
        {with("name=ADA", "name=A%0AB"), "malformed query: a bad escape or character in name"},
        {with("name=ADA", "name=%C3%89"), "malformed query: a bad escape or character in name"},
        {with("name=ADA", "name="), "bad name"},
        {with("name=ADA", "name=Ada"), "bad name"},
        {with("name=ADA", "name=" + std::string(21, 'A')), "bad name"},
        {with("score=300", "score=0"), "bad score: a whole number from 1 to 2147483647 is expected"},
        {with("score=300", "score=-300"), "bad score"},
        {with("score=300", "score=0300"), "bad score"},
        {with("score=300", "score=3e2"), "bad score"},
        {with("score=300", "score=2147483648"), "bad score"},
        {with("diff=0", "diff=3"), "bad diff: a whole number from 0 to 2 is expected"},
        {with("lett=40", "lett=-1"), "bad lett"},
        {with("valid=", "valid=0"), "bad valid"},
        {with("reg=0A1B2C3D4E5F6G7H8I9J", "reg=0A1B2C3D4E5F6G7H8I9JK"), "bad reg"},
        {with("reg=0A1B2C3D4E5F6G7H8I9J", "reg=0A1B-2C"), "bad reg"},
        {with("reg=0A1B2C3D4E5F6G7H8I9J", "reg="), "bad reg"},
        {good + std::string(21, 'G'), "bad grp"},
    };
    for (const auto& [target, reason] : cases) {
        const httplib::Result result = server.get(target);
        ASSERT_TRUE(result) << target;
        EXPECT_EQ(result->status, 400) << target;
        EXPECT_EQ(result->body.rfind(reason, 0), 0u) << target << " -> " << result->body;
        EXPECT_EQ(result->body.find('\n'), result->body.size() - 1) << "one line: " << result->body;
    }
    EXPECT_EQ(server.entries(), 0);
}

TEST(ScoreServer, OversizedAndOtherThanGetRequestsAreRefused) {
    RunningServer server;
    EXPECT_EQ(Reply(server.get(Write().target() + std::string(2100, 'G'))), "414 request too long\n");
    EXPECT_EQ(server.get(std::string(kWritePath) + "?" + std::string(9000, 'a'))->status, 414);

    httplib::Client client("127.0.0.1", server.port());
    const httplib::Result huge = client.Get(kHealthPath, {{"X-Padding", std::string(10000, 'x')}});
    ASSERT_TRUE(huge);
    EXPECT_GE(huge->status, 400);
    const httplib::Result posted = client.Post(kWritePath, std::string(4000, 'x'), "text/plain");
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->status, 413);
    EXPECT_EQ(client.Post(kWritePath, "x", "text/plain")->status, 405);
    EXPECT_EQ(server.entries(), 0);
}

TEST(ScoreServer, RateLimitsHoldPerInstallationAndPerAddress) {
    ServerOptions options = RunningServer::Unlimited();
    options.perInstallation = {3, 0.001};
    RunningServer server(options);
    for (int i = 0; i < 3; ++i) {
        Write write;
        write.score = 100 + i;
        EXPECT_EQ(server.get(write.target())->status, 200) << i;
    }
    Write fourth;
    fourth.score = 200;
    const httplib::Result refused = server.get(fourth.target());
    EXPECT_EQ(Reply(refused), "429 too many requests from this installation\n");
    EXPECT_EQ(refused->get_header_value("Retry-After"), "1");
    fourth.regcode = "ANOTHERINSTALLATION1";
    EXPECT_EQ(server.get(fourth.target())->status, 200);
    EXPECT_EQ(server.entries(), 4);

    ServerOptions strict = RunningServer::Unlimited();
    strict.perAddress = {2, 0.001};
    RunningServer guarded(strict);
    EXPECT_EQ(guarded.get(std::string(kWritePath) + "?junk")->status, 400);
    EXPECT_EQ(guarded.get(Write().target())->status, 200);
    EXPECT_EQ(Reply(guarded.get(Write().target())), "429 too many requests from this address\n");
    EXPECT_EQ(guarded.get(kShowPath)->status, 429);
}

TEST(ScoreServer, TheHealthPageAnswersTheProbe) {
    RunningServer server;
    EXPECT_EQ(Reply(server.get(kHealthPath)), "200 ok\n");
    httplib::Client client("127.0.0.1", server.port());
    EXPECT_EQ(client.Head(kHealthPath)->status, 200);
    EXPECT_EQ(server.get("/")->status, 302);
    EXPECT_EQ(Reply(server.get("/nothing-here")), "404 not found\n");
}

TEST(ScoreServer, ASecondServerCannotTakeAPortInUse) {
    RunningServer first;
    std::string error;
    testing::ScratchDir folder;
    const auto storage = SqliteStorage::Open(folder.file("other.sqlite"), 1, error);
    ServerOptions options;
    options.host = "127.0.0.1";
    options.port = first.port();
    ScoreServer second(*storage, options);
    EXPECT_EQ(second.bind(), -1);
}

TEST(ScoreServer, StoredTextsAreShownAsTextAndThePlayersNamesAreMarked) {
    RunningServer server;
    const char* names[] = {"<SCRIPT>X()</SCRIPT>", "\"'&AMP;<B>", "X'; DROP TABLE --", "ADA"};
    std::int32_t score = 1000;
    for (const char* name : names) {
        Write write;
        write.name = name;
        write.score = score -= 100;
        write.group = "<I>CLUB";
        ASSERT_EQ(server.get(write.target())->status, 200) << name;
    }
    const httplib::Result page =
        server.get(std::string(kShowPath) + "?difficulty=0&grouptoshow=%3CI%3ECLUB&playertoshow=ADA"
                                            "&regcode=0A1B2C3D4E5F6G7H8I9J&group0=%3CI%3ECLUB&player0=ADA");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
    const std::string& html = page->body;
    for (const char* raw : {"<SCRIPT>", "<B>", "<I>", "'&AMP;"}) EXPECT_EQ(html.find(raw), std::string::npos) << raw;
    for (const char* shown : {"&lt;SCRIPT&gt;X()&lt;/SCRIPT&gt;", "&quot;&#39;&amp;AMP;&lt;B&gt;",
                              "X&#39;; DROP TABLE --", "&lt;I&gt;CLUB"})
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    EXPECT_NE(html.find("<tr class=\"player\"><td class=\"rank\">4</td><td class=\"name\">ADA</td>"),
              std::string::npos);
    EXPECT_EQ(server.entries(), 4);

    const httplib::Result refused = server.get(std::string(kShowPath) + "?difficulty=7");
    EXPECT_EQ(refused->status, 400);
    EXPECT_NE(refused->body.find("bad difficulty"), std::string::npos);
    const httplib::Result font = server.get(kFontPath);
    ASSERT_TRUE(font);
    if (font->status == 200) { EXPECT_EQ(font->body.substr(0, 4), "OTTO"); }
}

// The game's own exchange code against the server: every entry is stored
// with its groups, "+" and "%" survive the trip, and the repeat of the whole
// exchange stores nothing new.
TEST(ScoreServer, TheGamesExchangeIsStoredWholeAndOnce) {
    RunningServer server;
    testing::ScratchDir folder;
    ExchangeRequest request;
    request.server = server.address();
    request.replyPath = folder.file("Temp.txt");
    request.regcode = "0A1B2C3D4E5F6G7H8I9J";
    const char* names[] = {"a+b", "50%", "Ada Lovelace", kAnonymousName};
    for (int rank = 1; rank <= 4; ++rank) {
        request.table.at(0, rank) = ScoreEntry{names[rank - 1], 2, 30, 4, 0, 1};
        request.scores[0][rank - 1] = 1000 - rank;
    }
    request.groups[1] = "Chess club";
    platform::CurlHttp http;
    platform::FakeShell shell;
    platform::FakeWindow window;
    struct : ExchangeStatus {
        void show(std::string_view, std::uint32_t) override {}
        void hide() override {}
    } status;
    ExchangeServices services{http, shell, window, status};

    EXPECT_EQ(RunScoreExchange(request, services).answered, 18);
    EXPECT_EQ(server.entries(), 3);
    EXPECT_EQ(testing::ReadBytes(request.replyPath), "already stored\n");
    const auto rows = server.storage().table(0, "CHESS CLUB", 10);
    ASSERT_TRUE(rows);
    std::vector<std::string> club;
    for (const TableRow& row : *rows) club.push_back(row.name);
    EXPECT_EQ(club, (std::vector<std::string>{"A+B", "50%", "ADA LOVELACE"}));

    RunScoreExchange(request, services);
    EXPECT_EQ(server.entries(), 3);
    ASSERT_EQ(shell.opened.size(), 2u);
    const std::string show = shell.opened.back().substr(server.address().size());
    const httplib::Result page = server.get(show);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200) << show;
    EXPECT_NE(page->body.find("<tr class=\"player\"><td class=\"rank\">1</td><td class=\"name\">A+B</td>"),
              std::string::npos);
}

}  // namespace
}  // namespace glyphora::server
