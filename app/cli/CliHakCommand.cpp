#include "CliHakCommand.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "CliFileLines.h"
#include "CliInterrupt.h"
#include "CliProgressSink.h"
#include "FileIo.h"
#include "PathJoin.h"
#include "Terminal.h"
#include "mdlFileOps.h"

namespace tunewrap::cli {
namespace {

using game::TrackOutcome;
using json = nlohmann::ordered_json;

constexpr const char* kSongMask = "*.mp3";

// The songs named: a file as it is, a directory as its MP3 files in name order.
std::vector<std::string> Songs(const std::vector<std::string_view>& given) {
    std::vector<std::string> songs;
    for (const std::string_view item : given) {
        const std::string path(item);
        if (!platform::IsListableDirectory(path)) {
            songs.push_back(path);
            continue;
        }
        const std::string dir = platform::WithoutTrailingSeparators(path);
        std::vector<std::string> names;
        mdlFileOps::SearchHandle search = 0;
        for (std::string name = mdlFileOps::FindFile(search, platform::JoinPath(dir, kSongMask), 0);
             !name.empty(); name = mdlFileOps::FindFile(search, {}, 0)) {
            if (!platform::IsListableDirectory(platform::JoinPath(dir, name)))
                names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) songs.push_back(platform::JoinPath(dir, name));
    }
    return songs;
}

void Say(std::FILE* to, const std::string& text) {
    if (to != nullptr) std::fprintf(to, "%s\n", platform::ShownOn(to, text).c_str());
}

}  // namespace

int RunHak(game::HakRequest request, const std::vector<std::string_view>& files, bool progress,
           std::FILE* out, std::FILE* summary) {
    const std::vector<std::string> songs = Songs(files);
    request.tracks = game::NameTracks(songs);
    CliProgressSink sink(progress, stderr);
    InstallInterruptHandler();
    const game::HakReport report = game::MakeHak(request, game::ThisMachine(), sink);
    FileLines lines(out);
    for (std::size_t i = 0; i < songs.size(); ++i) {
        const TrackOutcome& outcome = report.tracks[i];
        lines.Print(songs[i], game::OutcomeText(request.tracks[i], outcome));
        if (outcome.status == TrackOutcome::Status::Packed && outcome.suitability.WarningWanted()) {
            for (const SuitabilityIssue& issue : outcome.suitability.issues)
                Say(summary, songs[i] + ": " + IssueLine(issue));
        }
    }
    if (!report.baseTable.empty()) Say(summary, "Music table based on " + report.baseTable);
    Say(summary, game::SummaryText(report, request.outputPath, "\n"));
    if (Interrupted()) return InterruptedExitStatus();
    return game::AllPacked(report) ? 0 : 1;
}

int RunHakList(const std::string& hak, const std::string& tablePath, const std::string& gameDir,
               bool asJson, std::FILE* out) {
    const game::HakListing listing = game::ListHak(hak, tablePath, gameDir, game::ThisMachine());
    if (!listing.error.empty()) {
        Say(stderr, "tunewrap-cli: " + hak + ": " + listing.error);
        return 1;
    }
    if (asJson) {
        json entries = json::array(), rows = json::array();
        for (const auto& entry : listing.entries)
            entries.push_back({{"name", entry.name}, {"size", entry.size}});
        for (const auto& row : listing.addedRows)
            rows.push_back(
                {{"row", row.row}, {"resource", row.resource}, {"display_name", row.displayName}});
        json whole = {{"file", hak}, {"entries", entries}};
        whole["base_table"] = listing.baseTable.empty() ? json(nullptr) : json(listing.baseTable);
        whole["added_rows"] = listing.baseTable.empty() ? json(nullptr) : rows;
        Say(out, whole.dump(2));
    } else {
        for (const auto& entry : listing.entries)
            Say(out, entry.name + "\t" + std::to_string(entry.size));
        if (listing.hasTable && !listing.baseTable.empty()) {
            Say(out, "Rows added to " + listing.baseTable + " (" +
                         std::to_string(listing.baseRows) + " rows):");
            for (const auto& row : listing.addedRows)
                Say(out, std::to_string(row.row) + "\t" + row.resource + "\t" + row.displayName);
        }
    }
    if (listing.hasTable && listing.baseTable.empty())
        Say(stderr, "tunewrap-cli: no rows compared: " + listing.baseError);
    return 0;
}

int RunGame(const std::string& gameDir, std::FILE* out) {
    const game::GameFolders found = game::FindGameFolders(gameDir, game::ThisMachine());
    if (found.gameDir.empty()) {
        std::string places;
        for (const std::string& place : found.searched) places += "\n  " + place;
        Say(out, "game: not found; looked in:" + (places.empty() ? " (nowhere)" : places));
    } else {
        Say(out, "game: " + found.gameDir);
        Say(out, "game data: " + found.keyPath);
    }
    Say(out, "user folder: " + (found.userDir.empty() ? std::string("unknown") : found.userDir));
    Say(out, "haks go in: " + (found.hakDir.empty() ? std::string("unknown") : found.hakDir));
    return found.gameDir.empty() ? 1 : 0;
}

}  // namespace tunewrap::cli
