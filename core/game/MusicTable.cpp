#include "MusicTable.h"

#include <array>

#include "AsciiCase.h"
#include "UiText.h"
#include "mdlString.h"

namespace tunewrap::game {
namespace {

constexpr std::string_view kFallbackName = "track";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Control characters are C0, DEL and C1 (in UTF-8 a 0xC2 lead before 0x80..0x9F); a '"' would
// end the quoted field it is written in.
std::string Cleaned(std::string_view text) {
    std::string cleaned;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(i + 1 < text.size() ? text[i + 1] : 0);
        const bool c1 = byte == 0xC2 && next >= 0x80 && next <= 0x9F;
        if (c1) ++i;
        if (!c1 && byte >= 0x20 && byte != 0x7F && byte != '"') cleaned += text[i];
    }
    std::string_view kept = Trimmed(cleaned);
    if (kept.size() > kDisplayNameMax) {
        std::size_t end = kDisplayNameMax;
        while (end > 0 && !mdlString::StartsCharacter(kept[end])) --end;
        kept = Trimmed(kept.substr(0, end));
    }
    return std::string(kept);
}

}  // namespace

std::string MusicTableProblem(const TwoDaTable& table) {
    for (const std::string_view column : kMusicColumns)
        if (table.Column(column) < 0)
            return platform::Filled(platform::Tr("MusicTable", "%1 column missing"), {column});
    return {};
}

// A track named twice in one call is added once: only the first is reported added, so the
// number of rows added is the number of tracks reported added.
std::vector<MusicRow> RegisterMusic(TwoDaTable& table, const std::vector<MusicTrack>& tracks) {
    std::array<std::size_t, kMusicColumns.size()> at{};
    for (std::size_t i = 0; i < at.size(); ++i)
        at[i] = static_cast<std::size_t>(table.Column(kMusicColumns[i]));
    std::vector<MusicRow> rows;
    for (const MusicTrack& track : tracks) {
        const auto found = std::ranges::find_if(table.rows, [&](const auto& row) {
            return EqualIgnoringCase(row[at[kResource]], track.resRef);
        });
        if (found != table.rows.end()) {
            rows.push_back({static_cast<std::size_t>(found - table.rows.begin()), false});
            continue;
        }
        std::vector<std::string>& row =
            table.rows.emplace_back(table.columns.size(), std::string(kNoValue));
        row[at[kResource]] = track.resRef;
        row[at[kDisplayName]] = track.displayName;
        rows.push_back({table.rows.size() - 1, true});
    }
    return rows;
}

std::string DisplayNameFor(std::string_view title, std::string_view fileName) {
    std::string name = Cleaned(title);
    if (name.empty()) name = Cleaned(fileName.substr(0, fileName.rfind('.')));
    return name.empty() ? std::string(kFallbackName) : name;
}

}  // namespace tunewrap::game
