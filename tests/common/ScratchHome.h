#pragma once
#include <gtest/gtest.h>
#include <sched.h>
#include <stdlib.h>
#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

// The committed sample files. (Compiled in: ctest's environment list loses all but one entry.)
inline std::string TestDataPath(const std::string& name) {
    return std::string(TUNEWRAP_TEST_DATA_DIR) + "/" + name;
}

// A private temporary directory per test, with $HOME, $XDG_DATA_HOME and $XDG_CONFIG_HOME moved
// into it so no test touches the real user's files, settings or trash.
class ScratchHome : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/tunewrap-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        setenv("HOME", (root_ / "home").c_str(), 1);
        setenv("XDG_DATA_HOME", (root_ / "home/.local/share").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root_ / "home/.config").c_str(), 1);
        std::filesystem::create_directories(root_ / "home");
    }

    void TearDown() override {
        for (const auto& mount : mounts_) umount2(mount.c_str(), MNT_DETACH);
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::string Path(const std::string& relative) const { return (root_ / relative).string(); }

    void WriteFile(const std::string& path, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The names in a directory under the scratch root.
    std::set<std::string> Listing(const std::string& relative) const {
        std::set<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(Path(relative), error))
            names.insert(entry.path().filename().string());
        return names;
    }

    // A tmpfs at `relative` (options as for mount(8)), removed at tear-down; false when this
    // machine does not allow mounting. The mounts are private to this process, so they vanish
    // with it even when it dies before its tear-down.
    bool MountTmpfs(const std::string& relative, const std::string& options) {
        static const bool privateMounts =
            unshare(CLONE_NEWNS) == 0 &&
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        (void)privateMounts;
        const std::string target = Path(relative);
        std::filesystem::create_directories(target);
        if (mount("tmpfs", target.c_str(), "tmpfs", 0, options.c_str()) != 0) return false;
        mounts_.push_back(target);
        return true;
    }

    static bool RemountReadOnly(const std::string& target) {
        return mount(nullptr, target.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    std::filesystem::path root_;

  private:
    std::vector<std::string> mounts_;
};
