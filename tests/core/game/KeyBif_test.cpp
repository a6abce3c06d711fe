#include "KeyBif.h"

#include <gtest/gtest.h>

#include <map>

#include "LePack.h"
#include "common/ScratchHome.h"

using namespace tunewrap::game;

namespace {

std::string KeyEntry(std::string_view name, std::uint16_t type, std::uint32_t bif,
                     std::uint32_t index) {
    return Padded(std::string(name), 16) + U16(type) + U32(bif << 20 | index);
}

// Two BIFs (the second's name ends in a NUL) and seven keys: file table at 64, names at 88,
// keys at 109.
std::string Key() {
    return "KEY V1  " + U32(2) + U32(7) + U32(64) + U32(109) + U32(126) + U32(1) +
           std::string(32, '\0') + U32(47) + U32(88) + U16(10) + U16(1) + U32(118) + U32(98) +
           U16(11) + U16(1) + "data\\a.bif" + std::string("data\\b.bif\0", 11) +
           KeyEntry("MUS_A", 8, 0, 0) + KeyEntry("dup", 8, 0, 0) + KeyEntry("dup", 8, 1, 1) +
           KeyEntry("mus_a", 4, 1, 0) + KeyEntry("far", 8, 5, 0) + KeyEntry("gone", 8, 0, 7) +
           KeyEntry("wild", 8, 1, 2);
}

// One entry in a.bif; in b.bif two, then one that passes the end.
const std::map<std::string, std::string> kBifs = {
    {"data\\a.bif",
     "BIFFV1  " + U32(1) + U32(0) + U32(20) + U32(0) + U32(36) + U32(3) + U32(8) + "aaa"},
    {"data\\b.bif", "BIFFV1  " + U32(3) + U32(0) + U32(20) + U32(0) + U32(68) + U32(2) + U32(8) +
                        U32(1) + U32(70) + U32(2) + U32(8) + U32(2) + U32(70) + U32(99) + U32(8) +
                        "b0b1"}};

GameResource LookUp(const std::string& key, const std::map<std::string, std::string>& bifs,
                    std::string_view resRef, std::uint16_t type) {
    const BifOpener open = [&](const std::string& name, std::string& error) {
        const auto bif = bifs.find(name);
        error = "no " + name;
        return bif == bifs.end() ? std::nullopt : std::optional(MemoryRandomAccess(bif->second));
    };
    return ReadKeyResource(MemoryRandomAccess(key), open, resRef, type);
}

}  // namespace

TEST(KeyBif, LooksResourcesUpByNameAndType) {
    const struct {
        const char* resRef;
        std::uint16_t type;
        std::string bytes;  // when found
        std::string error;
    } cases[] = {{"mus_a", 8, "aaa", ""},
                 {"DUP", 8, "b1", ""},
                 {"Mus_A", 4, "b0", ""},
                 {"none", 8, "", ""},
                 {"mus_a", 2017, "", ""},
                 {"far", 8, "", "The key file: an entry names a BIF it does not list"},
                 {"gone", 8, "", "data\\a.bif: the key names an entry it does not have"},
                 {"wild", 8, "", "data\\b.bif: an entry lies outside the file"}};
    for (const auto& [resRef, type, bytes, error] : cases) {
        const GameResource found = LookUp(Key(), kBifs, resRef, type);
        EXPECT_EQ(found.found, !bytes.empty()) << resRef;
        EXPECT_EQ(found.bytes, bytes) << resRef;
        EXPECT_EQ(found.error, error) << resRef;
    }
}

TEST(KeyBif, RefusesDamagedKeysAndArchives) {
    const struct {
        bool inBif;
        std::size_t at;
        std::string bytes;
    } cases[] = {{false, 0, "KEZ "},        {false, 4, "V2  "},        {false, 8, U32(1 << 28)},
                 {false, 12, U32(1 << 28)}, {false, 16, U32(10)},      {false, 20, U32(10)},
                 {false, 68, U32(5000)},    {false, 72, U16(60000)},   {true, 0, "BIF "},
                 {true, 4, "V1.0"},         {true, 8, U32(1 << 28)},   {true, 16, U32(4)},
                 {true, 24, U32(5000)},     {false, 88, "data\\c.bif"}};
    for (const auto& [inBif, at, bytes] : cases) {
        std::string key = Key();
        auto bifs = kBifs;
        (inBif ? bifs["data\\a.bif"] : key).replace(at, bytes.size(), bytes);
        const GameResource found = LookUp(key, bifs, "mus_a", 8);
        EXPECT_FALSE(found.found) << at;
        EXPECT_FALSE(found.error.empty()) << at;
    }
}

class KeyBifFiles : public ScratchHome {};

TEST_F(KeyBifFiles, ReadsTheBifTheKeyNamesInTheGameFolder) {
    WriteFile(Path("game/chitin.key"), Key());
    for (const auto& [name, bytes] : kBifs) WriteFile(Path("game/data/" + name.substr(5)), bytes);
    EXPECT_EQ(ReadKeyResource(Path("game"), Path("game/chitin.key"), "dup", 8).bytes, "b1");
    std::filesystem::remove(Path("game/data/b.bif"));
    EXPECT_EQ(ReadKeyResource(Path("game"), Path("game/chitin.key"), "dup", 8).error,
              Path("game") + "/data/b.bif: No such file or directory");
}
