#pragma once
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ConversionHost.h"
#include "FileIo.h"
#include "ProgressSink.h"

namespace tunewrap {

// The files a run has written, and the sources it was given to read when it knows them all at
// the start. A later entry of the same run that would land on one of them fails instead,
// whatever "overwrite all" says: two sources of one destination name must not silently leave
// only the second, and no source may be replaced before (or after) it is read. Files are told
// apart by identity, so "a.bmu" written for a.mp3 is found again when a.MP3 asks for it, also
// through another spelling of the path or a symbolic link.
class CreatedFiles {
  public:
    void Add(const std::string& path);
    void AddSource(const std::string& path);
    // Why the existing file `destination` must not be written for `source`, or nullptr.
    // `replacing` is false when an existing destination is kept anyway.
    const char* Refusal(const platform::FileIdentity& destination,
                        const std::optional<platform::FileIdentity>& source,
                        bool replacing = true) const;

  private:
    std::set<platform::FileIdentity> identities_;
    std::set<platform::FileIdentity> sources_;
};

// The jobs behind "To .BMU ->" and "<- To .MP3": every selected entry of the source list, in
// list order, with the overwrite question, (to BMU) the suitability warning, the copy and the
// deselection; then the destination list is refilled and the window released. With "re-encode
// unsuitable" an MP3 the warning would be about is re-encoded into its BMU file unasked.
// A run of several batches (the command line's directories) shares one record of what it
// created; without one, the batch keeps its own.
std::vector<FileOutcome> ConvertToBMU(ConversionHost& host, ProgressSink& sink);
std::vector<FileOutcome> ConvertToMP3(ConversionHost& host, ProgressSink& sink);
std::vector<FileOutcome> ConvertToBMU(ConversionHost& host, ProgressSink& sink,
                                      CreatedFiles& created);
std::vector<FileOutcome> ConvertToMP3(ConversionHost& host, ProgressSink& sink,
                                      CreatedFiles& created);

}  // namespace tunewrap
