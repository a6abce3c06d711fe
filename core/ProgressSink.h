#pragma once
#include <cstdint>
#include <string>

// Where a file stands in its batch: its number among the batch's files, and the bytes of the
// sources before it, of its own and of the whole batch, as they were when the batch began.
struct BatchPosition {
    int file = 0;
    int files = 0;
    std::int64_t bytesBefore = 0;
    std::int64_t fileBytes = 0;
    std::int64_t batchBytes = 0;

    // The batch's bytes done once the file has done `done` of its `total`: a copy counts the
    // bytes it writes, which a header added or dropped sets apart from the source's size.
    std::int64_t BatchDone(std::int64_t done, std::int64_t total) const {
        if (total <= 0) return bytesBefore + fileBytes;
        const double share =
            static_cast<double>(done < 0 ? 0 : (done > total ? total : done)) / total;
        return bytesBefore + static_cast<std::int64_t>(share * static_cast<double>(fileBytes));
    }
};

// What a running copy reports to and polls: the progress dialog in the window, a progress line
// in the command-line tool, a recorder in the tests.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;

    virtual void SetFileName(const std::string& fileName) = 0;
    virtual void SetTotal(std::int64_t total) = 0;
    virtual void SetDone(std::int64_t done) = 0;
    virtual void ShowDialog() = 0;   // modeless; returns at once
    virtual void CloseDialog() = 0;  // no effect when the user already closed it
    virtual bool CancelRequested() const = 0;
    virtual void ClearCancel() = 0;
    virtual void Yield() = 0;  // lets the user interface handle pending events
    // Told before each file of a batch; a face that shows one file at a time ignores it.
    virtual void SetBatchPosition(const BatchPosition& /*position*/) {}
};

// The whole percentage every face shows for `done` of `total` bytes: within 0..100, exact halves
// to the even neighbour (2.5 % shows 2, 7.5 % shows 8), and 100 for a copy with nothing to copy.
inline int ProgressPercent(std::int64_t done, std::int64_t total) {
    if (total <= 0) return 100;
    done = done < 0 ? 0 : (done > total ? total : done);
    // Whole numbers only: a double loses the exact halves of files beyond 2^53 / 100 bytes.
    const std::int64_t scaled = done * 100;
    std::int64_t percent = scaled / total;
    const std::int64_t twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && percent % 2 == 1)) ++percent;
    return static_cast<int>(percent);
}
