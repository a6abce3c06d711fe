#pragma once
#include <cstdint>
#include <string>

#include "ProgressSink.h"

// What a running copy and the progress dialog share: the copy writes the name, the total, the
// done count and where the file stands in its batch, the dialog reads them; the dialog sets the
// cancel flag, the copy polls it.
struct ProgressValues {
    std::string fileName;
    std::int64_t total = 0;
    std::int64_t done = 0;
    bool cancel = false;
    BatchPosition batch;
};
