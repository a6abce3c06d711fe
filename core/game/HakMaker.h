#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "GameFolders.h"
#include "ProgressSink.h"
#include "Suitability.h"

// Making a hak from songs, in one step: each song wrapped as a BMU resource under a game-ready
// name, a row for it in the music table, and the table and the songs in one archive. The window
// and the command line both reach the game's formats only through here.
namespace tunewrap::game {

struct HakTrack {
    std::string sourcePath;
    std::string resRef;       // the name the game knows the track by
    std::string displayName;  // the name the toolset lists it under
};

// Each file's game-ready name (distinct from the others and from `taken`) and its display name
// (the ID3v2 title, else the file name).
std::vector<HakTrack> NameTracks(const std::vector<std::string>& sourcePaths,
                                 std::set<std::string> taken = {});

struct HakRequest {
    std::string outputPath;  // the hak written
    std::string addTo;       // a hak whose other entries are kept; may be outputPath itself
    std::string tablePath;   // the base music table; else addTo's, else the game's
    std::string gameDir;     // where the game is; empty: where it is usually installed
    bool reencode = false;   // unsuitable songs are re-encoded rather than packed as they are
    std::vector<HakTrack> tracks;
};

struct TrackOutcome {
    enum class Status { Packed, Reencoded, Failed, Cancelled };
    Status status = Status::Packed;
    std::size_t row = 0;  // its row in the music table, when packed
    std::string reason;   // why it failed
    SuitabilityReport suitability;
};

struct HakReport {
    bool written = false;
    std::string error;                 // why no hak was written, when none was
    std::string baseTable;             // where the base table came from, in words
    std::vector<TrackOutcome> tracks;  // one per request track
    bool cancelled = false;
};

// A song's outcome as both faces word it: "packed as NAME, row N", "re-encoded as NAME, row N",
// "failed: REASON" or "cancelled".
std::string OutcomeText(const HakTrack& track, const TrackOutcome& outcome);
// "2 packed, 1 failed", then (after `separator`) where the hak went or why there is none.
std::string SummaryText(const HakReport& report, const std::string& hakPath,
                        const std::string& separator);
// Whether the hak was written with every song.
bool AllPacked(const HakReport& report);

// Where a hak made from `request` starts: the entries of the hak it adds to, and the base music
// table (where it comes from in words, and its rows), or why there is none.
struct BaseTableFound {
    bool ok = false;
    std::string from;
    std::size_t rows = 0;
    std::size_t entries = 0;  // of the hak added to
    std::string error;
};
BaseTableFound FindBaseTable(const HakRequest& request, const Machine& machine);

// Makes the hak. Nothing appears under outputPath before it is complete; a failure or a cancel
// leaves an existing file there as it was. A song that cannot be read or holds no MPEG audio is
// left out and reported; the others are packed. Without a base table nothing is written: a hak's
// music table replaces the game's whole table, and one of new rows only would hide every stock
// track.
HakReport MakeHak(const HakRequest& request, const Machine& machine, ProgressSink& sink);

// What a hak holds, and the music table rows it adds to a base table.
struct HakListing {
    struct Entry {
        std::string name;  // the resource name and its extension ("mus_rain.bmu")
        std::uint32_t size = 0;
    };
    struct Row {
        std::size_t row = 0;
        std::string resource;
        std::string displayName;
    };
    std::string error;  // why the hak could not be read; empty when it was
    std::vector<Entry> entries;
    bool hasTable = false;  // the hak holds a music table
    std::string baseTable;  // where the base came from; empty when none was found
    std::string baseError;  // why not, then
    std::size_t baseRows = 0;
    std::vector<Row> addedRows;  // the hak's rows past the base's last
};

// Reads the hak's index and its music table; the base is `tablePath`, else the game's (gameDir,
// else where it is usually installed).
HakListing ListHak(const std::string& hakPath, const std::string& tablePath,
                   const std::string& gameDir, const Machine& machine);

}  // namespace tunewrap::game
