#include "BatchSummary.h"

#include "UiText.h"

namespace tunewrap {

std::string OutcomeText(const FileOutcome& outcome) {
    switch (outcome.kind) {
        case FileOutcome::Kind::Converted:
            return platform::Filled(outcome.reencoded
                                        ? platform::Tr("BatchSummary", "re-encoded to %1")
                                        : platform::Tr("BatchSummary", "converted to %1"),
                                    {outcome.destinationPath});
        case FileOutcome::Kind::SkippedExists:
            return platform::Tr("BatchSummary", "skipped: exists");
        case FileOutcome::Kind::SkippedUnsuitable:
            return platform::Tr("BatchSummary", "skipped: unsuitable");
        case FileOutcome::Kind::Failed:
            if (outcome.reason.empty()) break;
            return platform::Filled(platform::Tr("BatchSummary", "failed: %1"), {outcome.reason});
        case FileOutcome::Kind::Cancelled:
            return platform::Tr("BatchSummary", "cancelled");
    }
    return platform::Tr("BatchSummary", "failed: unknown error");
}

void BatchTally::Count(FileOutcome::Kind kind) {
    switch (kind) {
        case FileOutcome::Kind::Converted:
            ++converted_;
            break;
        case FileOutcome::Kind::SkippedExists:
            ++existing_;
            ++skipped_;
            break;
        case FileOutcome::Kind::SkippedUnsuitable:
            ++skipped_;
            break;
        case FileOutcome::Kind::Failed:
            ++failed_;
            break;
        case FileOutcome::Kind::Cancelled:
            ++cancelled_;
            break;
    }
}

bool BatchTally::AllConverted(bool existingKept) const {
    return skipped_ - (existingKept ? existing_ : 0) + failed_ + cancelled_ + notReached_ == 0;
}

std::string BatchTally::Text() const {
    // By whether there are cancelled files (1) and unreached ones (2).
    static constexpr const char* kTemplates[] = {
        TW_TRANSLATE_NOOP("BatchSummary", "%1 converted, %2 skipped, %3 failed"),
        TW_TRANSLATE_NOOP("BatchSummary", "%1 converted, %2 skipped, %3 failed, %4 cancelled"),
        TW_TRANSLATE_NOOP("BatchSummary", "%1 converted, %2 skipped, %3 failed, %5 not reached"),
        TW_TRANSLATE_NOOP("BatchSummary",
                          "%1 converted, %2 skipped, %3 failed, %4 cancelled, %5 not reached")};
    const int which = (cancelled_ != 0 ? 1 : 0) + (notReached_ != 0 ? 2 : 0);
    return platform::Filled(
        platform::Tr("BatchSummary", kTemplates[which]),
        {std::to_string(converted_), std::to_string(skipped_), std::to_string(failed_),
         std::to_string(cancelled_), std::to_string(notReached_)});
}

}  // namespace tunewrap
