// A look-up in a key file and the one BIF it may name, over arbitrary bytes. The input is a
// 2-byte key length, a 1-byte name length (numbers big-end first), the name, a 2-byte type, the
// key, then the BIF. A resource found has no error and lies within the BIF; one that is not found
// may have one.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "KeyBif.h"

using namespace tunewrap::game;

namespace {

// Takes the next `count` bytes, or what is left.
std::string_view Take(std::string_view& input, std::size_t count) {
    const std::string_view taken = input.substr(0, std::min(count, input.size()));
    input.remove_prefix(taken.size());
    return taken;
}

std::size_t TakeNumber(std::string_view& input, std::size_t width) {
    std::size_t value = 0;
    for (unsigned char c : Take(input, width)) value = value << 8 | c;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t keySize = TakeNumber(input, 2);
    const std::string_view resRef = Take(input, TakeNumber(input, 1));
    const auto type = static_cast<std::uint16_t>(TakeNumber(input, 2));
    const std::string_view key = Take(input, keySize);
    const std::string_view bif = input;

    const BifOpener open = [&](const std::string& name, std::string&) {
        FUZZ_CHECK(name.find('\0') == std::string::npos);
        return std::optional(MemoryRandomAccess(bif));
    };
    const GameResource found = ReadKeyResource(MemoryRandomAccess(key), open, resRef, type);
    FUZZ_CHECK(!found.found || found.error.empty());
    FUZZ_CHECK(found.found || found.bytes.empty());
    FUZZ_CHECK(found.bytes.size() <= bif.size());
    return 0;
}
