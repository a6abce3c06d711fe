#include "BatchConvert.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <set>
#include <vector>

#include "BmuFile.h"
#include "ConvertFile.h"
#include "FileByteSource.h"
#include "FileIo.h"
#include "MP3Utils.h"
#include "PathJoin.h"
#include "Reencode.h"
#include "ResRef.h"
#include "Suitability.h"
#include "UiText.h"

namespace tunewrap {

namespace {

struct Refill {
    const char* mask;
    bool append;
};

// What sets the two jobs apart; everything else they do alike.
struct Direction {
    ListId source;       // the list and the pane the files come from
    ListId destination;  // the pane they go to, whose list is refilled at the end
    std::string_view extension;
    std::string_view wavExtension;  // with "rename .wav" on; empty where the option plays no part
    bool sourceIsBmu;               // a source that is not (to MP3) or is (to BMU) is refused
    Conversion conversion;
    bool checksSuitability;
    std::vector<Refill> refills;
};

const Direction kToBMU{.source = ListId::MP3,
                       .destination = ListId::BMU,
                       .extension = kBmuExtension,
                       .wavExtension = kWavExtension,
                       .sourceIsBmu = false,
                       .conversion = Conversion::ToBmu,
                       .checksSuitability = true,
                       .refills = {{"*.bmu", false}, {"*.wav", true}}};
const Direction kToMP3{.source = ListId::BMU,
                       .destination = ListId::MP3,
                       .extension = kMp3Extension,
                       .wavExtension = {},
                       .sourceIsBmu = true,
                       .conversion = Conversion::ToMp3,
                       .checksSuitability = false,
                       .refills = {{"*.mp3", false}}};

bool Checked(ConversionHost& host, OptionId option) {
    return host.OptionState(option) == 1;
}

bool AnsweredYes(ConversionHost& host, QuestionKind kind, const TextLines& text,
                 const std::string& title, MsgIcon icon, MsgButton defaultButton) {
    return host.AskYesNo(kind, text, title, icon, defaultButton) == MsgButton::Yes;
}

class Batch {
  public:
    Batch(const Direction& direction, ConversionHost& host, ProgressSink& sink,
          CreatedFiles& created)
        : direction_(direction), host_(host), sink_(sink), created_(created) {}

    std::vector<FileOutcome> Run() {
        host_.BeginBusy();
        const int count = host_.EntryCount(direction_.source);
        const std::vector<std::int64_t> sizes = SelectedSizes(count);
        BatchPosition batch{.files = static_cast<int>(sizes.size())};
        for (const std::int64_t size : sizes) batch.batchBytes += size;
        for (int position = 1; position <= count; ++position) {
            if (sink_.CancelRequested()) break;
            // The list may have been refilled meanwhile; what is gone is not guessed at.
            if (position > host_.EntryCount(direction_.source)) break;
            if (!host_.EntrySelected(direction_.source, position)) continue;
            if (batch.file < batch.files) {
                batch.bytesBefore += batch.fileBytes;
                batch.fileBytes = sizes[static_cast<std::size_t>(batch.file++)];
                sink_.SetBatchPosition(batch);
            }
            outcomes_.push_back(ConvertEntry(host_.EntryName(direction_.source, position),
                                             host_.EntryPath(direction_.source, position)));
            host_.EntryDone(direction_.source, position, outcomes_.back());
            const bool goOn = outcomes_.back().kind != FileOutcome::Kind::Failed ||
                              GoOnAfterFailure(outcomes_.back(), position);
            host_.DeselectEntry(direction_.source, position);
            if (!goOn) break;
        }
        const std::string directory =
            host_.DirectoryText(direction_.destination) + platform::kPathSeparator;
        for (const Refill& refill : direction_.refills) {
            host_.RefillList(direction_.destination, directory, refill.mask, refill.append);
        }
        host_.EndBusy();
        sink_.ClearCancel();
        return std::move(outcomes_);
    }

