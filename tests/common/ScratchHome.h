#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>
#ifndef _WIN32
#include <sched.h>
#include <sys/mount.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

// The committed sample files. (Compiled in: ctest's environment list loses all but one entry.)
inline std::string TestDataPath(const std::string& name) {
    return std::string(TUNEWRAP_TEST_DATA_DIR) + "/" + name;
}

// A file-system path of a UTF-8 path: on Windows the narrow form would be the ANSI code page's.
inline std::filesystem::path FsPath(const std::string& path) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
    return path;
#endif
}

// A private temporary directory per test, with $HOME, $XDG_DATA_HOME and $XDG_CONFIG_HOME moved
// into it so no test touches the real user's files, settings or trash.
class ScratchHome : public ::testing::Test {
  protected:
    void SetUp() override {
#ifdef _WIN32
        std::random_device random;
        root_ = std::filesystem::temp_directory_path() /
                ("tunewrap-test-" + std::to_string(random()) + std::to_string(random()));
        ASSERT_TRUE(std::filesystem::create_directory(root_));
#else
        char pattern[] = "/tmp/tunewrap-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
#endif
        for (const auto& [name, relative] : {std::pair{"HOME", "home"},
                                             {"XDG_DATA_HOME", "home/.local/share"},
                                             {"XDG_CONFIG_HOME", "home/.config"}}) {
#ifdef _WIN32
            _putenv_s(name, Path(relative).c_str());
#else
            setenv(name, Path(relative).c_str(), 1);
#endif
        }
        std::filesystem::create_directories(root_ / "home");
    }

    void TearDown() override {
#ifndef _WIN32
        for (const auto& mount : mounts_) umount2(mount.c_str(), MNT_DETACH);
#endif
        RemoveTree(root_);
    }

    // Every file and folder there that can be removed. GCC 12's remove_all for Windows never
    // returns when one cannot, as a folder a window still watches.
    static void RemoveTree(const std::filesystem::path& dir) {
        std::error_code walking, ignored;
        for (std::filesystem::directory_iterator entry(dir, walking), end; !walking && entry != end;
             entry.increment(walking)) {
            if (entry->is_directory(ignored) && !entry->is_symlink(ignored))
                RemoveTree(entry->path());
            std::filesystem::remove(entry->path(), ignored);
        }
        std::filesystem::remove(dir, ignored);
    }

    std::string Path(const std::string& relative) const {
        const std::u8string path = (root_ / FsPath(relative)).u8string();
        return {path.begin(), path.end()};
    }

    void WriteFile(const std::string& path, const std::string& bytes) const {
        std::filesystem::create_directories(FsPath(path).parent_path());
        std::ofstream(FsPath(path), std::ios::binary | std::ios::trunc) << bytes;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(FsPath(path), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static std::string Sample(const std::string& name) {
        return ReadFile(TestDataPath(name));
    }

    // The names in a directory under the scratch root.
    std::set<std::string> Listing(const std::string& relative) const {
        std::set<std::string> names;
        std::error_code error;
        for (const auto& entry :
             std::filesystem::directory_iterator(FsPath(Path(relative)), error)) {
            const std::u8string name = entry.path().filename().u8string();
            names.emplace(name.begin(), name.end());
        }
        return names;
    }

#ifndef _WIN32
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
#endif

    std::filesystem::path root_;

  private:
    std::vector<std::string> mounts_;
};
