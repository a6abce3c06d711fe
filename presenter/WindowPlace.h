#pragma once
#include <optional>
#include <string>

namespace tunewrap {

// Where the main window stood when it was closed: its normal (not maximised) place on the
// desktop in device-independent pixels, and whether it was maximised. Stored as one text,
// "x,y,width,height,maximised", which a person can read and fix by hand and a start-up can check
// against today's screens.
struct WindowPlace {
    int x = 0, y = 0, width = 0, height = 0;
    bool maximised = false;
    bool operator==(const WindowPlace&) const = default;
};

std::string WindowPlaceText(const WindowPlace& place);

// Nothing for a text that is not five whole numbers, the size positive and the last 0 or 1.
std::optional<WindowPlace> ParseWindowPlace(const std::string& text);

}  // namespace tunewrap
