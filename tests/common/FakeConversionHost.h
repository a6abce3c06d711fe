#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ConversionHost.h"

// Plays the window for the batch jobs: two lists with selections, two directory texts, three
// options, and scripted answers to the questions, taken in order. Every call is recorded.
class FakeConversionHost : public tunewrap::ConversionHost {
  public:
    using ListId = tunewrap::ListId;
    using MsgButton = tunewrap::MsgButton;
    using MsgIcon = tunewrap::MsgIcon;
    struct Entry {
        std::string name;
        bool selected = true;
    };
    struct Question {
        std::string text, title;
        MsgIcon icon;
        MsgButton defaultButton;
    };

    std::vector<Entry> lists[2];  // by ListId
    std::string directories[2];
    int options[3] = {0, 0, 0};  // by OptionId
    std::deque<MsgButton> answers;
    std::vector<Question> questions;
    std::vector<std::string> calls;
    std::function<void(const std::string& call)> onCall;  // runs after a call is recorded

    std::vector<Entry>& List(ListId list) { return lists[static_cast<int>(list)]; }
    std::vector<std::string> SelectedNames(ListId list) {
        std::vector<std::string> names;
        for (const Entry& e : List(list))
            if (e.selected) names.push_back(e.name);
        return names;
    }

    int EntryCount(ListId list) override { return static_cast<int>(List(list).size()); }
    bool EntrySelected(ListId list, int position) override {
        Entry* e = At("EntrySelected", list, position);
        return e != nullptr && e->selected;
    }
    std::string EntryName(ListId list, int position) override {
        Entry* e = At("EntryName", list, position);
        return e != nullptr ? e->name : std::string();
    }
    void DeselectEntry(ListId list, int position) override {
        if (Entry* e = At("DeselectEntry", list, position)) e->selected = false;
    }
    MsgButton AskYesNo(const std::string& text, const std::string& title, MsgIcon icon,
                       MsgButton defaultButton) override {
        questions.push_back({text, title, icon, defaultButton});
        Record("AskYesNo " + title);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return defaultButton;
        }
        const MsgButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void BeginBusy() override { Record("BeginBusy"); }
    void EndBusy() override { Record("EndBusy"); }
    void RefillList(ListId list, const std::string& dirWithSeparator, const std::string& mask,
                    bool append) override {
        Record(Name("RefillList", list) + " " + dirWithSeparator + " " + mask +
               (append ? " append" : ""));
    }
    std::string DirectoryText(ListId pane) override { return directories[static_cast<int>(pane)]; }
    int OptionState(tunewrap::OptionId option) override {
        return options[static_cast<int>(option)];
    }

  private:
    static std::string Name(const std::string& call, ListId list) {
        return call + (list == ListId::MP3 ? " MP3" : " BMU");
    }
    void Record(std::string call) {
        calls.push_back(std::move(call));
        if (onCall) onCall(calls.back());
    }
    // Positions outside the list are a fault of the job; they are reported, never followed.
    Entry* At(const std::string& call, ListId list, int position) {
        Record(Name(call, list) + " " + std::to_string(position));
        auto& entries = List(list);
        if (position >= 1 && position <= static_cast<int>(entries.size()))
            return &entries[static_cast<std::size_t>(position - 1)];
        ADD_FAILURE() << call << " at " << position << ", outside the list";
        return nullptr;
    }
};
