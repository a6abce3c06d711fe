#pragma once
#include <string>

class ByteSource;

namespace tunewrap {

// The song's title in the ID3v2 tag at the start of an MP3 (its TIT2 frame, TT2 in version 2.2),
// as UTF-8 and up to its first NUL; empty when there is no tag, no title, or the title cannot be
// read (compressed, encrypted, a whole tag unsynchronised the old way). Only the tag's header and
// the frame headers up to the title are read: a cover picture before it is stepped over by its
// size.
std::string Id3v2Title(ByteSource& source);

}  // namespace tunewrap
