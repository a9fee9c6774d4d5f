// The exchange's decisions on fakes; the requests on the wire are checked
// against a real server in score_exchange_itest.cpp.
#include "game/online/score_exchange.h"

#include <gtest/gtest.h>

#include "exchange_fixture.h"
#include "game/online/server_address.h"

namespace glyphora {
namespace {

using testing::SetEntry;

// Five groups of 20 characters and 15 distinct names of 15, each made of
// one repeated character.
ExchangeRequest FullRequest(char groupCharacter, char nameCharacter) {
    ExchangeRequest request;
    request.server = kDefaultServerAddress;
    request.regcode = "ABCDEFGHIJ0123456789";
    for (std::string& group : request.groups) group = std::string(20, groupCharacter);
    for (int i = 0; i < 15; ++i) {
        const std::string suffix = std::to_string(10 + i);
        SetEntry(request, i / 5, i % 5 + 1, std::string(13, nameCharacter) + suffix, 100);
    }
    return request;
}

TEST(ShowPageUrl, TheFullestTablesStayWithinTheLengthABrowserTakes) {
    std::string expected = std::string(kDefaultServerAddress) +
                           "/glyphora/highscores/show.php?difficulty=1&grouptoshow=GGGGGGGGGGGGGGGGGGGG"
                           "&playertoshow=NNNNNNNNNNNNN15&regcode=ABCDEFGHIJ0123456789";
    for (int i = 0; i < 5; ++i) expected += "&group" + std::to_string(i) + "=GGGGGGGGGGGGGGGGGGGG";
    for (int i = 0; i < 15; ++i) expected += "&player" + std::to_string(i) + "=NNNNNNNNNNNNN" + std::to_string(10 + i);
    EXPECT_EQ(ShowPageUrl(FullRequest('g', 'n')), expected);
    EXPECT_LE(expected.size(), 1511u);
    // Every character escaped takes three: still within the limit.
    EXPECT_LE(ShowPageUrl(FullRequest('%', ' ')).size(), 1511u);
}

// Answers the probe and the first `answers` requests, then nothing more.
class FailingServer final : public platform::Http, public platform::HttpSession {
public:
    explicit FailingServer(int answers) : answers_(answers) {}
    bool probe(const std::string&, std::uint32_t) override { return true; }
    bool download(const std::string&, const std::string&) override { return false; }
    std::unique_ptr<platform::HttpSession> openSession() override { return std::make_unique<Forwarding>(*this); }
    int fetch(const std::string&, const std::string&) override { return ++requests <= answers_ ? 200 : 0; }
    int requests = 0;

private:
    struct Forwarding final : platform::HttpSession {
        explicit Forwarding(FailingServer& server) : server(server) {}
        bool probe(const std::string& url, std::uint32_t ms) override { return server.probe(url, ms); }
        int fetch(const std::string& url, const std::string& path) override { return server.fetch(url, path); }
        FailingServer& server;
    };
    int answers_;
};

TEST(ScoreExchange, AServerThatStopsAnsweringEndsTheSubmissionsButThePageStillOpens) {
    FailingServer http(8);
    testing::ExchangeDesk desk(http);
    const ExchangeReport report = RunScoreExchange(FullRequest('g', 'n'), desk.services);
    EXPECT_EQ(http.requests, 9);  // the ninth got no answer; the other 81 were not made
    EXPECT_EQ(report.answered, 8);
    EXPECT_EQ(desk.shell.opened.size(), 1u);
    EXPECT_EQ(desk.window.moves.size(), 1u);
    EXPECT_EQ(desk.status.log.back(), "hide");
}

TEST(ScoreExchange, RefusedEntriesAndAFailingBrowserGoUnreported) {
    platform::FakeHttp http;  // answers 404 to every write
    testing::ExchangeDesk desk(http);
    desk.shell.result = 2;
    const ExchangeReport report = RunScoreExchange(FullRequest('g', 'n'), desk.services);
    EXPECT_EQ(report.answered, 90);
    EXPECT_FALSE(report.pageOpened);
    EXPECT_EQ(desk.status.log.back(), "hide");
    EXPECT_EQ(desk.window.moves.size(), 1u);
}

TEST(ScoreExchange, WithoutAnHttpLibraryTheServerCountsAsUnreachable) {
    platform::FakeHttp http;
    http.noLibrary = true;
    testing::ExchangeDesk desk(http);
    const ExchangeReport report = RunScoreExchange(FullRequest('g', 'n'), desk.services);
    EXPECT_FALSE(report.connected);
    EXPECT_EQ(desk.status.log.back(), "show UNABLE TO CONNECT TO THE HIGH SCORES SERVER. for 5000");
    EXPECT_TRUE(desk.shell.opened.empty());
}

}  // namespace
}  // namespace glyphora
