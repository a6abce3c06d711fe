#pragma once
#include <array>
#include <cstddef>

#include "ConversionHost.h"
#include "UiText.h"

namespace tunewrap {

inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(OptionId::Count);

// Everything the faces know of one option: the window's check box (its name, its caption with "&"
// before the letter Alt presses it by, where it stands in twips, whether its caption wraps and
// whether it sits low, level with the lists' bottom, and its place in the Tab order), the value
// it is stored under, the command line's flag and what it is on a first start.
struct OptionInfo {
    OptionId id;
    const char* controlName;
    const char* valueName;
    const char* caption;  // shown as platform::Tr("Options", caption)
    struct {
        int left, top, width, height;
        bool wraps, low;
    } slot;
    int tabPosition;      // among the options, which come after every other control
    const char* cliFlag;  // sets the option; a flag starting "--no-" clears it
    bool defaultOn;
    bool storedAtOnce;  // written on every change, not only when the window closes
};

// In OptionId order. "WaveExtention" is the stored name the program has always used.
// clang-format off
inline constexpr std::array<OptionInfo, kOptionCount> kOptions = {{
    {OptionId::WAVExtension, "chkWAVExtension", "WaveExtention",
     TW_TRANSLATE_NOOP("Options", "rename .&wav"),
     {5520, 1200, 1215, 375, false, false}, 0, "--wav", false, false},
    {OptionId::OverwriteAll, "chkOverwriteAll", "OverwriteAll",
     TW_TRANSLATE_NOOP("Options", "&overwrite all"),
     {5520, 2760, 1215, 255, false, false}, 2, "--overwrite", false, false},
    {OptionId::PreserveFileDateTime, "chkPreserveFileDateTime", "PreserveFileDateTime",
     TW_TRANSLATE_NOOP("Options", "&preserve file date/time"),
     {5520, 4440, 1215, 495, true, true}, 1, "--no-preserve-time", true, true},
    {OptionId::ReencodeUnsuitable, "chkReencodeUnsuitable", "ReencodeUnsuitable",
     TW_TRANSLATE_NOOP("Options", "&re-encode unsuitable"),
     {5520, 3120, 1215, 495, true, false}, 3, "--reencode", false, false},
    {OptionId::GameNames, "chkGameNames", "GameNames",
     TW_TRANSLATE_NOOP("Options", "&game names"),
     {5520, 3630, 1215, 255, false, false}, 4, "--game-names", false, false},
}};
// clang-format on
static_assert(kOptions.size() == kOptionCount, "one row per option");

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        if (static_cast<std::size_t>(kOptions[i].id) != i) return false;
    }
    return true;
}
static_assert(InEnumOrder(), "kOptions[id] is the row of option id");

constexpr const OptionInfo& Option(OptionId id) {
    return kOptions[static_cast<std::size_t>(id)];
}

// Each option as it is on a first start.
constexpr std::array<bool, kOptionCount> DefaultOptionStates() {
    std::array<bool, kOptionCount> states{};
    for (const OptionInfo& option : kOptions)
        states[static_cast<std::size_t>(option.id)] = option.defaultOn;
    return states;
}

}  // namespace tunewrap
