#pragma once
// Group commit: writes that arrive while a transaction is being committed
// wait and go into the next transaction together, so one commit (the costly
// part of a small write) serves many writes. There is no thread of its own:
// the first waiting writer runs a batch, the others wait for their result.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "server/storage.h"

namespace glyphora::server {

class GroupCommit {
public:
    struct Write {
        const Entry& entry;
        const std::string& group;
        StoreResult result = StoreResult::kFailed;
        bool done = false;
    };
    // Stores a batch in one transaction, setting each write's result.
    using Batch = std::function<void(const std::vector<Write*>& writes)>;

    GroupCommit(Batch batch, std::size_t maxBatch) : batch_(std::move(batch)), maxBatch_(maxBatch) {}

    // Stores one write with whatever else is waiting; returns once its
    // transaction has committed (or failed).
    StoreResult store(const Entry& entry, const std::string& group);

private:
    Batch batch_;
    std::size_t maxBatch_;
    std::mutex mutex_;
    std::condition_variable finished_;
    std::vector<Write*> waiting_;
    bool running_ = false;
};

}  // namespace glyphora::server
