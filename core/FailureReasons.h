#pragma once

namespace tunewrap {

// Why a copy or re-encode fails whose source was resized, written to or replaced while it was
// read. Every way of reading a source says it in the same words.
inline constexpr const char* kSourceChangedReason =
    "The source file changed while it was being converted";

}  // namespace tunewrap
