#include "tools/bom/RowBatches.h"

#include <utility>

namespace metalweight::bom {

RowBatches::RowBatches(Fill fill, Weigh weigh) : fill_(std::move(fill)), weigh_(std::move(weigh)) {
    empty_.resize(kBatchesInFlight);
    thread_ = std::thread([this] { read(); });
}

RowBatches::~RowBatches() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void RowBatches::read() {
    try {
        for (;;) {
            RowBatch batch;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [this] { return stopping_ || !empty_.empty(); });
                if (stopping_) {
                    return;
                }
                batch = std::move(empty_.back());
                empty_.pop_back();
            }
            // Rows and texts keep their storage from batch to batch.
            batch.rows.resize(RowBatch::kRows);
            batch.count = 0;
            batch.weighed = false;
            batch.text.clear();
            batch.ends.clear();
            const bool more = fill_(batch);
            // The writing thread is behind when batches queue up for it: then this
            // thread weighs the batch too, before handing it over.
            bool behind = false;
            {
                const std::lock_guard lock(mutex_);
                behind = full_.size() >= kBacklog;
            }
            if (behind) {
                weigh_(batch);
                batch.weighed = true;
            }
            {
                const std::lock_guard lock(mutex_);
                full_.push_back(std::move(batch));
                ended_ = !more;
            }
            changed_.notify_all();
            if (!more) {
                return;
            }
        }
    } catch (...) {
        {
            const std::lock_guard lock(mutex_);
            error_ = std::current_exception();
            ended_ = true;
        }
        changed_.notify_all();
    }
}

RowBatch* RowBatches::next() {
    std::unique_lock lock(mutex_);
    if (holding_) {
        empty_.push_back(std::move(current_));
        holding_ = false;
        changed_.notify_all();
    }
    changed_.wait(lock, [this] { return !full_.empty() || ended_; });
    if (full_.empty()) {
        if (error_) {
            std::rethrow_exception(error_);
        }
        return nullptr;
    }
    current_ = std::move(full_.front());
    full_.pop_front();
    holding_ = true;
    return &current_;
}

}  // namespace metalweight::bom
