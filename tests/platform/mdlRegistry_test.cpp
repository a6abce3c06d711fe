#include "mdlRegistry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QSettings>
#include <functional>

#include "common/ProcStatus.h"
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
              "Bytes=@ByteArray(abc)\nNumber=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
              // a list of four thousand million values, as a damaged file may claim
              "Huge=\\x40Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xf0)\n"
              // blanks kept by quotes and escapes; a lone surrogate
              "Tabs=\"a\t\"\nEscapedTab=b\\t   \nHalf=\\xd800\nLong=" +
                  std::string(2 << 20, 'x') + "\n[Other]\nHidden=1\n");
    ExpectRead("Location", ERROR_SUCCESS, "/games/nwn", kGameKey);
    ExpectRead("List", ERROR_SUCCESS, "a, b,c", kGameKey);
    ExpectRead("Empty", ERROR_SUCCESS, "", kGameKey);
    ExpectRead("Bytes", ERROR_SUCCESS, "ERROR: Non String Value", kGameKey);
    ExpectRead("Number", ERROR_SUCCESS, "ERROR: Non String Value", kGameKey);
    ExpectRead("Huge", ERROR_SUCCESS, "ERROR: Non String Value", kGameKey);
    ExpectRead("Tabs", ERROR_SUCCESS, "a\t", kGameKey);
    ExpectRead("EscapedTab", ERROR_SUCCESS, "b\t", kGameKey);
    ExpectRead("Half", ERROR_SUCCESS, "\xef\xbf\xbd", kGameKey);
    ExpectRead("Long", ERROR_MORE_DATA, "", kGameKey);
    ExpectRead("Hidden", ERROR_FILE_NOT_FOUND, "", kGameKey);
}

// Files earlier versions wrote through QSettings read the same, and QSettings reads ours.
TEST_F(Registry, TextsCrossBetweenTheStoreAndQSettings) {
    const std::string texts[] = {"",
                                 "  lead",
                                 "a,b",
                                 "semi;colon",
                                 "eq=ual",
                                 "q\"uote",
                                 "back\\sl",
                                 "tab\tnew\n",
                                 "\0011f",
                                 "@at",
                                 "@@double",
                                 "\x7f",
                                 "M\xc3\xbcller \xe6\x97\xa5"};
    const QString qtFile = QString::fromStdString(Path("home/.config/Brenlo/Qt.conf"));
    {
        QSettings qt(qtFile, QSettings::IniFormat);
        for (std::size_t i = 0; i < std::size(texts); ++i)
            qt.setValue(QString("T%1").arg(i), QString::fromStdString(texts[i]));
    }
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        const std::string name = "T" + std::to_string(i);
        std::string fromQt;
        EXPECT_EQ(Read(name, fromQt, "Software\\Brenlo\\Qt"), ERROR_SUCCESS) << texts[i];
        EXPECT_EQ(fromQt, texts[i] == "  lead" ? "lead" : texts[i]);
        ASSERT_EQ(Write(name, texts[i]), ERROR_SUCCESS);
    }
    QSettings qt(QString::fromStdString(Path("home/.config/Brenlo/Tunewrap.conf")),
                 QSettings::IniFormat);
    for (std::size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(qt.value(QString("T%1").arg(i)).toString().toStdString(), texts[i]);
}

// A write changes its own line and nothing else, damaged lines and other sections included.
TEST_F(Registry, WritesKeepEveryOtherLine) {
    const std::string file = Path("home/.config/Brenlo/Tunewrap.conf");
    const std::string other = "\n[Other]\nMP3Dir=kept\n; note\nOdd=@Variant(\\0\\0\\0\\t\\xff)\n";
    WriteFile(file, "\xef\xbb\xbf[General]\nBMUDir=/b\nMP3Dir=/old\nMP3Dir=/older\n" + other);
    ASSERT_EQ(Write("MP3Dir", "/new"), ERROR_SUCCESS);
    ASSERT_EQ(Write("Added", "x"), ERROR_SUCCESS);
    EXPECT_EQ(ReadFile(file), "\xef\xbb\xbf[General]\nBMUDir=/b\nMP3Dir=/new\nAdded=x\n" + other);
    // A line whose quote never closes cannot swallow a value written after it.
    WriteFile(file, "Open=\"never closed\n");
    ASSERT_EQ(Write("MP3Dir", "/a"), ERROR_SUCCESS);
    ExpectRead("MP3Dir", ERROR_SUCCESS, "/a");
}

// A typed value's bytes claim counts (here a list of 610 million values); reading it as damaged
// must not ask for memory in proportion to them, even without touching it.
TEST_F(Registry, DamagedTypedValuesAskForNoMemory) {
    WriteFile(Path("home/.config/Brenlo/Tunewrap.conf"),
              "[General]\nMP3Dir=@Variant(\\0\\0\\0\\t$eAl)\nBMUDir=/b\n");
    const std::int64_t before = ProcStatusKiB("VmPeak");
    ExpectRead("MP3Dir", ERROR_SUCCESS, "ERROR: Non String Value");
    ExpectRead("BMUDir", ERROR_SUCCESS, "/b");
    EXPECT_LT(ProcStatusKiB("VmPeak") - before, 1 << 20);
}

// A damaged store reads as no value at all, at once: the window then starts with its defaults.
TEST_F(Registry, DamagedStoresGiveNoValue) {
    const std::string file = Path("home/.config/Brenlo/Tunewrap.conf");
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>(i * 7 % 256 == '=' ? 1 : i * 7);
    const std::function<void()> damage[] = {
        [&] { WriteFile(file, garbage); },
        [&] { WriteFile(file, "MP3Dir=/a\n" + std::string(17 << 20, '\n')); },  // not ours
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
