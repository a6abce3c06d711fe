#include "HakPlan.h"

#include "FileIo.h"
#include "MusicTable.h"
#include "PathJoin.h"
#include "ResRef.h"
#include "UiText.h"

namespace tunewrap {

constexpr const char* kNewHakName = "music.hak";

HakPlan::HakPlan(const std::vector<std::string>& sources, const std::string& hakDir,
                 game::Machine machine)
    : tracks_(game::NameTracks(sources)), machine_(std::move(machine)) {
    std::string dir = hakDir, name;
    if (dir.empty() && !sources.empty()) platform::SplitPath(sources.front(), dir, name);
    SetHakPath(platform::JoinPath(platform::WithoutTrailingSeparators(dir), kNewHakName));
}

std::string HakPlan::NameProblem(std::size_t i) const {
    const std::string& name = tracks_[i].resRef;
    if (!game::IsValidResRef(name)) return platform::Tr("HakPlan", "1 to 16 of a-z, 0-9 and _");
    for (std::size_t other = 0; other < tracks_.size(); ++other) {
        if (other != i && tracks_[other].resRef == name)
            return platform::Tr("HakPlan", "Also the name of another song");
    }
    return {};
}

std::string HakPlan::DisplayNameProblem(std::size_t i) const {
    const std::string& name = tracks_[i].displayName;
    if (name.empty()) return platform::Tr("HakPlan", "The toolset lists the song under this name");
    // The table's own rule, applied to what was typed: anything it would change is refused.
    if (game::DisplayNameFor(name, {}) != name)
        return platform::Filled(
            platform::Tr("HakPlan",
                         "No \" or control characters, no spaces at the ends, at most %1 bytes"),
            {std::to_string(game::kDisplayNameMax)});
    return {};
}

void HakPlan::SetHakPath(const std::string& path) {
    hakPath_ = path;
    addsToHak_ = platform::IdentityOf(path).has_value();
    LookAtStart();
}

void HakPlan::SetTablePath(const std::string& path) {
    tablePath_ = path;
    LookAtStart();
}

void HakPlan::LookAtStart() {
    const game::BaseTableFound found = game::FindBaseTable(Request(), machine_);
    startFound_ = found.ok;
    if (!found.ok) {
        startText_ = found.error;
        return;
    }
    // By whether the hak is there already (2) and the number of rows (1 for more than one).
    static constexpr const char* kStartTexts[] = {
        //: %1 is where the music table comes from: a file, a hak's table or the game's data
        TW_TRANSLATE_NOOP("HakPlan",
                          "A new hak. The music table starts from %1 (%2 row); new "
                          "songs get the rows after."),
        TW_TRANSLATE_NOOP("HakPlan",
                          "A new hak. The music table starts from %1 (%2 rows); new "
                          "songs get the rows after."),
        TW_TRANSLATE_NOOP("HakPlan",
                          "Adds to the %3 entries of this hak. The music table starts "
                          "from %1 (%2 row); new songs get the rows after."),
        TW_TRANSLATE_NOOP("HakPlan",
                          "Adds to the %3 entries of this hak. The music table starts "
                          "from %1 (%2 rows); new songs get the rows after.")};
    const int which = (addsToHak_ ? 2 : 0) + (found.rows == 1 ? 0 : 1);
    startText_ =
        platform::Filled(platform::Tr("HakPlan", kStartTexts[which]),
                         {found.from, std::to_string(found.rows), std::to_string(found.entries)});
}

bool HakPlan::CanMake() const {
    if (!startFound_ || tracks_.empty() || hakPath_.empty()) return false;
    for (std::size_t i = 0; i < tracks_.size(); ++i) {
        if (!NameProblem(i).empty() || !DisplayNameProblem(i).empty()) return false;
    }
    return true;
}

game::HakRequest HakPlan::Request() const {
    return {hakPath_, addsToHak_ ? hakPath_ : std::string(), tablePath_, {}, false, tracks_};
}

}  // namespace tunewrap
