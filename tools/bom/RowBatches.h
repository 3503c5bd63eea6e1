#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/bom/Output.h"
#include "tools/bom/WeighedRow.h"

namespace metalweight::bom {

// Rows of a list on their way from reading to the report.
struct RowBatch {
    static constexpr std::size_t kRows = 256;

    std::vector<WeighedRow> rows;  // kRows of them once read into; the first `count` in use
    std::size_t count = 0;
    bool weighed = false;  // rows weighed and their report written into `text`
    TextBuffer text;
    std::vector<std::size_t> ends;  // where each row's text ends (a bad row has none)
};

// The batches of a list, read on a second thread and handed over in order. The reading
// thread also weighs a batch and writes its report text whenever the writing thread is
// behind (batches queue up for it), so that both threads share the work whatever the
// list and the format make cost most. A few batches are in flight at most, so
// memory stays the same however long the list is.
class RowBatches {
  public:
    // Reads the next rows into a batch; false when the list has no more.
    using Fill = std::function<bool(RowBatch&)>;
    // Weighs a batch and writes its report text, on the reading thread.
    using Weigh = std::function<void(RowBatch&)>;

    RowBatches(Fill fill, Weigh weigh);
    ~RowBatches();
    RowBatches(const RowBatches&) = delete;
    RowBatches& operator=(const RowBatches&) = delete;

    // The next batch, in order; null at the end of the list. The batch is valid until
    // the next call. An error of the reading thread is thrown here.
    RowBatch* next();

  private:
    void read();

    static constexpr std::size_t kBatchesInFlight = 5;
    static constexpr std::size_t kBacklog = 3;  // batches waiting that make it behind

    Fill fill_;
    Weigh weigh_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<RowBatch> full_;
    std::vector<RowBatch> empty_;
    RowBatch current_;
    bool holding_ = false;   // current_ is the writing thread's
    bool ended_ = false;     // the reading thread has read the last row
    bool stopping_ = false;  // the reader of the batches has gone
    std::exception_ptr error_;
    std::thread thread_;
};

}  // namespace metalweight::bom
