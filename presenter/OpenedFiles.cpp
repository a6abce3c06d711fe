#include "OpenedFiles.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "ListedFiles.h"
#include "PathJoin.h"
#include "UiText.h"

using tunewrap::ListId;

namespace {

namespace fs = std::filesystem;

// What a path names, as the panes see it.
struct Target {
    bool folder = false;
    std::optional<ListId> list;  // a file: the list that would show it, if any
    std::string name;            // a file: its name
    std::string unusable;        // why the path can be neither listed nor converted
};

Target Classify(const std::string& path) {
    Target target;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) {
        target.unusable = error.message();
    } else if (fs::is_directory(status)) {
        target.folder = true;
    } else if (!fs::is_regular_file(status)) {
        target.unusable = platform::Tr("OpenedFiles", "not a file or folder");
    } else {
        std::string folder;
        platform::SplitPath(path, folder, target.name);
        for (const ListId list : {ListId::MP3, ListId::BMU}) {
            if (tunewrap::ShownInList(list, target.name, path)) target.list = list;
        }
    }
    return target;
}

// The form a pane's box shows: absolute, without a trailing separator.
std::string FolderText(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return platform::WithoutTrailingSeparators(
        (error ? fs::path(path) : absolute).lexically_normal().string());
}

}  // namespace

PaneDrop ReadPaneDrop(ListId pane, const std::vector<std::string>& paths) {
    std::vector<std::string> folders;
    std::vector<PaneDrop::File> files;
    for (const std::string& path : paths) {
        const Target target = Classify(path);
        if (target.folder) {
            folders.push_back(FolderText(path));
        } else if (target.unusable.empty() && target.list == OtherPane(pane)) {
            files.push_back({path, target.name});
        } else {
            return {};
        }
    }
    if (folders.size() == 1 && files.empty()) return {PaneDrop::Kind::ListFolder, folders[0], {}};
    if (folders.empty() && !files.empty()) return {PaneDrop::Kind::Convert, {}, std::move(files)};
    return {};
}

WindowArguments ParseWindowArguments(const std::vector<std::string>& paths) {
    WindowArguments arguments;
    auto fail = [](const std::string& path, const std::string& why) {
        WindowArguments failed;
        failed.error = path + ": " + why;
        return failed;
    };
    std::vector<std::string> folders;
    for (const std::string& path : paths) {
        const Target target = Classify(path);
        if (!target.unusable.empty()) return fail(path, target.unusable);
        if (target.folder) {
            folders.push_back(path);
            continue;
        }
        if (!target.list)
            return fail(path, platform::Tr("OpenedFiles", "neither an MP3 nor a BMU file"));
        const auto pane = static_cast<std::size_t>(*target.list);
        const std::string folder = FolderText(platform::ParentPath(path));
        if (!arguments.folders[pane].empty() && arguments.folders[pane] != folder) {
            return fail(path, platform::Filled(platform::Tr("OpenedFiles",
                                                            "not in %1, the folder of the files "
                                                            "before it of its kind"),
                                               {arguments.folders[pane]}));
        }
        arguments.folders[pane] = folder;
        arguments.selected[pane].push_back(target.name);
    }
    for (const std::string& path : folders) {
        const std::string folder = FolderText(path);
        auto& panes = arguments.folders;
        if (std::find(panes.begin(), panes.end(), folder) != panes.end()) continue;
        const auto free = std::find(panes.begin(), panes.end(), "");
        if (free == panes.end())
            return fail(path, platform::Tr("OpenedFiles", "both panes already have a folder"));
        *free = folder;
    }
    return arguments;
}
