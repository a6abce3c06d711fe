// The ERF index reader over arbitrary bytes: an archive it accepts has only valid, distinct names
// and every entry's bytes within the input, whatever the header claims.
#include <cstdint>
#include <set>
#include <string_view>
#include <utility>

#include "Erf.h"
#include "FuzzCheck.h"
#include "ResourceTypes.h"

using namespace tunewrap::game;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ErfRead read = ReadErfIndex(MemoryRandomAccess(bytes));
    FUZZ_CHECK(read.ok == read.error.empty());
    if (!read.ok) return 0;
    FUZZ_CHECK(read.index.localizedStrings.size() <= size);
    std::set<std::pair<std::string, std::uint16_t>> names;
    for (const ErfEntry& entry : read.index.entries) {
        FUZZ_CHECK(std::uint64_t{entry.offset} + entry.size <= size);
        FUZZ_CHECK(!entry.resRef.empty() && entry.resRef.size() <= kResRefMaxLength);
        FUZZ_CHECK(names.emplace(entry.resRef, entry.type).second);
    }
    return 0;
}
