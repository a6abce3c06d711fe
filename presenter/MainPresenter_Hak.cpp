#include "HakPlan.h"
#include "MainPresenter.h"
#include "PathJoin.h"

namespace tunewrap {

void MainPresenter::PackIntoHak() {
    if (batchRunning_) return;
    std::vector<std::string> songs;
    for (int position = 1; position <= EntryCount(ListId::MP3); ++position) {
        if (EntrySelected(ListId::MP3, position))
            songs.push_back(listed_[Index(ListId::MP3)] + EntryName(ListId::MP3, position));
    }
    if (songs.empty()) return;
    const game::Machine machine = game::ThisMachine();
    HakPlan plan(songs, game::FindGameFolders({}, machine).hakDir, machine);
    if (!view_.EditHakPlan(plan)) return;
    game::HakRequest request = plan.Request();
    request.reencode = OptionChecked(OptionId::ReencodeUnsuitable);
    batchRunning_ = true;
    view_.ShowSummary({});
    view_.ShowBusy(true);
    progress_.ClearCancel();
    const game::HakReport report = game::MakeHak(request, machine, progress_);
    view_.ShowBusy(false);
    batchRunning_ = false;
    // Told as a batch is: a line below the lists, each song's outcome a click away.
    BatchSummary summary{game::SummaryText(report, request.outputPath, ". "), {}};
    for (std::size_t i = 0; i < report.tracks.size(); ++i) {
        std::string dir, name;
        platform::SplitPath(request.tracks[i].sourcePath, dir, name);
        summary.files.push_back({name, game::OutcomeText(request.tracks[i], report.tracks[i])});
    }
    view_.ShowSummary(summary);
    if (closeAfterBatch_) view_.Close();
}

}  // namespace tunewrap
