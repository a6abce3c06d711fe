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

    std::vector<Entry> lists[2];
    std::string directories[2];
    int options[3] = {0, 0, 0};  // by OptionId
    std::deque<MsgButton> answers;
    std::vector<Question> questions;
    std::vector<std::string> calls;
    std::function<void(const std::string& call)> onCall;  // runs after a call is recorded

    std::vector<Entry>& List(ListId list) { return lists[static_cast<int>(list)]; }

    std::vector<std::string> SelectedNames(ListId list) {
        std::vector<std::string> names;
        for (const Entry& e : List(list)) {
            if (e.selected) names.push_back(e.name);
        }
        return names;
    }
    std::vector<std::string> QuestionTitles() const {
        std::vector<std::string> titles;
        for (const Question& q : questions) titles.push_back(q.title);
        return titles;
    }
    // The calls whose text starts with `prefix`, in order.
    std::vector<std::string> Calls(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& c : calls) {
            if (c.rfind(prefix, 0) == 0) found.push_back(c);
        }
        return found;
    }

    int EntryCount(ListId list) override {
        Record("EntryCount " + Name(list));
        return static_cast<int>(List(list).size());
    }
    bool EntrySelected(ListId list, int position) override {
        Record("EntrySelected " + Name(list) + " " + std::to_string(position));
        return At(list, position) != nullptr && At(list, position)->selected;
    }
    std::string EntryName(ListId list, int position) override {
        Record("EntryName " + Name(list) + " " + std::to_string(position));
        return At(list, position) != nullptr ? At(list, position)->name : std::string();
    }
    void DeselectEntry(ListId list, int position) override {
        Record("DeselectEntry " + Name(list) + " " + std::to_string(position));
        if (At(list, position) != nullptr) At(list, position)->selected = false;
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
        Record("RefillList " + Name(list) + " " + dirWithSeparator + " " + mask +
               (append ? " append" : ""));
    }
    std::string DirectoryText(ListId pane) override {
        Record("DirectoryText " + Name(pane));
        return directories[static_cast<int>(pane)];
    }
    int OptionState(tunewrap::OptionId option) override {
        Record("OptionState " + std::to_string(static_cast<int>(option)));
        return options[static_cast<int>(option)];
    }

  private:
    static std::string Name(ListId list) { return list == ListId::MP3 ? "MP3" : "BMU"; }

    // Positions outside the list are a fault of the job; they are reported, never followed.
    Entry* At(ListId list, int position) {
        auto& entries = List(list);
        if (position < 1 || position > static_cast<int>(entries.size())) {
            ADD_FAILURE() << "position " << position << " outside the list";
            return nullptr;
        }
        return &entries[static_cast<std::size_t>(position - 1)];
    }
    void Record(std::string call) {
        calls.push_back(std::move(call));
        if (onCall) onCall(calls.back());
    }
};
