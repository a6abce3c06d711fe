#include "mdlRegistry.h"

#include <unistd.h>

#include "common/ScratchHome.h"

namespace {

using namespace mdlRegistry;

class Registry : public ScratchHome {
  protected:
    std::string ConfFile(const std::string& relative) { return Path("home/.config/" + relative); }
    std::int32_t Read(const std::string& name, std::string& value, const char* key = kProgramKey) {
        return ReadRegString(HKEY_LOCAL_MACHINE, key, name, value);
    }
    std::int32_t Write(const std::string& name, const std::string& value) {
        return WriteRegString(HKEY_LOCAL_MACHINE, kProgramKey, name, value);
    }
};

TEST_F(Registry, MissingKeyLeavesTheTextMissingValueEmptiesIt) {
    std::string value = "kept";
    EXPECT_EQ(Read("MP3Dir", value), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, "kept");
    ASSERT_EQ(Write("OverwriteAll", "1"), ERROR_SUCCESS);
    EXPECT_EQ(Read("MP3Dir", value), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, "");
}

TEST_F(Registry, HandWrittenValuesReadAsTheUserWroteThem) {
    const std::string twoKb(2000, 'x');
    WriteFile(ConfFile("BioWare/NWN/Neverwinter.conf"),
              "[General]\n"
              "Location=\"  /games/nwn  \"\n"
              "List=a, b,c\n"
              "Empty=\n"
              "Bytes=@ByteArray(abc)\n"
              "Number=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
              "Long=" +
                  twoKb +
                  "\n"
                  "[Other]\nHidden=1\n");
    const struct {
        const char* name;
        std::int32_t status;
        const char* value;
    } cases[] = {
        {"Location", ERROR_SUCCESS, "/games/nwn"},
        {"List", ERROR_SUCCESS, "a, b,c"},
        {"Empty", ERROR_SUCCESS, ""},
        {"Bytes", ERROR_SUCCESS, "ERROR: Non String Value"},
        {"Number", ERROR_SUCCESS, "ERROR: Non String Value"},
        {"Long", ERROR_MORE_DATA, ""},
        {"Hidden", ERROR_FILE_NOT_FOUND, ""},
    };
    for (const auto& c : cases) {
        std::string value = "before";
        EXPECT_EQ(Read(c.name, value, kGameKey), c.status) << c.name;
        EXPECT_EQ(value, c.value) << c.name;
    }
}

TEST_F(Registry, TextsUpToTheLimitSurviveWithTheirSpacesTrimmed) {
    unsetenv("XDG_CONFIG_HOME");  // ~/.config is the place then
    const std::string limit(1024, 'y');
    ASSERT_EQ(Write("MP3Dir", limit), ERROR_SUCCESS);
    ASSERT_EQ(Write("BMUDir", "  /srv/music  "), ERROR_SUCCESS);
    ASSERT_EQ(Write("Other", "/a,b"), ERROR_SUCCESS);
    std::string value;
    EXPECT_EQ(Read("Other", value), ERROR_SUCCESS);
    EXPECT_EQ(value, "/a,b");
    EXPECT_EQ(Read("MP3Dir", value), ERROR_SUCCESS);
    EXPECT_EQ(value, limit);
    EXPECT_EQ(Read("BMUDir", value), ERROR_SUCCESS);
    EXPECT_EQ(value, "/srv/music");
    EXPECT_TRUE(std::filesystem::is_regular_file(ConfFile("Brenlo/Tunewrap.conf")));
}

TEST_F(Registry, BlockedLocationsReportAccessDenied) {
    WriteFile(Path("home/.config/Brenlo"), "not a folder");
    std::string value = "kept";
    EXPECT_EQ(Read("MP3Dir", value), ERROR_ACCESS_DENIED);
    EXPECT_EQ(value, "kept");
    EXPECT_EQ(Write("MP3Dir", "/x"), ERROR_ACCESS_DENIED);

    std::filesystem::create_directories(ConfFile("BioWare/NWN/Neverwinter.conf"));
    EXPECT_EQ(Read("Location", value, kGameKey), ERROR_ACCESS_DENIED);
}

TEST_F(Registry, ReadOnlyConfigurationFolderRefusesWrites) {
    if (!MountTmpfs("home/.config", "size=1m")) GTEST_SKIP() << "cannot mount a tmpfs here";
    ASSERT_EQ(Write("MP3Dir", "/a"), ERROR_SUCCESS);
    ASSERT_TRUE(RemountReadOnly(Path("home/.config")));
    EXPECT_EQ(Write("MP3Dir", "/b"), ERROR_ACCESS_DENIED);
    std::string value;
    EXPECT_EQ(Read("MP3Dir", value), ERROR_SUCCESS);
    EXPECT_EQ(value, "/a");
}

}  // namespace
