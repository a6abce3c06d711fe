#pragma once
#include <string>

#include "ConversionHost.h"
#include "UiText.h"

namespace tunewrap {

// What became of one file, in the words every face reports it with.
std::string OutcomeText(const FileOutcome& outcome);
// The word for a selected file the batch never came to (it was stopped first); the window shows
// it as platform::Tr("BatchSummary", kNotReachedText).
inline constexpr const char* kNotReachedText = TW_TRANSLATE_NOOP("BatchSummary", "not reached");

// What a run came to, counted over its files: "3 converted, 1 skipped, 1 failed", and the
// cancelled and unreached files if any.
class BatchTally {
  public:
    void Count(FileOutcome::Kind kind);
    void CountNotReached() { ++notReached_; }
    // existingKept: a destination that was there already counts as done.
    bool AllConverted(bool existingKept) const;
    std::string Text() const;

  private:
    int converted_ = 0, skipped_ = 0, existing_ = 0, failed_ = 0, cancelled_ = 0, notReached_ = 0;
};

}  // namespace tunewrap