  private:
    // The sizes of the selected sources, in list order; what cannot be read counts nothing.
    std::vector<std::int64_t> SelectedSizes(int count) {
        std::vector<std::int64_t> sizes;
        for (int position = 1; position <= count; ++position) {
            if (!host_.EntrySelected(direction_.source, position)) continue;
            std::int64_t size = 0;
            platform::FileTime modified{};
            platform::SizeAndModified(host_.EntryPath(direction_.source, position), size, modified);
            sizes.push_back(size > 0 ? size : 0);
        }
        return sizes;
    }

    // One selected entry, from the overwrite question to the copy. Both directory texts are taken
    // once, so every step of the file works on the same two paths.
    FileOutcome ConvertEntry(const std::string& sourceName, const std::string& sourcePath) {
        const bool renameWav =
            !direction_.wavExtension.empty() && Checked(host_, OptionId::WAVExtension);
        const std::string_view extension =
            renameWav ? direction_.wavExtension : direction_.extension;
        // Game names are made distinct within the batch.
        const bool gameName = direction_.checksSuitability && Checked(host_, OptionId::GameNames);
        const std::string destinationName =
            gameName ? game::MakeResRef(sourceName, gameNames_) + std::string(extension)
                     : DestinationName(sourceName, extension);
        FileOutcome outcome;
        outcome.sourceName = sourceName;
        outcome.destinationPath =
            platform::JoinPath(host_.DirectoryText(direction_.destination), destinationName);
        auto fail = [&outcome](std::string reason) {
            outcome.kind = FileOutcome::Kind::Failed;
            outcome.reason = std::move(reason);
            return outcome;
        };

        // An empty name would read as the folder it stands in.
        if (sourceName.empty()) return fail(platform::Tr("BatchConvert", "The file name is empty"));

        // The source is opened once: its first read tells what it holds, feeds the header scan
        // and starts the copy. The destination is looked up once, for every question about it.
        platform::ReadOnlyFile source(sourcePath);
        const platform::NameLookup destination = platform::LookUpName(outcome.destinationPath);
        if (destination.identity) {
            const auto sourceIdentity = source.error() == 0 ? std::optional(source.identity())
                                                            : platform::IdentityOf(sourcePath);
            if (const char* refusal = created_.Refusal(*destination.identity, sourceIdentity)) {
                return fail(platform::Tr("BatchConvert", refusal));
            }
        }
        FileByteSource bytes(source);
        if (!bytes.Error().empty()) return fail(bytes.Error());
        if ((ClassifyContainer(bytes.Head()) == Container::Bmu) != direction_.sourceIsBmu) {
            return fail(direction_.sourceIsBmu
                            ? platform::Tr("BatchConvert", "not a BMU file")
                            : platform::Tr("BatchConvert", "already a BMU file"));
        }
        if (!Checked(host_, OptionId::OverwriteAll) && destination.taken &&
            !AnsweredYes(
                host_, QuestionKind::FileExists,
                {platform::Filled(
                    platform::Tr("BatchConvert", "%1 already exists. Do you want to overwrite it?"),
                    {destinationName})},
                platform::Tr("BatchConvert", "File Exists"), MsgIcon::Question, MsgButton::No)) {
            outcome.kind = FileOutcome::Kind::SkippedExists;
            return outcome;
        }
        if (direction_.checksSuitability) {
            MP3Utils reader;
            reader.Scan(bytes);
            if (!bytes.ReturnBehindHead()) return fail(std::strerror(errno));
            // The name the game will look the file up by is the one checked.
            const SuitabilityReport report =
                CheckSuitability(gameName ? destinationName : sourceName, reader, renameWav);
            outcome.reencoded =
                report.WarningWanted() && Checked(host_, OptionId::ReencodeUnsuitable);
            if (report.WarningWanted() && !outcome.reencoded &&
                !AnsweredYes(host_, QuestionKind::Unsuitable, WarningLines(sourceName, report),
                             platform::Tr("BatchConvert", "Warning"), MsgIcon::Exclamation,
                             MsgButton::Yes)) {
                outcome.kind = FileOutcome::Kind::SkippedUnsuitable;
                return outcome;
            }
        }
        if (!stopwatch_) stopwatch_.emplace();
        const bool preserveTime = Checked(host_, OptionId::PreserveFileDateTime);
        const ConvertResult result =
            outcome.reencoded
                ? ReencodeOpenFile(source, bytes, sourceName, outcome.destinationPath, renameWav,
                                   sink_, {kBmuHeader, kBmuHeaderSize}, preserveTime)
                : ConvertOpenFile(direction_.conversion, source, bytes.Head(),
                                  outcome.destinationPath, sourceName, preserveTime, sink_,
                                  *stopwatch_);
        switch (result.status) {
            case ConvertResult::Status::Converted:
                created_.Add(outcome.destinationPath);
                break;
            case ConvertResult::Status::Cancelled:
                outcome.kind = FileOutcome::Kind::Cancelled;
                break;
            case ConvertResult::Status::Failed:
                return fail(result.reason);
        }
        return outcome;
    }

