#include "tools/bom/RowBatches.h"

#include <utility>

namespace metalweight::bom {

RowBatches::RowBatches(ReadRow readRow) : readRow_(std::move(readRow)) {
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
            std::vector<WeighedRow> batch;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [this] { return stopping_ || !empty_.empty(); });
                if (stopping_) {
                    return;
                }
                batch = std::move(empty_.back());
                empty_.pop_back();
            }
            // Rows keep their cells' storage from batch to batch.
            batch.resize(kBatchRows);
            std::size_t count = 0;
            while (count < kBatchRows && readRow_(batch[count])) {
                ++count;
            }
            batch.resize(count);
            const bool last = count < kBatchRows;
            {
                const std::lock_guard lock(mutex_);
                full_.push_back(std::move(batch));
                ended_ = last;
            }
            changed_.notify_all();
            if (last) {
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

std::vector<WeighedRow>* RowBatches::next() {
    std::unique_lock lock(mutex_);
    if (current_.capacity() > 0) {
        empty_.push_back(std::exchange(current_, {}));
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
    return &current_;
}

}  // namespace metalweight::bom
