#pragma once
#include <set>
#include <string>
#include <vector>

#include "ConversionHost.h"
#include "FileIo.h"
#include "ProgressSink.h"

namespace tunewrap {

// The files a run has written. A later entry of the same run that would land on one of them
// fails instead, whatever "overwrite all" says: two sources of one destination name must not
// silently leave only the second. Files are told apart by identity, so "a.bmu" written for
// a.mp3 is found again when a.MP3 asks for it, also through another spelling of the path.
class CreatedFiles {
  public:
    void Add(const std::string& path);
    bool Holds(const platform::FileIdentity& identity) const;

  private:
    std::set<platform::FileIdentity> identities_;
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
