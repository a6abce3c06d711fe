// The settings store over arbitrary INI file contents: every read ends with a known status and
// a trimmed text no longer than the read buffer, and a write over any file reads back and
// leaves every other value as it read before.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "mdlRegistry.h"

namespace {

const char* const kSettingNames[] = {
    "MP3Dir",          "BMUDir",          "MP3FileColWidth",      "MP3SizeColWidth",
    "MP3DateColWidth", "BMUFileColWidth", "BMUSizeColWidth",      "BMUDateColWidth",
    "WaveExtention",   "OverwriteAll",    "PreserveFileDateTime", "Location"};

std::string gConfigHome;

// The scratch configuration folder goes when the run ends.
struct RemoveConfigHomeAtExit {
    ~RemoveConfigHomeAtExit() {
        std::error_code ignored;
        if (!gConfigHome.empty()) std::filesystem::remove_all(gConfigHome, ignored);
    }
} gRemoveConfigHomeAtExit;

// What the file itself names before a "=", so that odd names are read too.
std::vector<std::string> NamesInFile(const std::string& file) {
    std::vector<std::string> names;
    std::size_t lineStart = 0;
    while (lineStart < file.size() && names.size() < 8) {
        std::size_t lineEnd = file.find('\n', lineStart);
        if (lineEnd == std::string::npos) lineEnd = file.size();
        const std::size_t equals = file.find('=', lineStart);
        if (equals != std::string::npos && equals < lineEnd) {
            names.push_back(file.substr(lineStart, equals - lineStart));
        }
        lineStart = lineEnd + 1;
    }
    return names;
}

bool ValidUtf8WithoutNul(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        std::uint32_t code = 0;
        if (c == 0) return false;
        if (c < 0x80) {
            code = c;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, code = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const unsigned char d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            code = (code << 6) | (d & 0x3F);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

std::string TrimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct Read {
    std::int32_t status;
    std::string value;
    bool operator==(const Read&) const = default;
};

Read CheckRead(const std::string& key, const std::string& name) {
    std::string value = "untouched";
    const std::int32_t status =
        mdlRegistry::ReadRegString(mdlRegistry::HKEY_CURRENT_USER, key, name, value);
    FUZZ_CHECK(
        status == mdlRegistry::ERROR_SUCCESS || status == mdlRegistry::ERROR_FILE_NOT_FOUND ||
        status == mdlRegistry::ERROR_ACCESS_DENIED || status == mdlRegistry::ERROR_MORE_DATA);
    if (status == mdlRegistry::ERROR_SUCCESS) {
        FUZZ_CHECK(value.size() <= 1024);
        FUZZ_CHECK(value == TrimSpaces(value));
    } else if (status == mdlRegistry::ERROR_MORE_DATA) {
        FUZZ_CHECK(value.empty());
    }
    return {status, value};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/tunewrap-settings-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return 1;
    gConfigHome = pattern;
    setenv("XDG_CONFIG_HOME", pattern, 1);
    setenv("HOME", pattern, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string written = input.ConsumeRandomLengthString(1100);
    const char* const writtenName =
        kSettingNames[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kSettingNames) - 1)];
    const std::string file = input.ConsumeRemainingBytesAsString();

    // A key file of its own per input: the store's cache then never serves an earlier input.
    static unsigned long serial = 0;
    const std::string keyName = "k" + std::to_string(++serial);
    const std::string key = "Software\\Brenlo\\" + keyName;
    const std::string dir = gConfigHome + "/Brenlo";
    const std::string path = dir + "/" + keyName + ".conf";
    mkdir(dir.c_str(), 0700);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(out != nullptr);
    FUZZ_CHECK(std::fwrite(file.data(), 1, file.size(), out) == file.size());
    std::fclose(out);

    std::vector<std::string> names(std::begin(kSettingNames), std::end(kSettingNames));
    for (const std::string& name : NamesInFile(file)) names.push_back(name);
    std::vector<Read> before;
    for (const std::string& name : names) before.push_back(CheckRead(key, name));

    const std::int32_t status =
        mdlRegistry::WriteRegString(mdlRegistry::HKEY_CURRENT_USER, key, writtenName, written);
    FUZZ_CHECK(status == mdlRegistry::ERROR_SUCCESS);
    std::string back;
    const std::int32_t readStatus =
        mdlRegistry::ReadRegString(mdlRegistry::HKEY_CURRENT_USER, key, writtenName, back);
    if (written.size() <= 1024 && ValidUtf8WithoutNul(written)) {
        FUZZ_CHECK(readStatus == mdlRegistry::ERROR_SUCCESS);
        FUZZ_CHECK(back == TrimSpaces(written));
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] != writtenName) FUZZ_CHECK(CheckRead(key, names[i]) == before[i]);
    }
    unlink(path.c_str());
    unlink((path + ".lock").c_str());
    return 0;
}
