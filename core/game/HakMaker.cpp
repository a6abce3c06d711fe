#include "HakMaker.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

#include "BmuFile.h"
#include "Erf.h"
#include "FileIo.h"
#include "KeyBif.h"
#include "MP3Utils.h"
#include "MusicTable.h"
#include "PathJoin.h"
#include "Reencode.h"
#include "ResRef.h"
#include "TwoDa.h"
#include "UiText.h"

namespace tunewrap::game {
namespace {

// A music table is a few kilobytes; anything this large is not one, and is not read whole.
constexpr std::uint64_t kLargestTable = 16 << 20;
constexpr const char* kTableFileName = "ambientmusic.2da";

// The music table kept in a hak, as messages name it.
std::string TableInHak(const std::string& hakPath) {
    //: %1 is the music table's file name, %2 the hak's path
    return platform::Filled(platform::Tr("HakMaker", "%1 in %2"), {kTableFileName, hakPath});
}

std::string FileName(const std::string& path) {
    std::string dir, name;
    platform::SplitPath(path, dir, name);
    return name;
}

bool ReadWhole(const std::string& path, std::string& bytes, std::string& error) {
    const std::optional<RandomAccess> file = OpenRandomAccess(path, error);
    if (!file) return false;
    if (file->size > kLargestTable) {
        error = platform::Tr("HakMaker", "too large for a music table");
        return false;
    }
    bytes.resize(file->size);
    if (!file->readAt(0, bytes.size(), bytes.data())) {
        error = std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

// A table as the base, or why it cannot be one.
bool TakeTable(std::string_view text, const std::string& where, TwoDaTable& table,
               std::string& error) {
    TwoDaRead read = ReadTwoDa(text);
    if (!read.ok) {
        //: %1 is where the table was read from, %2 the line, %3 what is wrong with it
        error = read.line > 0 ? platform::Filled(platform::Tr("HakMaker", "%1, line %2: %3"),
                                                 {where, std::to_string(read.line), read.error})
                              : where + ": " + read.error;
        return false;
    }
    if (const std::string problem = MusicTableProblem(read.table); !problem.empty()) {
        error = where + ": " + problem;
        return false;
    }
    table = std::move(read.table);
    return true;
}

const ErfEntry* FindEntry(const ErfIndex& index, std::string_view resRef, std::uint16_t type) {
    for (const ErfEntry& entry : index.entries) {
        if (entry.type == type && entry.resRef == resRef) return &entry;
    }
    return nullptr;
}

// A table kept in a hak, read whole.
bool ReadHakTable(const RandomAccess& hak, const ErfEntry& entry, const std::string& from,
                  TwoDaTable& table, std::string& error) {
    if (entry.size > kLargestTable) {
        error = from + ": " + platform::Tr("HakMaker", "too large for a music table");
        return false;
    }
    std::string bytes(entry.size, '\0');
    if (!hak.readAt(entry.offset, bytes.size(), bytes.data())) {
        error = from + ": " + std::strerror(EIO);
        return false;
    }
    return TakeTable(bytes, from, table, error);
}

// Where a base table comes from: a file, else a hak's own, else the game's data.
struct BaseSource {
    std::string tablePath;
    const RandomAccess* hak = nullptr;
    const ErfEntry* hakTable = nullptr;
    std::string hakPath;
    std::string gameDir;
};

bool FindBaseTable(const BaseSource& source, const Machine& machine, TwoDaTable& table,
                   std::string& from, std::string& error) {
    if (!source.tablePath.empty()) {
        from = source.tablePath;
        std::string bytes;
        if (ReadWhole(source.tablePath, bytes, error)) return TakeTable(bytes, from, table, error);
        error = from + ": " + error;
        return false;
    }
    if (source.hakTable != nullptr) {
        from = TableInHak(source.hakPath);
        return ReadHakTable(*source.hak, *source.hakTable, from, table, error);
    }
    const GameFolders game = FindGameFolders(source.gameDir, machine);
    if (game.gameDir.empty()) {
        std::string text = platform::Tr(
            "HakMaker",
            "No music table to start from. A hak's %1 replaces the game's whole table, so the new "
            "rows need the game's own rows before them, and the game was not found where it is "
            "usually installed. Name the game's folder or a table to start from.");
        if (!source.gameDir.empty()) {
            //: %1 is the music table's file name, %2 the folder the game was looked for in
            text = platform::Tr(
                "HakMaker",
                "No music table to start from. A hak's %1 replaces the game's whole table, so the "
                "new rows need the game's own rows before them, and the game was not found in %2. "
                "Name the game's folder or a table to start from.");
        }
        error = platform::Filled(text, {kTableFileName, source.gameDir});
        return false;
    }
    from = platform::Filled(platform::Tr("HakMaker", "the game's data in %1"), {game.gameDir});
    const GameResource stock =
        ReadKeyResource(game.gameDir, game.keyPath, kMusicTableResRef, kResourceType2da);
    if (!stock.error.empty() || !stock.found) {
        error = stock.error.empty() ? platform::Filled(platform::Tr("HakMaker", "%1 holds no %2"),
                                                       {from, kTableFileName})
                                    : stock.error;
        return false;
    }
    return TakeTable(stock.bytes, from, table, error);
}

const char* ExtensionOf(std::uint16_t type) {
    for (const ResourceTypeName& known : kResourceTypeNames) {
        if (known.type == type) return known.extension;
    }
    return nullptr;
}

// A re-encoded song waits in a file of its own until it is packed, and is removed after.
class TemporaryFile {
  public:
    TemporaryFile() {
        std::error_code failed;
        const std::filesystem::path dir = std::filesystem::temp_directory_path(failed);
        static std::atomic<unsigned> counter{0};
        std::random_device random;
        path_ = (failed ? std::filesystem::path(".") : dir) /
                ("tunewrap-" + std::to_string(random()) + "-" + std::to_string(++counter) +
                 kBmuExtension.data());
    }
    ~TemporaryFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

// One song as it goes into the hak: the file its bytes come from, and the header they need.
struct Packed {
    std::string path;
    bool needsHeader = true;
    std::unique_ptr<TemporaryFile> reencoded;
};

// Reads a song's frame headers and decides how it goes in; false (the outcome says why) when it
// cannot.
bool Prepare(const HakTrack& track, bool reencode, ProgressSink& sink, TrackOutcome& outcome,
             Packed& packed) {
    MP3Utils reader;
    const ContainerProbe probe = ScanAudio(track.sourcePath, reader);
    auto fail = [&](std::string reason) {
        outcome.status = TrackOutcome::Status::Failed;
        outcome.reason = std::move(reason);
        return false;
    };
    if (!probe.read()) return fail(probe.error);
    if (probe.kind == Container::RiffWave)
        return fail(platform::Tr("HakMaker", "Wave audio, not MPEG audio"));
    if (!reader.Audio().found) return fail(platform::Tr("Reencoding", kNoAudioReason));
    // The game looks the song up by its resource name, so that is the name the check sees.
    outcome.suitability = CheckSuitability(track.resRef + kMp3Extension.data(), reader, false);
    packed.path = track.sourcePath;
    packed.needsHeader = probe.kind != Container::Bmu;
    if (!reencode || !outcome.suitability.WarningWanted()) return true;
    packed.reencoded = std::make_unique<TemporaryFile>();
    sink.SetFileName(FileName(track.sourcePath));
    const ConvertResult result = ReencodeFile(track.sourcePath, packed.reencoded->path(), false,
                                              sink, std::string_view(kBmuHeader, kBmuHeaderSize));
    if (result.status == ConvertResult::Status::Cancelled) {
        outcome.status = TrackOutcome::Status::Cancelled;
        return false;
    }
    if (!result.ok()) return fail(result.reason);
    outcome.status = TrackOutcome::Status::Reencoded;
    packed.path = packed.reencoded->path();
    packed.needsHeader = false;
    return true;
}

// Copies one file's bytes into the archive with progress and Cancel; false with `error` (empty
// when cancelled).
bool PackFile(ErfWriter& writer, std::string_view resRef, std::uint16_t type,
              const std::string& path, std::int64_t offset, std::int64_t size,
              std::string_view head, ProgressSink& sink, std::string& error) {
    platform::ReadOnlyFile file(path);
    if (file.error() != 0 || !file.isRegular()) {
        error = path + ": " + std::strerror(file.error() != 0 ? file.error() : EISDIR);
        return false;
    }
    if (size < 0) size = file.size();
    if (offset > 0 && !file.Seek(offset)) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    sink.SetFileName(FileName(path));
    sink.SetTotal(size);
    const bool added = writer.Add(
        resRef, type, file, size, head,
        [&sink](std::int64_t done) {
            sink.SetDone(done);
            sink.Yield();
            return !sink.CancelRequested();
        },
        error);
    // Every other failure is the archive's (its disk, its folder); this one the song's.
    if (!added && error == kSourceChangedReason) error = path + ": " + ShownReason(error);
    return added;
}

// What a hak starts from: the entries of the hak added to, and the base music table.
struct Start {
    std::optional<RandomAccess> hak;
    ErfIndex index;
    TwoDaTable table;
    std::string from;

    bool Read(const HakRequest& request, const Machine& machine, std::string& error) {
        if (!request.addTo.empty()) {
            hak = OpenRandomAccess(request.addTo, error);
            ErfRead read = hak ? ReadErfIndex(*hak) : ErfRead{};
            if (!hak || !read.ok) {
                error = request.addTo + ": " + (hak ? read.error : error);
                return false;
            }
            index = std::move(read.index);
        }
        const BaseSource base{request.tablePath, hak ? &*hak : nullptr,
                              FindEntry(index, kMusicTableResRef, kResourceType2da), request.addTo,
                              request.gameDir};
        return FindBaseTable(base, machine, table, from, error);
    }
};

}  // namespace

std::string OutcomeText(const HakTrack& track, const TrackOutcome& outcome) {
    const std::string row = std::to_string(outcome.row);
    switch (outcome.status) {
        case TrackOutcome::Status::Packed:
            return platform::Filled(platform::Tr("HakMaker", "packed as %1, row %2"),
                                    {track.resRef, row});
        case TrackOutcome::Status::Reencoded:
            return platform::Filled(platform::Tr("HakMaker", "re-encoded as %1, row %2"),
                                    {track.resRef, row});
        case TrackOutcome::Status::Failed:
            return platform::Filled(platform::Tr("HakMaker", "failed: %1"), {outcome.reason});
        case TrackOutcome::Status::Cancelled:
            return platform::Tr("HakMaker", "cancelled");
    }
    return {};
}

std::string SummaryText(const HakReport& report, const std::string& hakPath,
                        const std::string& separator) {
    int packed = 0, failed = 0;
    for (const TrackOutcome& track : report.tracks) {
        packed += report.written && track.status != TrackOutcome::Status::Failed ? 1 : 0;
        failed += track.status == TrackOutcome::Status::Failed ? 1 : 0;
    }
    const std::string counts = platform::Filled(
        report.cancelled ? platform::Tr("HakMaker", "%1 packed, %2 failed, cancelled")
                         : platform::Tr("HakMaker", "%1 packed, %2 failed"),
        {std::to_string(packed), std::to_string(failed)});
    return counts + separator +
           (report.written
                ? platform::Filled(platform::Tr("HakMaker", "Hak written to %1"), {hakPath})
            : report.cancelled
                ? platform::Tr("HakMaker", "No hak written: cancelled")
                : platform::Filled(platform::Tr("HakMaker", "No hak written: %1"), {report.error}));
}

bool AllPacked(const HakReport& report) {
    for (const TrackOutcome& track : report.tracks) {
        if (track.status == TrackOutcome::Status::Failed) return false;
    }
    return report.written;
}

BaseTableFound FindBaseTable(const HakRequest& request, const Machine& machine) {
    Start start;
    BaseTableFound found;
    found.ok = start.Read(request, machine, found.error);
    found.from = start.from;
    found.rows = start.table.rows.size();
    found.entries = start.index.entries.size();
    return found;
}

std::vector<HakTrack> NameTracks(const std::vector<std::string>& sourcePaths,
                                 std::set<std::string> taken) {
    std::vector<HakTrack> tracks;
    for (const std::string& path : sourcePaths) {
        MP3Utils reader;
        std::string title;
        ScanAudio(path, reader, &title);
        const std::string name = FileName(path);
        tracks.push_back({path, MakeResRef(name, taken), DisplayNameFor(title, name)});
    }
    return tracks;
}

HakReport MakeHak(const HakRequest& request, const Machine& machine, ProgressSink& sink) {
    HakReport report;
    report.tracks.resize(request.tracks.size());
    auto refuse = [&report](std::string error) {
        report.error = std::move(error);
        for (TrackOutcome& track : report.tracks) {
            if (track.status != TrackOutcome::Status::Failed) {
                track.status = TrackOutcome::Status::Failed;
                track.reason = report.error;
            }
        }
        return report;
    };

    Start start;
    std::string error;
    if (!start.Read(request, machine, error)) return refuse(error);
    report.baseTable = start.from;
    // Its index and table are read; held open, the hak could not be replaced on Windows when it
    // is also the hak written.
    start.hak.reset();
    const ErfIndex& index = start.index;
    TwoDaTable& table = start.table;

    // Open while the songs are read, re-encoded and packed; closed however that ends.
    sink.ShowDialog();
    const struct Shown {
        ProgressSink& sink;
        ~Shown() { sink.CloseDialog(); }
    } shown{sink};
    std::vector<Packed> packed(request.tracks.size());
    std::vector<MusicTrack> music;
    std::vector<std::size_t> musicOf;  // which request track each music track is
    for (std::size_t i = 0; i < request.tracks.size(); ++i) {
        if (!Prepare(request.tracks[i], request.reencode, sink, report.tracks[i], packed[i])) {
            if (report.tracks[i].status != TrackOutcome::Status::Cancelled) continue;
            report.cancelled = true;
            for (TrackOutcome& track : report.tracks)
                track.status = TrackOutcome::Status::Cancelled;
            return report;
        }
        music.push_back({request.tracks[i].resRef, request.tracks[i].displayName});
        musicOf.push_back(i);
    }
    if (music.empty()) {
        report.error = platform::Tr("HakMaker", "None of the songs could be packed");
        return report;
    }
    const std::vector<MusicRow> rows = RegisterMusic(table, music);
    for (std::size_t m = 0; m < music.size(); ++m) report.tracks[musicOf[m]].row = rows[m].row;

    // The added hak's entries stay, but for the table and the songs packed anew.
    std::vector<const ErfEntry*> kept;
    for (const ErfEntry& entry : index.entries) {
        bool replaced = entry.type == kResourceType2da && entry.resRef == kMusicTableResRef;
        for (const MusicTrack& track : music)
            replaced = replaced || (entry.type == kResourceTypeBmu && entry.resRef == track.resRef);
        if (!replaced) kept.push_back(&entry);
    }
    ErfWriter writer;
    const bool written = [&] {
        if (!writer.Begin(request.outputPath, index, kept.size() + music.size() + 1, TodayForErf(),
                          error))
            return false;
        for (const ErfEntry* entry : kept) {
            if (!PackFile(writer, entry->resRef, entry->type, request.addTo, entry->offset,
                          entry->size, {}, sink, error))
                return false;
        }
        for (std::size_t m = 0; m < music.size(); ++m) {
            const Packed& song = packed[musicOf[m]];
            const std::string_view head = song.needsHeader
                                              ? std::string_view(kBmuHeader, kBmuHeaderSize)
                                              : std::string_view();
            if (!PackFile(writer, music[m].resRef, kResourceTypeBmu, song.path, 0, -1, head, sink,
                          error))
                return false;
        }
        return writer.Add(kMusicTableResRef, kResourceType2da, WriteTwoDa(table), error) &&
               writer.Finish(error);
    }();
    if (!written) {
        if (error.empty()) {
            report.cancelled = true;
            for (TrackOutcome& track : report.tracks)
                track.status = TrackOutcome::Status::Cancelled;
            return report;
        }
        return refuse(request.outputPath + ": " + error);
    }
    report.written = true;
    return report;
}

HakListing ListHak(const std::string& hakPath, const std::string& tablePath,
                   const std::string& gameDir, const Machine& machine) {
    HakListing listing;
    const std::optional<RandomAccess> hak = OpenRandomAccess(hakPath, listing.error);
    if (!hak) return listing;
    const ErfRead read = ReadErfIndex(*hak);
    if (!read.ok) {
        listing.error = read.error;
        return listing;
    }
    for (const ErfEntry& entry : read.index.entries) {
        const char* extension = ExtensionOf(entry.type);
        listing.entries.push_back(
            {entry.resRef + "." + (extension ? extension : std::to_string(entry.type)),
             entry.size});
    }
    const ErfEntry* own = FindEntry(read.index, kMusicTableResRef, kResourceType2da);
    TwoDaTable table, base;
    listing.hasTable = own != nullptr;
    if (!listing.hasTable) return listing;
    if (!ReadHakTable(*hak, *own, TableInHak(hakPath), table, listing.error)) return listing;
    if (!FindBaseTable({tablePath, nullptr, nullptr, {}, gameDir}, machine, base, listing.baseTable,
                       listing.baseError)) {
        listing.baseTable.clear();
        return listing;
    }
    listing.baseRows = base.rows.size();
    const int resource = table.Column(kMusicColumns[kResource]);
    const int name = table.Column(kMusicColumns[kDisplayName]);
    for (std::size_t row = base.rows.size(); row < table.rows.size(); ++row)
        listing.addedRows.push_back({row, table.rows[row][resource], table.rows[row][name]});
    return listing;
}

}  // namespace tunewrap::game
