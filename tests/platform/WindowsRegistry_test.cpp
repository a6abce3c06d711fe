// The settings store over the real registry, under Wine or Windows.
#include "RegistrySettings.h"
#include "mdlRegistry.h"

namespace {
// <windows.h> makes macros of these names.
constexpr mdlRegistry::HKEY kUser = mdlRegistry::HKEY_CURRENT_USER;
constexpr mdlRegistry::HKEY kMachine = mdlRegistry::HKEY_LOCAL_MACHINE;
}  // namespace

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

using Owner = tunewrap::SettingsStore::Owner;

const wchar_t* const kProgram = L"Software\\Brenlo\\Tunewrap";
const wchar_t* const kGame = L"Software\\BioWare\\NWN\\Neverwinter";

// Each test has a key of its own, so that they can run side by side; it goes when the test ends.
class WindowsRegistry : public ::testing::Test {
  protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, Wide(key).c_str()); }
    static std::wstring Wide(const std::string& text) { return {text.begin(), text.end()}; }
    void ExpectRead(const std::string& name, std::int32_t status, const std::string& want) {
        std::string value = "kept";
        EXPECT_EQ(mdlRegistry::ReadRegString(kUser, key, name, value), status) << name;
        EXPECT_EQ(value, want) << name;
    }
    std::int32_t Write(const std::string& name, const std::string& value) {
        return mdlRegistry::WriteRegString(kUser, key, name, value);
    }
    void PutRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, Wide(key).c_str(), name, type, data, bytes),
                  ERROR_SUCCESS);
    }

    const std::string key = std::string("Software\\Brenlo\\Tunewrap test ") +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

TEST_F(WindowsRegistry, TextsComeBackTrimmedUpToTheLimit) {
    ExpectRead("MP3Dir", ERROR_FILE_NOT_FOUND, "kept");  // no key: the text stays
    const std::string nonAscii = "C:\\M\xc3\xbcller \xe6\x97\xa5 \xf0\x9f\x8e\xb5";
    const std::pair<std::string, std::string> texts[] = {
        {"  C:\\Music  ", "C:\\Music"},
        {nonAscii, nonAscii},
        {"", ""},
        {std::string(1024, 'y'), std::string(1024, 'y')}};
    for (const auto& [written, read] : texts) {
        ASSERT_EQ(Write("MP3Dir", written), ERROR_SUCCESS);
        ExpectRead("MP3Dir", ERROR_SUCCESS, read);
    }
    ExpectRead("Missing", ERROR_FILE_NOT_FOUND, "");  // no value: the text empties
    // Too long, in characters or in UTF-8 bytes.
    for (const std::string& tooLong : {std::string(1025, 'y'), [] {
                                           std::string wide;
                                           for (int i = 0; i < 342; ++i) wide += "\xe6\x97\xa5";
                                           return wide;
                                       }()}) {
        ASSERT_EQ(Write("BMUDir", tooLong), ERROR_SUCCESS);
        ExpectRead("BMUDir", ERROR_MORE_DATA, "");
    }
    DWORD type = 0;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, Wide(key).c_str(), L"MP3Dir", RRF_RT_ANY, &type,
                           nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

// What other programs, or a person in regedit, may have stored under a name.
TEST_F(WindowsRegistry, OtherTypesReadAsNoTextAndPathsWithVariablesExpanded) {
    const DWORD number = 5;
    const wchar_t list[] = L"a\0b\0";
    const wchar_t expandable[] = L"%SystemRoot%\\music";
    PutRaw(L"Number", REG_DWORD, &number, sizeof number);
    PutRaw(L"Bytes", REG_BINARY, "abc", 3);
    PutRaw(L"List", REG_MULTI_SZ, list, sizeof list);
    PutRaw(L"Expandable", REG_EXPAND_SZ, expandable, sizeof expandable);
    for (const char* name : {"Number", "Bytes", "List"})
        ExpectRead(name, ERROR_SUCCESS, "ERROR: Non String Value");
    wchar_t windows[MAX_PATH];
    ASSERT_GT(GetEnvironmentVariableW(L"SystemRoot", windows, MAX_PATH), 0u);
    const std::wstring wide = std::wstring(windows) + L"\\music";
    ExpectRead("Expandable", ERROR_SUCCESS, std::string(wide.begin(), wide.end()));
}

// The program's settings belong to the user; the game's folder is read for the whole machine,
// in the 32-bit view where the game's installer wrote it unless a 64-bit one is there.
TEST(WindowsSettings, ProgramsUnderTheUserGamesUnderTheMachineInEitherView) {
    const auto clear = [] {
        RegDeleteTreeW(HKEY_CURRENT_USER, kProgram);
        for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kProgram, view, 0);
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kGame, view, 0);
        }
    };
    clear();
    RegistrySettings settings;
    settings.Write("MP3Dir", "C:\\Music");
    std::string text;
    EXPECT_TRUE(settings.Read(Owner::Program, "MP3Dir", text));
    EXPECT_EQ(text, "C:\\Music");
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kProgram, L"MP3Dir", RRF_RT_REG_SZ, nullptr, nullptr,
                           nullptr),
              ERROR_SUCCESS);
    HKEY machine = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProgram, 0, KEY_READ, &machine),
              ERROR_FILE_NOT_FOUND);

    EXPECT_FALSE(settings.Read(Owner::Game, "Location", text));
    for (const auto& [view, location] : {std::pair{KEY_WOW64_32KEY, L"C:\\Games\\NWN32"},
                                         std::pair{KEY_WOW64_64KEY, L"C:\\Games\\NWN64"}}) {
        HKEY game = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kGame, 0, nullptr, 0, KEY_SET_VALUE | view,
                                  nullptr, &game, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(game, L"Location", 0, REG_SZ, reinterpret_cast<const BYTE*>(location),
                       static_cast<DWORD>((wcslen(location) + 1) * sizeof(wchar_t)));
        RegCloseKey(game);
        ASSERT_TRUE(settings.Read(Owner::Game, "Location", text));
        EXPECT_EQ(std::wstring(text.begin(), text.end()), location);
    }
    std::string kept = "kept";
    EXPECT_EQ(mdlRegistry::ReadRegString(kMachine, "Software\\BioWare\\NWN\\Neverwinter", "Missing",
                                         kept),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(kept, "");
    clear();
}

}  // namespace
