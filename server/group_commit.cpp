#include "server/group_commit.h"

#include <algorithm>

namespace glyphora::server {

StoreResult GroupCommit::store(const Entry& entry, const std::string& group) {
    Write write{entry, group};
    std::unique_lock lock(mutex_);
    waiting_.push_back(&write);
    while (!write.done) {
        if (running_) {
            finished_.wait(lock);
            continue;
        }
        // The oldest waiting writes, at most maxBatch_ of them; this write is
        // among them unless more than that were waiting before it.
        running_ = true;
        const auto end = waiting_.begin() + static_cast<std::ptrdiff_t>(std::min(waiting_.size(), maxBatch_));
        const std::vector<Write*> batch(waiting_.begin(), end);
        waiting_.erase(waiting_.begin(), end);
        lock.unlock();
        batch_(batch);
        lock.lock();
        for (Write* done : batch) done->done = true;
        running_ = false;
        finished_.notify_all();
    }
    return write.result;
}

}  // namespace glyphora::server
