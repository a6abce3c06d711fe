#include "BatchSummary.h"

namespace tunewrap {

std::string OutcomeText(const FileOutcome& outcome) {
    switch (outcome.kind) {
        case FileOutcome::Kind::Converted:
            return (outcome.reencoded ? "re-encoded to " : "converted to ") +
                   outcome.destinationPath;
        case FileOutcome::Kind::SkippedExists:
            return "skipped: exists";
        case FileOutcome::Kind::SkippedUnsuitable:
            return "skipped: unsuitable";
        case FileOutcome::Kind::Failed:
            return "failed: " +
                   (outcome.reason.empty() ? std::string("unknown error") : outcome.reason);
        case FileOutcome::Kind::Cancelled:
            return "cancelled";
    }
    return "failed: unknown error";
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
    std::string text = std::to_string(converted_) + " converted, " + std::to_string(skipped_) +
                       " skipped, " + std::to_string(failed_) + " failed";
    if (cancelled_ != 0) text += ", " + std::to_string(cancelled_) + " cancelled";
    if (notReached_ != 0) text += ", " + std::to_string(notReached_) + " not reached";
    return text;
}

}  // namespace tunewrap
