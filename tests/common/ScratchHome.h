#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A private temporary directory per test, with $HOME, $XDG_DATA_HOME and $XDG_CONFIG_HOME moved
// into it so no test touches the real user's files, settings or trash.
class ScratchHome : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/tunewrap-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
            const char* old = getenv(name);
            saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        }
        setenv("HOME", (root_ / "home").c_str(), 1);
        setenv("XDG_DATA_HOME", (root_ / "home/.local/share").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root_ / "home/.config").c_str(), 1);
        std::filesystem::create_directories(root_ / "home");
    }

    void TearDown() override {
        for (const auto& mount : mounts_) umount2(mount.c_str(), MNT_DETACH);
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
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

    // A tmpfs at `relative` (options as for mount(8)), removed at tear-down; false when this
    // machine does not allow mounting.
    bool MountTmpfs(const std::string& relative, const std::string& options) {
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
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
    std::vector<std::string> mounts_;
};
