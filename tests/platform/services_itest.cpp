// The POSIX and libcurl services against real programs and a local server.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "platform/curl/curl_http.h"
#include "platform/posix/posix_services.h"
#include "support/scratch_dir.h"

namespace glyphora::platform {
namespace {

using Clock = std::chrono::steady_clock;

long MillisecondsSince(Clock::time_point start) {
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

TEST(Processes, AProgramThatExitsAtOnceIsSeenFinishedQuickly) {
    PosixProcesses processes;
    auto process = processes.start("/bin/sh", {"-c", "exit 7"}, "");
    ASSERT_NE(process, nullptr);
    auto start = Clock::now();
    EXPECT_EQ(process->wait(5000), 7);
    EXPECT_LT(MillisecondsSince(start), 60);  // the start of a shell and one 5 ms poll

    // Once the program has ended, the wait sees it at its first look.
    auto ended = processes.start("/bin/true", {}, "");
    ASSERT_NE(ended, nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    start = Clock::now();
    EXPECT_EQ(ended->wait(5000), 0);
    EXPECT_LT(MillisecondsSince(start), 10);
}

TEST(Processes, ATimeOutReturnsWhileTheProgramRunsOn) {
    PosixProcesses processes;
    auto process = processes.start("/bin/sleep", {"0.4"}, "");
    ASSERT_NE(process, nullptr);
    const auto start = Clock::now();
    EXPECT_FALSE(process->wait(50).has_value());
    EXPECT_LT(MillisecondsSince(start), 200);
    EXPECT_EQ(process->wait(5000), 0);
}

TEST(Processes, StartsInTheWorkingFolderAndFailsForAMissingProgram) {
    testing::ScratchDir folder;
    PosixProcesses processes;
    auto process = processes.start("/bin/sh", {"-c", "pwd > where.txt"}, folder.path().string());
    ASSERT_NE(process, nullptr);
    ASSERT_EQ(process->wait(5000), 0);
    EXPECT_EQ(testing::ReadBytes(folder.file("where.txt")), std::filesystem::canonical(folder.path()).string() + "\n");
    EXPECT_EQ(processes.start(folder.file("no-such-program"), {}, ""), nullptr);
}

TEST(Shell, OpensTargetsWithTheBrowserAndRefusesMissingFiles) {
    testing::ScratchDir folder;
    testing::WriteBytes(folder.file("recorder.sh"), "#!/bin/sh\necho \"$1\" >> " + folder.file("opened.txt") + "\n");
    std::filesystem::permissions(folder.file("recorder.sh"), std::filesystem::perms::owner_all);
    testing::WriteBytes(folder.file("Manual.pdf"), "%PDF");
    setenv("BROWSER", folder.file("recorder.sh").c_str(), 1);
    XdgShell shell;
    EXPECT_GT(shell.open("http://example.invalid/donate"), 32);
    EXPECT_GT(shell.open(folder.file("Manual.pdf")), 32);
    EXPECT_LE(shell.open(folder.file("Missing.pdf")), 32);
    // The two openers run side by side, so their lines may come in either order.
    const auto lines = [&] {
        std::multiset<std::string> seen;
        std::istringstream in(testing::ReadBytes(folder.file("opened.txt")));
        for (std::string line; std::getline(in, line);) seen.insert(line);
        return seen;
    };
    for (int i = 0; i < 300 && lines().size() < 2; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(lines(), (std::multiset<std::string>{"http://example.invalid/donate", folder.file("Manual.pdf")}));
    unsetenv("BROWSER");
}

// A one-request-at-a-time HTTP server on 127.0.0.1: /file answers with a body
// of every byte value, anything else with 404.
class LocalServer {
public:
    static inline const std::string kBody = [] {
        std::string body;
        for (int i = 0; i < 3000; ++i) body.push_back(static_cast<char>(i * 7 % 256));
        return body;
    }();

    LocalServer() {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 8);
        socklen_t length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~LocalServer() {
        stopping_ = true;
        shutdown(listener_, SHUT_RDWR);
        close(listener_);
        thread_.join();
    }
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

private:
    void serve() {
        while (!stopping_) {
            const int client = accept(listener_, nullptr, nullptr);
            if (client < 0) return;
            char request[2048] = {};
            const ssize_t got = recv(client, request, sizeof request - 1, 0);
            const std::string text(request, got > 0 ? std::size_t(got) : 0);
            const bool head = text.rfind("HEAD ", 0) == 0;
            const bool found = text.find(" /file ") != std::string::npos;
            std::string reply = found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n";
            const std::string body = found ? kBody : "not here";
            reply += "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n";
            if (!head) reply += body;
            send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
            close(client);
        }
    }

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

TEST(Http, ProbesAndDownloadsFromALocalServer) {
    LocalServer server;
    testing::ScratchDir folder;
    CurlHttp http;
    EXPECT_TRUE(http.probe(server.url("/"), 2000));
    ASSERT_TRUE(http.download(server.url("/file"), folder.file("Temp.txt")));
    EXPECT_EQ(testing::ReadBytes(folder.file("Temp.txt")), LocalServer::kBody);
}

TEST(Http, FailuresAreReportedAndLeaveNothingBehind) {
    LocalServer server;
    testing::ScratchDir folder;
    CurlHttp http;
    EXPECT_FALSE(http.download(server.url("/missing"), folder.file("Temp.txt")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("Temp.txt")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("Temp.txt.part")));

    // A port nobody listens on is refused at once rather than timing out.
    const auto start = Clock::now();
    EXPECT_FALSE(http.probe("http://127.0.0.1:1/", 3000));
    EXPECT_FALSE(http.download("http://127.0.0.1:1/file", folder.file("Temp.txt")));
    EXPECT_LT(MillisecondsSince(start), 1000);
}

}  // namespace
}  // namespace glyphora::platform
