#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "TwoDa.h"

// The game's music table, ambientmusic.2da: which BMU resources the toolset offers areas as
// music, under which names.
namespace tunewrap::game {

inline constexpr std::string_view kMusicTableResRef = "ambientmusic";
// The columns a music table needs, in the order the game's own table has them.
enum MusicColumn { kDescription, kResource, kStinger1, kStinger2, kStinger3, kDisplayName };
inline constexpr std::array<std::string_view, 6> kMusicColumns{
    "Description", "Resource", "Stinger1", "Stinger2", "Stinger3", "DisplayName"};

// A display name longer than this is cut (at a character boundary).
inline constexpr std::size_t kDisplayNameMax = 256;

struct MusicTrack {
    std::string resRef;       // the BMU resource
    std::string displayName;  // as DisplayNameFor made it
};

// Where a track is in the table: its row, and whether this call added it.
struct MusicRow {
    std::size_t row = 0;
    bool added = false;
};

// Empty when `table` has the columns a music table needs (Description, Resource, Stinger1-3,
// DisplayName), else why it is not a music table.
std::string MusicTableProblem(const TwoDaTable& table);

// Gives each track a row: one already in the table (its Resource, ignoring case) keeps its row
// unchanged; a new one is appended with Description, stingers ****, Resource and DisplayName.
// Existing rows are never changed or moved, and no Resource gets two rows. `table` must be a
// music table (MusicTableProblem empty).
std::vector<MusicRow> RegisterMusic(TwoDaTable& table, const std::vector<MusicTrack>& tracks);

// The name the toolset shows: the ID3v2 title when there is one, else the file name without
// its extension; without '"' (a 2DA field cannot hold one), control characters or surrounding
// spaces, at most kDisplayNameMax bytes, cut at a character boundary. "track" when nothing is
// left.
std::string DisplayNameFor(std::string_view title, std::string_view fileName);

}  // namespace tunewrap::game
