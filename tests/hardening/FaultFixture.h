#pragma once
#include <sched.h>
#include <sys/mount.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "common/ScratchHome.h"

// A scratch home whose mounts stay private to this test process: the test's tmpfs mounts
// vanish with it even when it dies before its tear-down.
class FaultTest : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        static const bool privateMounts =
            unshare(CLONE_NEWNS) == 0 &&
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        (void)privateMounts;
    }

    // The names in a directory, sorted.
    std::set<std::string> Listing(const std::string& relative) const {
        std::set<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(Path(relative), error)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
};
