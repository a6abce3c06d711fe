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
