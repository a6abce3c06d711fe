#include "HakPlan.h"

#include "FileIo.h"
#include "MusicTable.h"
#include "PathJoin.h"
#include "ResRef.h"

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
    if (!game::IsValidResRef(name)) return "1 to 16 of a-z, 0-9 and _";
    for (std::size_t other = 0; other < tracks_.size(); ++other) {
        if (other != i && tracks_[other].resRef == name) return "Also the name of another song";
    }
    return {};
}

std::string HakPlan::DisplayNameProblem(std::size_t i) const {
    const std::string& name = tracks_[i].displayName;
    if (name.empty()) return "The toolset lists the song under this name";
    // The table's own rule, applied to what was typed: anything it would change is refused.
    if (game::DisplayNameFor(name, {}) != name)
        return "No \" or control characters, no spaces at the ends, at most " +
               std::to_string(game::kDisplayNameMax) + " bytes";
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
    startText_ =
        (addsToHak_ ? "Adds to the " + std::to_string(found.entries) + " entries of this hak. "
                    : std::string("A new hak. ")) +
        "The music table starts from " + found.from + " (" + std::to_string(found.rows) +
        (found.rows == 1 ? " row" : " rows") + "); new songs get the rows after.";
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
