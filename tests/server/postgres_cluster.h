#pragma once
// A throw-away PostgreSQL cluster for one test program: initdb into a scratch
// folder, a postgres listening on 127.0.0.1 at a free port, stopped and
// removed at the end. PostgreSQL refuses to run as root, so under root (CI)
// the cluster belongs to the unprivileged user "nobody". Where PostgreSQL is
// not installed, reason() says so and the tests skip.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace glyphora::testing {

class PostgresCluster {
public:
    // The cluster of this test program, started by the first call.
    static PostgresCluster& Shared() {
        static PostgresCluster cluster;
        return cluster;
    }

    bool running() const { return running_; }
    const std::string& reason() const { return reason_; }
    // A libpq connection string for a database of the cluster.
    std::string connection(const std::string& database) const {
        return "host=127.0.0.1 port=" + std::to_string(port_) + " user=glyphora dbname=" + database;
    }
    // Creates an empty database; its connection string, or "" on failure.
    std::string freshDatabase() {
        const std::string name = "test" + std::to_string(++databases_);
        const std::string command =
            bin_ + "/createdb -h 127.0.0.1 -p " + std::to_string(port_) + " -U glyphora " + name;
        return run(command) ? connection(name) : "";
    }

    ~PostgresCluster() {
        if (running_) run(bin_ + "/pg_ctl -D " + (folder_ / "data").string() + " -m immediate -w stop >/dev/null");
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }

private:
    PostgresCluster() {
        bin_ = FindBinaries();
        if (bin_.empty()) {
            reason_ = "PostgreSQL is not installed (no initdb under /usr/lib/postgresql/*/bin): skipped";
            return;
        }
        start();
    }

    static std::string FindBinaries() {
        if (const char* bin = std::getenv("GLYPHORA_PG_BIN")) return bin;
        std::string best;
        std::error_code error;
        for (const auto& version : std::filesystem::directory_iterator("/usr/lib/postgresql", error)) {
            const auto bin = version.path() / "bin";
            if (std::filesystem::exists(bin / "initdb") && bin.string() > best) best = bin.string();
        }
        return best;
    }

    static int FreePort() {
        const int s = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
        close(s);
        return ntohs(address.sin_port);
    }

    // Runs a shell command, as "nobody" when this process is root.
    bool run(const std::string& command) const {
        const std::string line = geteuid() == 0 ? "runuser -u nobody -- sh -c '" + command + "'" : command;
        return std::system(line.c_str()) == 0;
    }

    void start() {
        char pattern[] = "/tmp/glyphora-pg-XXXXXX";
        if (!mkdtemp(pattern)) return void(reason_ = "no scratch folder for PostgreSQL");
        folder_ = pattern;
        if (geteuid() == 0 && !run("true")) return void(reason_ = "cannot run commands as nobody");
        if (geteuid() == 0) std::filesystem::permissions(folder_, std::filesystem::perms::all);
        const std::string data = (folder_ / "data").string();
        port_ = FreePort();
        const std::string options = "-c listen_addresses=127.0.0.1 -p " + std::to_string(port_) + " -k " +
                                    folder_.string() + " -c fsync=off -c synchronous_commit=off";
        if (!run(bin_ + "/initdb -D " + data + " -U glyphora --auth=trust -E UTF8 --no-locale --no-sync >/dev/null"))
            return void(reason_ = "initdb failed");
        if (!run(bin_ + "/pg_ctl -D " + data + " -l " + (folder_ / "log").string() + " -w -o \"" + options +
                 "\" start >/dev/null"))
            return void(reason_ = "postgres did not start; see " + (folder_ / "log").string());
        running_ = true;
    }

    std::string bin_;
    std::filesystem::path folder_;
    int port_ = 0;
    int databases_ = 0;
    bool running_ = false;
    std::string reason_;
};

}  // namespace glyphora::testing
