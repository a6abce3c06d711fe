#include "SystemTimer.h"

#include <cmath>
#include <cstdlib>

#include "LocaleNumeric.h"

namespace {

// Wrapping difference: correct across the tick's wrap for intervals below 2^31 ms.
std::int32_t TicksBetween(std::uint32_t start, std::uint32_t end) {
    return static_cast<std::int32_t>(end - start);
}

// Number formats as the readable text uses them: "##" leaves a zero out entirely, "00" pads to
// two digits; a negative value keeps its minus sign in front of the digits.
std::string FormatHashes(std::int32_t value) {
    return value == 0 ? "" : std::to_string(value);
}

std::string FormatTwoDigits(std::int32_t value) {
    std::string digits = std::to_string(std::abs(value));
    if (digits.size() < 2) digits.insert(0, 1, '0');
    return value < 0 ? "-" + digits : digits;
}

// Seconds with one or two decimals, from whole milliseconds (1000 .. 59990). The single-precision
// quotient of such values shows exactly these decimals, so rounding the decimal value half up
// gives the same text.
std::string FormatSeconds(std::int32_t ms) {
    const std::int32_t hundredths = (ms + 5) / 10;
    const std::int32_t fraction = hundredths % 100;
    std::string text = FormatHashes(hundredths / 100) + platform::UserDecimalSeparator();
    text += std::to_string(fraction / 10);
    if (fraction % 10 != 0) text += std::to_string(fraction % 10);
    return text + " s";
}

std::int32_t RoundedSeconds(std::int32_t ms) {
    const float seconds = static_cast<float>(ms) / 1000.0f;
    return static_cast<std::int32_t>(std::nearbyint(seconds));  // halves to even
}

}  // namespace

SystemTimer::SystemTimer(TickSource tick) : tick_(tick) {}

void SystemTimer::StartTimer() {
    running_ = true;
    startTick_ = tick_();
}

void SystemTimer::StopTimer() {
    running_ = false;
    storedElapsed_ = TicksBetween(startTick_, tick_());
}

std::int32_t SystemTimer::ElapsedTime() const {
    return running_ ? TicksBetween(startTick_, tick_()) : storedElapsed_;
}

std::string SystemTimer::sElapsedTime() const {
    return std::to_string(storedElapsed_);
}

std::string SystemTimer::sFormattedElapsedTime() const {
    const std::int32_t e = storedElapsed_;
    if (e == 0) return "<1 ms";
    if (e >= 1 && e <= 999) return std::to_string(e) + " ms";
    if (e >= 1000 && e <= 59990) return FormatSeconds(e);
    const std::int32_t n = RoundedSeconds(e);
    if (e >= 59991 && e <= 3599999) {
        return FormatHashes(n / 60) + ":" + FormatTwoDigits(n % 60) + " m";
    }
    return FormatHashes(n / 3600) + ":" + FormatTwoDigits((n % 3600) / 60) + ":" +
           FormatTwoDigits((n % 3600) % 60) + " h";
}
