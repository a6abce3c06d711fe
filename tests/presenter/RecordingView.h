#pragma once
#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "MainView.h"
#include "Options.h"
#include "SettingsStore.h"

// The window as a presenter test sees it: a list holds the names in its folder that end as its
// mask does (in any case), sorted; the rest are plain values. Dialogs answer from the test's
// script, and what the window was told to do beyond showing values is noted in `log`.
class RecordingView : public tunewrap::MainView {
  public:
    using ListId = tunewrap::ListId;
    using Names = std::vector<std::string>;
    struct Row {
        std::string name;
        bool selected = false;
    };
    std::array<std::vector<Row>, 2> rows;
    std::array<std::string, 2> boxes;
    std::array<bool, tunewrap::kOptionCount> checked{};
    std::map<tunewrap::Control, bool> enabled;
    std::map<std::pair<ListId, tunewrap::ListColumn>, int> pixels;    // 15 twips to a pixel
    std::map<std::pair<ListId, tunewrap::ListColumn>, int> contents;  // what the texts need
    std::map<std::pair<ListId, tunewrap::ListColumn>, bool> shown;
    int listRoom = 300;
    bool busy = false;
    std::vector<tunewrap::BoxAnswer> answers;  // in turn; No once they run out
    Names asked;  // "title: line\nline...", and " [to all]" when offered
    tunewrap::BatchSummary summary;
    std::string picked;  // the folder picker's answer
    std::optional<tunewrap::WindowPlace> placed;
    tunewrap::WindowPlace place{40, 30, 950, 430, false};
    Names log;
    Names sorts;  // "list by column", " down" when descending

    Names Listed(ListId list, bool selectedOnly = false) const {
        Names names;
        for (const Row& row : rows[Index(list)])
            if (!selectedOnly || row.selected) names.push_back(row.name);
        return names;
    }
    void Select(ListId list, const Names& names) {  // exactly these
        for (Row& row : rows[Index(list)])
            row.selected = std::count(names.begin(), names.end(), row.name) > 0;
    }
    bool On(tunewrap::Control control) { return enabled[control]; }
    int& Width(ListId list, int column) {
        return pixels[{list, static_cast<tunewrap::ListColumn>(column)}];
    }

    int RowCount(ListId list) override { return static_cast<int>(rows[Index(list)].size()); }
    std::string RowName(ListId list, int position) override { return At(list, position).name; }
    bool RowSelected(ListId list, int position) override { return At(list, position).selected; }
    void SelectRow(ListId list, int position, bool selected) override {
        At(list, position).selected = selected;
    }
    void ScrollToRow(ListId list, int position) override {
        log.push_back("scroll " + std::to_string(position) + " of " + std::to_string(int(list)));
    }
    void FillList(ListId list, const std::string& dir, const std::string& mask,
                  bool append) override {
        if (!append) rows[Index(list)].clear();
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
            const std::string name = entry.path().filename().string();
            if (Lower(name).ends_with(mask.substr(1))) rows[Index(list)].push_back({name});
        }
        std::sort(rows[Index(list)].begin(), rows[Index(list)].end(),
                  [](const Row& a, const Row& b) { return a.name < b.name; });
    }
    void SortList(ListId list, tunewrap::ListColumn column, bool descending) override {
        sorts.push_back(std::to_string(int(list)) + " by " + std::to_string(int(column)) +
                        (descending ? " down" : ""));
    }
    void AwaitQuiet(ListId list) override { log.push_back("await " + std::to_string(int(list))); }
    int SetColumnWidth(ListId list, tunewrap::ListColumn column,
                       std::optional<float> twips) override {
        return pixels[{list, column}] = twips ? int(*twips / 15) : 100;  // 100: fitted
    }
    tunewrap::ColumnWidth CurrentColumnWidth(ListId list, tunewrap::ListColumn column) override {
        const int width = pixels[{list, column}];
        return {width, width * 15.0f};
    }
    tunewrap::ColumnRoom ColumnNeeds(ListId list, tunewrap::ListColumn column) override {
        return {contents[{list, column}], listRoom};
    }
    void SetColumnPixels(ListId list, tunewrap::ListColumn column, int width) override {
        pixels[{list, column}] = width;
    }
    void ShowColumn(ListId list, tunewrap::ListColumn column, bool on) override {
        shown[{list, column}] = on;
    }
    void ReadFacts(ListId list, const std::string&, bool wav) override {
        log.push_back("facts " + std::to_string(int(list)) + (wav ? " wav" : ""));
    }
    void JudgeFacts(ListId list, bool wav) override {
        log.push_back("judge " + std::to_string(int(list)) + (wav ? " wav" : ""));
    }
    std::string DirectoryBoxText(ListId pane) override { return boxes[Index(pane)]; }
    void SetDirectoryBoxText(ListId pane, const std::string& text) override {
        boxes[Index(pane)] = text;
    }
    void CheckOption(tunewrap::OptionId option, bool on) override {
        checked[static_cast<std::size_t>(option)] = on;
    }
    void Enable(tunewrap::Control control, bool on) override { enabled[control] = on; }
    void ShowBusy(bool on) override { busy = on; }
    tunewrap::BoxAnswer ShowBox(const tunewrap::TextLines& text, const std::string& title,
                                tunewrap::MsgIcon, tunewrap::MsgButton,
                                tunewrap::BoxButtons buttons) override {
        asked.push_back(title + ": " + tunewrap::JoinLines(text, "\n") +
                        (buttons == tunewrap::BoxButtons::YesNoToAll ? " [to all]" : ""));
        return asked.size() <= answers.size() ? answers[asked.size() - 1] : tunewrap::BoxAnswer::No;
    }
    void ShowSummary(const tunewrap::BatchSummary& shown) override { summary = shown; }
    std::string PickFolder(const std::string& title, const std::string& start) override {
        log.push_back("pick " + title + " at " + start);
        return picked;
    }
    // Make, with the plan as the test's hakPlan step leaves it; no dialog without one.
    std::function<bool(tunewrap::HakPlan&)> hakPlan;
    bool EditHakPlan(tunewrap::HakPlan& plan) override { return hakPlan && hakPlan(plan); }
    void ShowProperties(const std::string& path, bool wav) override {
        log.push_back("properties " + path + (wav ? " as .wav" : ""));
    }
    void MoveToTrash(const std::string& path) override { log.push_back("trash " + path); }
    void PlaceWindow(const std::optional<tunewrap::WindowPlace>& stored) override {
        placed = stored;
    }
    tunewrap::WindowPlace CurrentPlace() override { return place; }
    void StopBatch() override { log.push_back("stop"); }
    void Close() override { log.push_back("close"); }

  private:
    static std::size_t Index(ListId list) { return static_cast<std::size_t>(list); }
    Row& At(ListId list, int position) { return rows[Index(list)].at(position - 1); }
    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
};

// Settings kept in memory; `writes` counts every value written.
class MemorySettings : public tunewrap::SettingsStore {
  public:
    std::map<std::string, std::string> program, game;
    int writes = 0;

    bool Read(Owner owner, const std::string& name, std::string& text) override {
        const auto& values = owner == Owner::Program ? program : game;
        const auto found = values.find(name);
        if (found != values.end()) text = found->second;
        return found != values.end();
    }
    void Write(const std::string& name, const std::string& text) override {
        program[name] = text;
        ++writes;
    }
    std::string Stored(const std::string& name) const {
        const auto found = program.find(name);
        return found == program.end() ? "<absent>" : found->second;
    }
};
