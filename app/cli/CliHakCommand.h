#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "HakMaker.h"

namespace tunewrap::cli {

// Packs the songs (files, or the MP3 files of directories) into a hak with their music table
// rows, and prints one line per song as it is placed:
//   FILE: packed as NAME, row N | re-encoded as NAME, row N | failed: REASON | cancelled
// with the suitability lines of a song packed as it is on `summary` (unless null), and there the
// counts and where the base table came from. Returns 0 when the hak was written with every song,
// 1 otherwise, 128 + the signal's number after Ctrl+C, SIGTERM or SIGHUP.
int RunHak(game::HakRequest request, const std::vector<std::string_view>& files, bool progress,
           std::FILE* out, std::FILE* summary);

// Lists a hak's entries, and the music table rows it adds beyond the base table (the file given,
// else the game's), as text or JSON. 0 when the hak could be read, else 1.
int RunHakList(const std::string& hak, const std::string& tablePath, const std::string& gameDir,
               bool asJson, std::FILE* out);

// Prints where the game and its user folder are, and where a hak goes. 0 when the game was found.
int RunGame(const std::string& gameDir, std::FILE* out);

}  // namespace tunewrap::cli
