#pragma once
#include <string>
#include <string_view>

#include "ConvertFile.h"
#include "ProgressSink.h"

class FileByteSource;

namespace tunewrap {

// Why a file that holds no MPEG audio cannot be re-encoded.
inline constexpr const char* kNoAudioReason =
    TW_TRANSLATE_NOOP("Reencoding", "No MPEG audio could be decoded");

// Why nothing is re-encoded in a build without the decoder and encoder libraries.
inline constexpr const char* kReencodeUnavailableReason =
    TW_TRANSLATE_NOOP("Reencoding", "Re-encoding is not available in this build");

// False in a build without the decoder and encoder libraries: there ReencodeFile only fails.
bool ReencodeAvailable();

// Decodes an MPEG audio file (any version and layer, ID3 tags and any other bytes between or
// after the frames skipped; damaged frames decode as far as they can) and encodes it anew as
// the game plays it well: constant bit rate, 44.1 kHz, joint stereo at 128 kbit/s for music or
// mono at 96 kbit/s with renameWav (sound effects, voice-over); no tags, and the first frame an
// Info frame that names the encoder's delay and padding. The file is streamed in small chunks,
// so memory stays the same for any length. Progress is the share of the source's bytes decoded;
// Cancel is looked at after each chunk and each tenth of a second of audio, so as often at any
// bit rate. The destination appears only when complete: a cancelled or failed re-encode leaves
// nothing and an existing destination untouched. Several files may be re-encoded at once on
// separate threads.
// `head` goes in front of the encoded audio (a BMU file's header); with preserveFileDateTime the
// destination gets the source's modification time.
ConvertResult ReencodeFile(const std::string& sourcePath, const std::string& destinationPath,
                           bool renameWav, ProgressSink& sink, std::string_view head = {},
                           bool preserveFileDateTime = false);

// The same from a source the caller has opened, whose first bytes `bytes` has read (the batch
// looked at them to decide on re-encoding): the file is opened once, and is checked to be what
// it was when opened.
ConvertResult ReencodeOpenFile(platform::ReadOnlyFile& source, FileByteSource& bytes,
                               const std::string& sourceFileName,
                               const std::string& destinationPath, bool renameWav,
                               ProgressSink& sink, std::string_view head,
                               bool preserveFileDateTime);

}  // namespace tunewrap
