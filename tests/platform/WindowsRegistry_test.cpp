// The settings store over the real registry, under Wine or Windows.
#include "RegistrySettings.h"
#include "mdlRegistry.h"

namespace {
constexpr mdlRegistry::HKEY kUser = mdlRegistry::HKEY_CURRENT_USER;  // a macro in <windows.h>
}  // namespace

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

using Owner = tunewrap::SettingsStore::Owner;

// A key of its own, so that the tests can run side by side.
class WindowsRegistry : public ::testing::Test {
  protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, wideKey.c_str()); }
    void ExpectRead(const std::string& name, std::int32_t status, const std::string& want) {
        std::string value = "kept";
        EXPECT_EQ(mdlRegistry::ReadRegString(kUser, key, name, value), status) << name;
        EXPECT_EQ(value, want) << name;
    }
    void WriteAndExpect(const std::string& written, std::int32_t status, const std::string& read) {
        ASSERT_EQ(mdlRegistry::WriteRegString(kUser, key, "Dir", written), ERROR_SUCCESS);
        ExpectRead("Dir", status, read);
    }
    void PutRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, wideKey.c_str(), name, type, data, bytes),
                  ERROR_SUCCESS);
    }

    const std::string key = std::string("Software\\Brenlo\\Tunewrap test ") +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::wstring wideKey{key.begin(), key.end()};
};

TEST_F(WindowsRegistry, TextsComeBackTrimmedUpToTheLimit) {
    ExpectRead("Dir", ERROR_FILE_NOT_FOUND, "kept");  // no key: the text stays
    const std::string nonAscii = "C:\\M\xc3\xbcller \xe6\x97\xa5 \xf0\x9f\x8e\xb5";
    WriteAndExpect("  C:\\Music  ", ERROR_SUCCESS, "C:\\Music");
    WriteAndExpect(nonAscii, ERROR_SUCCESS, nonAscii);
    WriteAndExpect(std::string(1024, 'y'), ERROR_SUCCESS, std::string(1024, 'y'));
    WriteAndExpect(std::string(1025, 'y'), ERROR_MORE_DATA, "");
    std::string wide;  // 342 characters, 1026 bytes
    for (int i = 0; i < 342; ++i) wide += "\xe6\x97\xa5";
    WriteAndExpect(wide, ERROR_MORE_DATA, "");
    ExpectRead("Missing", ERROR_FILE_NOT_FOUND, "");  // no value: the text empties
    DWORD type = 0;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, wideKey.c_str(), L"Dir", RRF_RT_ANY | RRF_NOEXPAND,
                           &type, nullptr, nullptr),
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
    char windows[MAX_PATH];
    ASSERT_GT(GetEnvironmentVariableA("SystemRoot", windows, MAX_PATH), 0u);
    ExpectRead("Expandable", ERROR_SUCCESS, std::string(windows) + "\\music");
}

// The program's settings belong to the user; the game's folder is read for the whole machine,
// in the 32-bit view where the game's installer wrote it unless a 64-bit one is there.
TEST(WindowsSettings, ProgramsUnderTheUserGamesUnderTheMachineInEitherView) {
    const wchar_t* const program = L"Software\\Brenlo\\Tunewrap";
    const wchar_t* const game = L"Software\\BioWare\\NWN\\Neverwinter";
    const auto clear = [&] {
        RegDeleteTreeW(HKEY_CURRENT_USER, program);
        for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, program, view, 0);
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, game, view, 0);
        }
    };
    clear();
    RegistrySettings settings;
    settings.Write("MP3Dir", "C:\\Music");
    std::string text;
    EXPECT_TRUE(settings.Read(Owner::Program, "MP3Dir", text));
    EXPECT_EQ(text, "C:\\Music");
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, program, L"MP3Dir", RRF_RT_REG_SZ, nullptr, nullptr,
                           nullptr),
              ERROR_SUCCESS);
    HKEY machine = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, program, 0, KEY_READ, &machine),
              ERROR_FILE_NOT_FOUND);

    EXPECT_FALSE(settings.Read(Owner::Game, "Location", text));
    for (const auto& [view, location] : {std::pair{KEY_WOW64_32KEY, L"C:\\Games\\NWN32"},
                                         std::pair{KEY_WOW64_64KEY, L"C:\\Games\\NWN64"}}) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, game, 0, nullptr, 0, KEY_SET_VALUE | view,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, L"Location", 0, REG_SZ, reinterpret_cast<const BYTE*>(location),
                       static_cast<DWORD>((wcslen(location) + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
        ASSERT_TRUE(settings.Read(Owner::Game, "Location", text));
        EXPECT_EQ(std::wstring(text.begin(), text.end()), location);
    }
    clear();
}

}  // namespace
