#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "HakMaker.h"

namespace tunewrap {

// What the "Pack into hak" dialog shows and checks as the user types, without the dialog: each
// song's game name and display name, the hak to write (added to when it exists), and the base
// table that hak will start from.
class HakPlan {
  public:
    // `hakDir` is where a new hak goes (the game's hak folder, when known).
    HakPlan(const std::vector<std::string>& sources, const std::string& hakDir,
            game::Machine machine);

    std::size_t TrackCount() const { return tracks_.size(); }
    const game::HakTrack& Track(std::size_t i) const { return tracks_[i]; }
    void SetName(std::size_t i, const std::string& resRef) { tracks_[i].resRef = resRef; }
    void SetDisplayName(std::size_t i, const std::string& name) { tracks_[i].displayName = name; }
    // Why the typed name cannot be used, in words; empty when it can.
    std::string NameProblem(std::size_t i) const;
    std::string DisplayNameProblem(std::size_t i) const;

    const std::string& HakPath() const { return hakPath_; }
    // Looks at the hak and the base table again: call when either changes, not per keystroke.
    void SetHakPath(const std::string& path);
    const std::string& TablePath() const { return tablePath_; }
    void SetTablePath(const std::string& path);  // empty: the hak's own table, else the game's
    // What the hak will start from, in words, or why it cannot be made.
    const std::string& StartText() const { return startText_; }

    bool CanMake() const;
    game::HakRequest Request() const;

  private:
    void LookAtStart();

    std::vector<game::HakTrack> tracks_;
    game::Machine machine_;
    std::string hakPath_;
    std::string tablePath_;
    bool addsToHak_ = false;
    bool startFound_ = false;
    std::string startText_;
};

}  // namespace tunewrap
