#pragma once
// A fixed set of connections shared by the server's threads: a thread takes
// one for the length of an operation and gives it back, waiting while all
// are in use.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace glyphora::server {

template <typename Connection>
class Pool {
public:
    class Lease {
    public:
        Lease(Pool& pool, std::unique_ptr<Connection> connection) : pool_(pool), connection_(std::move(connection)) {}
        ~Lease() { pool_.giveBack(std::move(connection_)); }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        Connection& operator*() { return *connection_; }
        Connection* operator->() { return connection_.get(); }

    private:
        Pool& pool_;
        std::unique_ptr<Connection> connection_;
    };

    void add(std::unique_ptr<Connection> connection) { giveBack(std::move(connection)); }

    Lease take() {
        std::unique_lock lock(mutex_);
        available_.wait(lock, [this] { return !idle_.empty(); });
        std::unique_ptr<Connection> connection = std::move(idle_.back());
        idle_.pop_back();
        return Lease(*this, std::move(connection));
    }

private:
    void giveBack(std::unique_ptr<Connection> connection) {
        {
            const std::lock_guard lock(mutex_);
            idle_.push_back(std::move(connection));
        }
        available_.notify_one();
    }

    std::mutex mutex_;
    std::condition_variable available_;
    std::vector<std::unique_ptr<Connection>> idle_;
};

}  // namespace glyphora::server
