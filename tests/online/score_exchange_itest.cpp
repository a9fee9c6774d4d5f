// The exchange over real HTTP (libcurl) against a recording server on
// loopback.
#include "game/online/score_exchange.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <mutex>
#include <set>
#include <thread>

#include "exchange_fixture.h"
#include "platform/curl/curl_http.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using testing::SetEntry;

// Answers every request with a short page and records its method and target
// as they came, and the client port of the connection that carried it.
class RecordingServer {
public:
    RecordingServer() {
        server_.set_keep_alive_max_count(1000);
        server_.set_tcp_nodelay(true);  // or each small reply waits for a delayed acknowledgement
        server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
            const std::lock_guard lock(mutex_);
            requests_.push_back(request.method + " " + request.target);
            ports_.insert(request.remote_port);
            response.set_content("stored " + std::to_string(requests_.size()), "text/plain");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~RecordingServer() {
        server_.stop();
        thread_.join();
    }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(port_); }
    std::vector<std::string> requests() {
        const std::lock_guard lock(mutex_);
        return requests_;
    }
    std::size_t connections() {
        const std::lock_guard lock(mutex_);
        return ports_.size();
    }

private:
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::vector<std::string> requests_;
    std::set<int> ports_;
};

constexpr const char* kRegcode = "0A1B2C3D4E5F6G7H8I9J";

// The edge cases of one exchange: an anonymous entry, a plus and a percent
// sign in names, the same name in two difficulties in different case, a
// difficulty without any score, and two of five groups named.
ExchangeRequest EdgeCaseRequest(const std::string& server, const std::string& replyPath) {
    ExchangeRequest request;
    request.server = server;
    request.replyPath = replyPath;
    request.regcode = kRegcode;
    SetEntry(request, 0, 1, kAnonymousName, 500, 5, 60, 7, 1, 0);
    SetEntry(request, 0, 2, "Ada", 300, 3, 40, 5, 1, 0);
    SetEntry(request, 0, 3, "a+b", 200, 2, 30, 4, 0, 1);
    SetEntry(request, 0, 4, "50%", 100, 1, 10, 1, 0, 0);
    SetEntry(request, 2, 1, "ada", 900, 9, 120, 14, 2, 3);
    SetEntry(request, 2, 2, "Bob", 800, 8, 100, 12, 1, 0);
    request.groups[0] = "Alpha";
    request.groups[2] = "Beta";
    request.shownDifficulty = 2;
    request.windowPosition = {120, 80};
    return request;
}

// The six requests of one entry: no group, then the five group slots.
std::vector<std::string> SixWrites(const std::string& query) {
    std::vector<std::string> writes;
    for (const char* group : {"", "ALPHA", "", "BETA", "", ""})
        writes.push_back("GET /glyphora/highscores/write.php?" + query + "&reg=" + kRegcode + "&grp=" + group);
    return writes;
}

TEST(ScoreExchange, SendsEveryEntryInOrderOverOneConnectionAndOpensTheShowPage) {
    RecordingServer server;
    testing::ScratchDir folder;
    platform::CurlHttp http;
    testing::ExchangeDesk desk(http);
    const ExchangeReport report =
        RunScoreExchange(EdgeCaseRequest(server.address(), folder.file("Temp.txt")), desk.services);

    std::vector<std::string> expected = {"HEAD /health"};
    for (const char* query : {
             "name=ADA&score=300&valid=69734d2e69a5cd34&diff=0&lvl=3&lett=40&wrds=5&bars=1&panics=0",
             "name=A%7EB&score=200&valid=1011cacabc7c61d1&diff=0&lvl=2&lett=30&wrds=4&bars=0&panics=1",
             "name=50%25&score=100&valid=e3ee73f470587690&diff=0&lvl=1&lett=10&wrds=1&bars=0&panics=0",
             "name=ADA&score=900&valid=77c36f5dfce69314&diff=2&lvl=9&lett=120&wrds=14&bars=2&panics=3",
             "name=BOB&score=800&valid=5472951ca5472951&diff=2&lvl=8&lett=100&wrds=12&bars=1&panics=0",
         }) {
        for (std::string& write : SixWrites(query)) expected.push_back(std::move(write));
    }
    EXPECT_EQ(server.requests(), expected);
    EXPECT_EQ(server.connections(), 1u);
    EXPECT_EQ(report.sent, 30);
    EXPECT_EQ(report.answered, 30);
    EXPECT_EQ(testing::ReadBytes(folder.file("Temp.txt")), "stored 31");

    EXPECT_EQ(desk.shell.opened,
              std::vector<std::string>{server.address() +
                                       "/glyphora/highscores/show.php?difficulty=2&grouptoshow=ALPHA&playertoshow=ADA"
                                       "&regcode=0A1B2C3D4E5F6G7H8I9J&group0=ALPHA&group1=BETA"
                                       "&player0=--%20ANONYMOUS%20--&player1=ADA&player2=A%7EB&player3=50%25"
                                       "&player4=BOB"});
    EXPECT_TRUE(report.pageOpened);
    EXPECT_EQ(desk.window.moves, (std::vector<platform::Point>{{120, 80}}));
    EXPECT_EQ(desk.status.log,
              (std::vector<std::string>{"show CONNECTING TO GLYPHORA HIGH SCORES SERVER... for 0", "hide"}));
}

TEST(ScoreExchange, NinetyRequestsToANearServerTakeWellUnderASecond) {
    RecordingServer server;
    testing::ScratchDir folder;
    ExchangeRequest request;
    request.server = server.address();
    request.replyPath = folder.file("Temp.txt");
    request.regcode = kRegcode;
    for (int d = 0; d < 3; ++d)
        for (int rank = 1; rank <= 5; ++rank) SetEntry(request, d, rank, "PLAYER" + std::to_string(d * 5 + rank), 1000);
    for (std::string& group : request.groups) group = "GROUP" + std::to_string(&group - request.groups);

    platform::CurlHttp http;
    testing::ExchangeDesk desk(http);
    const auto start = std::chrono::steady_clock::now();
    const ExchangeReport report = RunScoreExchange(request, desk.services);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("the probe and 90 write requests took %lld ms\n", static_cast<long long>(ms.count()));

    EXPECT_EQ(report.answered, 90);
    EXPECT_EQ(server.requests().size(), 91u);
    EXPECT_EQ(server.connections(), 1u);
    EXPECT_LT(ms.count(), 1000);
}

TEST(ScoreExchange, AnUnreachableServerShowsTheMessageForFiveSecondsAndNothingIsSent) {
    testing::ScratchDir folder;
    platform::CurlHttp http;
    testing::ExchangeDesk desk(http);
    // Nobody listens on port 1: the connection is refused at once.
    const ExchangeReport report =
        RunScoreExchange(EdgeCaseRequest("http://127.0.0.1:1", folder.file("Temp.txt")), desk.services);
    EXPECT_FALSE(report.connected);
    EXPECT_EQ(report.sent, 0);
    EXPECT_EQ(desk.status.log,
              (std::vector<std::string>{"show CONNECTING TO GLYPHORA HIGH SCORES SERVER... for 0",
                                        "show UNABLE TO CONNECT TO THE HIGH SCORES SERVER. for 5000"}));
    EXPECT_TRUE(desk.shell.opened.empty());
    EXPECT_TRUE(desk.window.moves.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.file("Temp.txt")));
}

}  // namespace
}  // namespace glyphora
