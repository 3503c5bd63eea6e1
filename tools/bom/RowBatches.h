#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "tools/bom/WeighedRow.h"

namespace metalweight::bom {

// The rows of a list, read and weighed on a second thread and handed over in batches:
// reading, splitting and weighing the rows take about as long as writing the report,
// and so the two overlap. A few batches are in flight at most, so memory stays the same
// however long the list is.
class RowBatches {
  public:
    // Fills the next row; false at the end of the list. Runs on the second thread only.
    using ReadRow = std::function<bool(WeighedRow&)>;

    explicit RowBatches(ReadRow readRow);
    ~RowBatches();
    RowBatches(const RowBatches&) = delete;
    RowBatches& operator=(const RowBatches&) = delete;

    // The next batch of rows, in order; null at the end of the list. The batch is valid
    // until the next call. An error of the reading thread is thrown here.
    std::vector<WeighedRow>* next();

  private:
    void read();

    static constexpr std::size_t kBatchRows = 256;
    static constexpr std::size_t kBatchesInFlight = 3;

    ReadRow readRow_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<WeighedRow>> full_;
    std::vector<std::vector<WeighedRow>> empty_;
    std::vector<WeighedRow> current_;
    bool ended_ = false;     // the reading thread has read the last row
    bool stopping_ = false;  // the reader of the batches has gone
    std::exception_ptr error_;
    std::thread thread_;
};

}  // namespace metalweight::bom
