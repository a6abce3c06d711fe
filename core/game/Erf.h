#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "RandomAccess.h"

namespace platform {
class ReadOnlyFile;
class PartFile;
}  // namespace platform

// The game's ERF V1.0 archives: hak packs, ERF exports and modules share the layout.
namespace tunewrap::game {

enum class ErfKind { Hak, Erf, Mod };

// One resource in an archive: its name (lower case as stored), type, and where its bytes are.
struct ErfEntry {
    std::string resRef;
    std::uint16_t type = 0;
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

// What an archive holds apart from its resources' bytes. The localized strings (the archive's
// description in each language) are kept as their raw bytes, so a rewrite keeps them exactly.
struct ErfIndex {
    ErfKind kind = ErfKind::Hak;
    std::uint32_t localizedStringCount = 0;
    std::string localizedStrings;  // the raw entries
    std::uint32_t descriptionStrRef = 0;
    std::vector<ErfEntry> entries;  // in key order
};

struct ErfRead {
    bool ok = false;
    ErfIndex index;
    std::string error;  // why the archive is refused, when !ok
};

// Reads an archive's header, localized strings, keys and resource list (never the resources'
// bytes). Refused with the reason: a type other than
// HAK/ERF/MOD, a version other than V1.0, counts or offsets that point outside the file or
// overlap the header, an entry whose bytes lie outside the file, a name with characters other
// than letters, digits and _, two entries with the same name and type. Memory is bounded by the
// file's size, whatever its counts claim.
ErfRead ReadErfIndex(const RandomAccess& file);

// An archive's build date: years since 1900 and day of the year (0-based), as the header keeps
// them.
struct ErfBuildDate {
    std::uint32_t yearsSince1900 = 0;
    std::uint32_t dayOfYear = 0;
};
ErfBuildDate TodayForErf();

// Writes a new archive through a part file, so that nothing appears under its name before it is
// complete and a failed or cancelled write leaves an existing archive untouched. The number of
// entries is known first; their bytes are streamed one after the other, never held whole.
class ErfWriter {
  public:
    ErfWriter();
    ~ErfWriter();  // without Finish: nothing is left behind
    ErfWriter(const ErfWriter&) = delete;
    ErfWriter& operator=(const ErfWriter&) = delete;

    // `index` gives the kind, localized strings and description; its entries are ignored.
    bool Begin(const std::string& path, const ErfIndex& index, std::size_t entryCount,
               ErfBuildDate date, std::string& error);
    // One entry from bytes in memory (a table), or from `size` bytes of `from` starting at its
    // current position, after `head` (a BMU header). `keepGoing(bytesDone)` is asked between
    // chunks; false stops the write (error left empty: cancelled).
    bool Add(std::string_view resRef, std::uint16_t type, std::string_view bytes,
             std::string& error);
    bool Add(std::string_view resRef, std::uint16_t type, platform::ReadOnlyFile& from,
             std::int64_t size, std::string_view head,
             const std::function<bool(std::int64_t)>& keepGoing, std::string& error);
    // Writes the keys and the resource list and puts the archive in place. Every entry
    // announced to Begin must have been added. An entry may not pass 4 GiB in offset or size.
    bool Finish(std::string& error);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace tunewrap::game
