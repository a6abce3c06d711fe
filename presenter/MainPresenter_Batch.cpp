// What the window remembers during a batch and shows after it.
#include <algorithm>
#include <iterator>

#include "BatchSummary.h"
#include "MainPresenter.h"

namespace tunewrap {

namespace {

// What each answer of a box stands for, in BoxAnswer order: the button, and whether it is the
// answer to every question of that kind for the rest of the batch.
struct AnswerMeaning {
    MsgButton button;
    bool toAll;
};
constexpr AnswerMeaning kAnswers[] = {
    {MsgButton::Yes, false}, {MsgButton::No, false}, {MsgButton::Yes, true}, {MsgButton::No, true}};

// The questions a batch may ask about each of its files alike, which one answer can settle.
constexpr QuestionKind kAnsweredToAll[] = {QuestionKind::FileExists, QuestionKind::Unsuitable};

}  // namespace

// A question answered "to all" is not asked again in the batch. The extra buttons are offered
// only while files after the one asked about remain: for the last one they would mean nothing.
MsgButton MainPresenter::AskYesNo(QuestionKind kind, const TextLines& text,
                                  const std::string& title, MsgIcon icon, MsgButton defaultButton) {
    if (const auto answered = answeredToAll_.find(kind); answered != answeredToAll_.end())
        return answered->second;
    const bool offered = batchRunning_ && batchFilesDone_ + 1 < batchFiles_ &&
                         std::find(std::begin(kAnsweredToAll), std::end(kAnsweredToAll), kind) !=
                             std::end(kAnsweredToAll);
    const BoxAnswer answer = view_.ShowBox(text, title, icon, defaultButton,
                                           offered ? BoxButtons::YesNoToAll : BoxButtons::YesNo);
    const AnswerMeaning meaning = kAnswers[static_cast<std::size_t>(answer)];
    if (meaning.toAll) answeredToAll_[kind] = meaning.button;
    return meaning.button;
}

void MainPresenter::BeginBatch(ListId source, ConversionHost& host) {
    view_.ShowSummary({});
    answeredToAll_.clear();
    batchFiles_ = batchFilesDone_ = 0;
    for (int position = 1; position <= host.EntryCount(source); ++position)
        batchFiles_ += host.EntrySelected(source, position) ? 1 : 0;
}

// The summary counts as the command line does. The files the batch created are selected in
// the destination list it has just filled, as after a click on them.
void MainPresenter::EndBatch(ListId source, ConversionHost& host,
                             const std::vector<FileOutcome>& outcomes) {
    BatchTally tally;
    BatchSummary summary;
    std::vector<std::string> created;
    for (const FileOutcome& outcome : outcomes) {
        tally.Count(outcome.kind);
        summary.files.push_back({outcome.sourceName, OutcomeText(outcome)});
        if (outcome.kind == FileOutcome::Kind::Converted)
            created.push_back(platform::FileNamePart(outcome.destinationPath));
    }
    // What the batch left selected, it never came to: it was stopped first.
    for (int position = 1; position <= host.EntryCount(source); ++position) {
        if (!host.EntrySelected(source, position)) continue;
        tally.CountNotReached();
        summary.files.push_back(
            {host.EntryName(source, position), platform::Tr("BatchSummary", kNotReachedText)});
    }
    summary.line = tally.Text();
    view_.ShowSummary(summary);
    const ListId destination = OtherPane(source);
    if (const int first = SelectNames(destination, created); first != 0)
        view_.ScrollToRow(destination, first);
    EnableConvert(destination);
}

}  // namespace tunewrap
