#pragma once
#include <cstdint>
#include <string>

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