    bool AnySelectedAfter(int position) {
        const int count = host_.EntryCount(direction_.source);
        for (int later = position + 1; later <= count; ++later) {
            if (host_.EntrySelected(direction_.source, later)) return true;
        }
        return host_.LaterBatchesFollow();
    }

    // After the last file there is nothing left to go on with: the failure is only told.
    bool GoOnAfterFailure(const FileOutcome& failed, int position) {
        TextLines text{platform::Filled(platform::Tr("BatchConvert", "%1 could not be converted:"),
                                        {failed.sourceName}),
                       failed.reason};
        const std::string title = platform::Tr("BatchConvert", "Conversion Failed");
        if (!AnySelectedAfter(position)) {
            host_.Tell(QuestionKind::ConversionFailed, text, title, MsgIcon::Exclamation);
            return true;
        }
        text.insert(text.end(),
                    {"", platform::Tr("BatchConvert",
                                      "Do you want to continue with the remaining files?")});
        return AnsweredYes(host_, QuestionKind::ConversionFailed, text, title, MsgIcon::Exclamation,
                           MsgButton::Yes);
    }

    const Direction& direction_;
    ConversionHost& host_;
    ProgressSink& sink_;
    CreatedFiles& created_;
    std::set<std::string> gameNames_;       // made in this batch
    std::optional<SystemTimer> stopwatch_;  // made when the first copy needs it
    std::vector<FileOutcome> outcomes_;
};

}  // namespace

void CreatedFiles::Add(const std::string& path) {
    if (const auto identity = platform::IdentityOf(path)) identities_.insert(*identity);
}

void CreatedFiles::AddSource(const std::string& path) {
    if (const auto identity = platform::IdentityOf(path)) sources_.insert(*identity);
}

const char* CreatedFiles::Refusal(const platform::FileIdentity& destination,
                                  const std::optional<platform::FileIdentity>& source,
                                  bool replacing) const {
    // Writing a file over itself would replace the source with its converted bytes.
    if (destination == source) {
        return TW_TRANSLATE_NOOP("BatchConvert", "Source and destination are the same file");
    }
    // Like cp, which will not overwrite a file it has just created itself.
    if (identities_.count(destination) != 0) {
        return TW_TRANSLATE_NOOP("BatchConvert", "would overwrite a file this run just created");
    }
    if (replacing && sources_.count(destination) != 0)
        return TW_TRANSLATE_NOOP("BatchConvert", "would overwrite a source of this run");
    return nullptr;
}

std::vector<FileOutcome> ConvertToBMU(ConversionHost& host, ProgressSink& sink,
                                      CreatedFiles& created) {
    return Batch(kToBMU, host, sink, created).Run();
}

std::vector<FileOutcome> ConvertToMP3(ConversionHost& host, ProgressSink& sink,
                                      CreatedFiles& created) {
    return Batch(kToMP3, host, sink, created).Run();
}

std::vector<FileOutcome> ConvertToBMU(ConversionHost& host, ProgressSink& sink) {
    CreatedFiles created;
    return ConvertToBMU(host, sink, created);
}

std::vector<FileOutcome> ConvertToMP3(ConversionHost& host, ProgressSink& sink) {
    CreatedFiles created;
    return ConvertToMP3(host, sink, created);
}

}  // namespace tunewrap
