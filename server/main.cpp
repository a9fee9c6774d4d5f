// glyphora-scores: the online high-score server of Glyphora.
#include <csignal>
#include <cstdio>
#include <thread>

#include "server/command_line.h"
#include "server/postgres_storage.h"
#include "server/sqlite_storage.h"

using namespace glyphora::server;

namespace {

std::unique_ptr<ScoreStorage> OpenStorage(const CommandLine& line, std::string& error) {
    if (!line.postgres.empty()) return PostgresStorage::Open(line.postgres, line.server.threads, error);
    return SqliteStorage::Open(line.database, line.server.threads, error);
}

// SIGINT and SIGTERM end serving; they are blocked in every thread and taken
// by one waiting thread, so no handler runs inside the server's threads.
std::thread StopOnSignal(ScoreServer& server, sigset_t signals) {
    return std::thread([&server, signals] {
        int received = 0;
        sigwait(&signals, &received);
        if (received != SIGUSR1) std::fprintf(stderr, "glyphora-scores: stopping\n");
        server.stop();
    });
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine line;
    const std::string reason = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), line);
    if (!reason.empty() || line.help) {
        std::fprintf(reason.empty() ? stdout : stderr, "%s%s%s", reason.c_str(), reason.empty() ? "" : "\n\n", kUsage);
        return reason.empty() ? 0 : 2;
    }
    std::signal(SIGPIPE, SIG_IGN);  // a client gone mid-reply is the send's error, not the end of the server
    sigset_t signals;
    sigemptyset(&signals);
    for (int s : {SIGINT, SIGTERM, SIGUSR1}) sigaddset(&signals, s);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    std::string error;
    const std::unique_ptr<ScoreStorage> storage = OpenStorage(line, error);
    if (!storage) {
        std::fprintf(stderr, "glyphora-scores: %s\n", error.c_str());
        return 1;
    }
    if (line.count) {
        const std::optional<std::int64_t> entries = storage->countEntries();
        if (entries) std::printf("%lld\n", static_cast<long long>(*entries));
        return entries ? 0 : 1;
    }
    ScoreServer server(*storage, line.server);
    const int port = server.bind();
    if (port < 0) {
        std::fprintf(stderr, "glyphora-scores: cannot listen on %s:%d\n", line.server.host.c_str(), line.server.port);
        return 1;
    }
    std::printf("glyphora-scores: serving on http://%s:%d/glyphora/highscores/show.php (%s)\n",
                line.server.host.c_str(), port, line.postgres.empty() ? line.database.c_str() : "PostgreSQL");
    std::fflush(stdout);
    std::thread stopper = StopOnSignal(server, signals);
    const bool served = server.serve();
    pthread_kill(stopper.native_handle(), SIGUSR1);  // wakes the waiting thread when serving ended on its own
    stopper.join();
    return served ? 0 : 1;
}
