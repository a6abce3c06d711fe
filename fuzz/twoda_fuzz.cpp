// The 2DA reader over arbitrary text: it never fails but by refusing with a reason, and what it
// accepts is a table with one field per column in every row, whose canonical text reads back as
// the same table and is written again byte for byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "TwoDa.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tunewrap::game;
    const TwoDaRead read = ReadTwoDa({reinterpret_cast<const char*>(data), size});
    if (!read.ok) {
        FUZZ_CHECK(!read.error.empty());
        return 0;
    }
    FUZZ_CHECK(!read.table.columns.empty());
    for (const auto& row : read.table.rows) FUZZ_CHECK(row.size() == read.table.columns.size());

    const std::string canonical = WriteTwoDa(read.table);
    const TwoDaRead again = ReadTwoDa(canonical);
    FUZZ_CHECK(again.ok);
    FUZZ_CHECK(again.table == read.table);
    FUZZ_CHECK(WriteTwoDa(again.table) == canonical);
    return 0;
}
