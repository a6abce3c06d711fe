#include "GameFolders.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using tunewrap::game::FindGameFolders;
using tunewrap::game::Machine;
using tunewrap::game::System;

// A machine of the test's own: its environment and the files on it.
Machine Fake(System system, std::map<std::string, std::string> environment,
             std::set<std::string> files) {
    return {[environment](const char* name) {
                const auto found = environment.find(name);
                return found == environment.end() ? nullptr : found->second.c_str();
            },
            [files](const std::string& path) { return files.contains(path); }, system};
}

TEST(GameFolders, FirstInstallWithAKeyAndTheUserFolderByVariableOrHome) {
    const std::string steam = "/h/.local/share/Steam/steamapps/common/Neverwinter Nights";
    const std::string beamdog = "/h/Beamdog Library/00829";
    auto onLinux = Fake(System::Linux, {{"HOME", "/h"}},
                      {steam + "/chitin.key", beamdog + "/data/nwn_base.key"});
    auto found = FindGameFolders({}, onLinux);
    EXPECT_EQ(found.gameDir, steam);
    EXPECT_EQ(found.keyPath, steam + "/chitin.key");
    EXPECT_EQ(found.hakDir, "/h/.local/share/Neverwinter Nights/hak");
    EXPECT_EQ(found.searched.size(), 1u);
    // A folder named is the only place looked at; the current edition's key comes first.
    found = FindGameFolders(beamdog, onLinux);
    EXPECT_EQ(found.keyPath, beamdog + "/data/nwn_base.key");
    EXPECT_TRUE(FindGameFolders("/elsewhere", onLinux).gameDir.empty());

    auto windows = Fake(System::Windows,
                        {{"USERPROFILE", "C:\\Users\\p"},
                         {"NWN_HOME", "D:\\nwn"},
                         {"ProgramFiles(x86)", "C:\\Program Files (x86)"}},
                        {});
    found = FindGameFolders({}, windows);
    EXPECT_TRUE(found.gameDir.empty());
    EXPECT_EQ(found.searched,
              (std::vector<std::string>{
                  "C:\\Program Files (x86)\\Steam\\steamapps\\common\\Neverwinter Nights",
                  "C:\\Users\\p\\Beamdog Library\\00785", "C:\\Users\\p\\Beamdog Library\\00829"}));
    EXPECT_EQ(found.hakDir, "D:\\nwn\\hak");
    auto both = Fake(System::Windows,
                     {{"USERPROFILE", "C:\\Users\\p"},
                      {"NWN_HOME", "D:\\old"},
                      {"NWN_USER_DIRECTORY", "E:\\new"}},
                     {});
    EXPECT_EQ(FindGameFolders({}, both).userDir, "E:\\new");
    EXPECT_EQ(
        FindGameFolders({}, Fake(System::Windows, {{"USERPROFILE", "C:\\Users\\p"}}, {})).userDir,
        "C:\\Users\\p\\Documents\\Neverwinter Nights");
}

}  // namespace
