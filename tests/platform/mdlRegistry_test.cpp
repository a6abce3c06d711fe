#include "mdlRegistry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "common/ScratchHome.h"

namespace {

using namespace mdlRegistry;

class Registry : public ScratchHome {
  protected:
    std::int32_t Read(const std::string& name, std::string& value, const char* key = kProgramKey) {
        return ReadRegString(HKEY_LOCAL_MACHINE, key, name, value);
    }
    std::int32_t Write(const std::string& name, const std::string& value) {
        return WriteRegString(HKEY_LOCAL_MACHINE, kProgramKey, name, value);
    }
    void ExpectRead(const std::string& name, std::int32_t status, const std::string& want,
                    const char* key = kProgramKey) {
        std::string value = "kept";
        EXPECT_EQ(Read(name, value, key), status) << name;
        EXPECT_EQ(value, want) << name;
    }
};

TEST_F(Registry, StoredTextsComeBackTrimmedUpToTheLimit) {
    ExpectRead("MP3Dir", ERROR_FILE_NOT_FOUND, "kept");  // no key: the text stays
    unsetenv("XDG_CONFIG_HOME");                         // ~/.config is the place then
    ASSERT_EQ(Write("MP3Dir", std::string(1024, 'y')), ERROR_SUCCESS);
    ASSERT_EQ(Write("BMUDir", "  /srv/music  "), ERROR_SUCCESS);
    ASSERT_EQ(Write("Other", "/a,b"), ERROR_SUCCESS);
    ExpectRead("Other", ERROR_SUCCESS, "/a,b");
    ExpectRead("MP3Dir", ERROR_SUCCESS, std::string(1024, 'y'));
    ExpectRead("BMUDir", ERROR_SUCCESS, "/srv/music");
    ExpectRead("Missing", ERROR_FILE_NOT_FOUND, "");  // no value: the text empties
    EXPECT_TRUE(std::filesystem::is_regular_file(Path("home/.config/Brenlo/Tunewrap.conf")));
}

TEST_F(Registry, HandWrittenValuesReadAsTheUserWroteThem) {
    WriteFile(Path("home/.config/BioWare/NWN/Neverwinter.conf"),
              "[General]\nLocation=\"  /games/nwn  \"\nList=a, b,c\nEmpty=\n"
              "Bytes=@ByteArray(abc)\nNumber=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\nLong=" +
                  std::string(2000, 'x') + "\n[Other]\nHidden=1\n");
    ExpectRead("Location", ERROR_SUCCESS, "/games/nwn", kGameKey);
    ExpectRead("List", ERROR_SUCCESS, "a, b,c", kGameKey);
    ExpectRead("Empty", ERROR_SUCCESS, "", kGameKey);
    ExpectRead("Bytes", ERROR_SUCCESS, "ERROR: Non String Value", kGameKey);
    ExpectRead("Number", ERROR_SUCCESS, "ERROR: Non String Value", kGameKey);
    ExpectRead("Long", ERROR_MORE_DATA, "", kGameKey);
    ExpectRead("Hidden", ERROR_FILE_NOT_FOUND, "", kGameKey);
}

// A damaged store reads as no value at all, at once: the window then starts with its defaults.
TEST_F(Registry, DamagedStoresGiveNoValue) {
    const std::string file = Path("home/.config/Brenlo/Tunewrap.conf");
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>(i * 7 % 256 == '=' ? 1 : i * 7);
    const std::function<void()> damage[] = {
        [&] { WriteFile(file, garbage); },
        [&] { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); },  // must not wait for a writer
        [&] { ASSERT_EQ(symlink(file.c_str(), file.c_str()), 0); },
    };
    for (const auto& make : damage) {
        std::filesystem::remove_all(Path("home/.config"));
        std::filesystem::create_directories(Path("home/.config/Brenlo"));
        make();
        std::string value = "default";
        EXPECT_NE(Read("MP3Dir", value), ERROR_SUCCESS);
    }
}

TEST_F(Registry, BlockedOrReadOnlyLocationsReportAccessDenied) {
    WriteFile(Path("home/.config/Brenlo"), "not a folder");
    ExpectRead("MP3Dir", ERROR_ACCESS_DENIED, "kept");
    EXPECT_EQ(Write("MP3Dir", "/x"), ERROR_ACCESS_DENIED);
    std::filesystem::create_directories(Path("home/.config/BioWare/NWN/Neverwinter.conf"));
    ExpectRead("Location", ERROR_ACCESS_DENIED, "kept", kGameKey);

    if (!MountTmpfs("home/.config", "size=1m")) GTEST_SKIP() << "cannot mount a tmpfs here";
    ASSERT_EQ(Write("MP3Dir", "/a"), ERROR_SUCCESS);
    ASSERT_TRUE(RemountReadOnly(Path("home/.config")));
    EXPECT_EQ(Write("MP3Dir", "/b"), ERROR_ACCESS_DENIED);
    ExpectRead("MP3Dir", ERROR_SUCCESS, "/a");
}

}  // namespace
