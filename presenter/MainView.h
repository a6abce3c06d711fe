#pragma once
#include <optional>
#include <string>
#include <vector>

#include "ConversionHost.h"
#include "WindowPlace.h"

namespace tunewrap {

class HakPlan;

// What the main window's presenter turns on and off besides the options.
enum class Control {
    ConvertToBMU,
    ConvertToMP3,
    About,
    WAVExtension,
    MenuProperties,
    ReencodeUnsuitable,
    MenuPackIntoHak
};
// Name, Size and Modified, then the audio facts (FactColumn's order).
enum class ListColumn {
    Name = 0,
    Size = 1,
    Date = 2,
    Length = 3,
    BitRate = 4,
    Kilohertz = 5,
    Channels = 6,
    Verdict = 7
};

// A column's width as the screen has it, and as twips for the settings.
struct ColumnWidth {
    int pixels = 0;
    float twips = 0.0f;
};

// What a column's texts (and heading) need, and the room the list has for its columns, in pixels.
struct ColumnRoom {
    int contents = 0;
    int list = 0;
};

// The buttons a box offers: OK alone, Yes and No, or those and "Yes to All" and "No to All".
enum class BoxButtons { Ok, YesNo, YesNoToAll };
enum class BoxAnswer { Yes, No, YesToAll, NoToAll };

// What the last batch came to: its line ("3 converted, 1 skipped, 1 failed") and each file with
// what became of it.
struct BatchSummary {
    struct File {
        std::string name, outcome;
        bool operator==(const File&) const = default;
    };
    std::string line;
    std::vector<File> files;
    bool operator==(const BatchSummary&) const = default;
};

// The main window as its presenter sees it: two lists of files (rows at 1-based positions, in
// displayed order), their directory boxes, the options' check boxes, the message box and the
// dialogs the window opens. It shows what it is told and decides nothing.
class MainView {
  public:
    virtual ~MainView() = default;

    virtual int RowCount(ListId list) = 0;
    virtual std::string RowName(ListId list, int position) = 0;
    virtual bool RowSelected(ListId list, int position) = 0;
    virtual void SelectRow(ListId list, int position, bool selected) = 0;
    virtual void ScrollToRow(ListId list, int position) = 0;
    // The entries of dirWithSeparator matching mask, after the rows there are when `append`.
    virtual void FillList(ListId list, const std::string& dirWithSeparator, const std::string& mask,
                          bool append) = 0;
    virtual void SortList(ListId list, ListColumn column, bool descending) = 0;
    // (Re)starts the wait for the list's folder to fall quiet, told to FolderQuiet.
    virtual void AwaitQuiet(ListId list) = 0;
    // Sets the column to `twips`, or fits it to its contents without; returns its pixels.
    virtual int SetColumnWidth(ListId list, ListColumn column, std::optional<float> twips) = 0;
    virtual ColumnWidth CurrentColumnWidth(ListId list, ListColumn column) = 0;
    virtual ColumnRoom ColumnNeeds(ListId list, ListColumn column) = 0;
    virtual void SetColumnPixels(ListId list, ListColumn column, int pixels) = 0;
    virtual void ShowColumn(ListId list, ListColumn column, bool shown) = 0;
    // Reads the audio facts of the list's rows (in dirWithSeparator) in the background, dropping
    // a reading under way, and judges them with the .wav expectation as JudgedAsWav says for
    // `wavOption`.
    virtual void ReadFacts(ListId list, const std::string& dirWithSeparator, bool wavOption) = 0;
    // Judges the facts read so far, and those still to come, with the option changed.
    virtual void JudgeFacts(ListId list, bool wavOption) = 0;

    virtual std::string DirectoryBoxText(ListId pane) = 0;
    virtual void SetDirectoryBoxText(ListId pane, const std::string& text) = 0;
    virtual void CheckOption(OptionId option, bool checked) = 0;
    virtual void Enable(Control control, bool enabled) = 0;
    virtual void ShowBusy(bool busy) = 0;

    // A question or, with BoxButtons::Ok, a message (answered No, as Escape would).
    virtual BoxAnswer ShowBox(const TextLines& text, const std::string& title, MsgIcon icon,
                              MsgButton defaultButton, BoxButtons buttons) = 0;
    // Shows the summary below the lists, or clears it when it has no line.
    virtual void ShowSummary(const BatchSummary& summary) = 0;
    // The folder picked, or empty when the picker was cancelled.
    virtual std::string PickFolder(const std::string& title, const std::string& start) = 0;
    virtual void ShowProperties(const std::string& path, bool wavExtension) = 0;
    // The "Pack into hak" dialog over `plan`, which it edits as the user types; true for Make.
    virtual bool EditHakPlan(HakPlan& plan) = 0;
    virtual void MoveToTrash(const std::string& path) = 0;

    // Places the window where it was stored, or where it fits best without a stored place.
    virtual void PlaceWindow(const std::optional<WindowPlace>& stored) = 0;
    virtual WindowPlace CurrentPlace() = 0;
    // Cancels the running copy and turns down any open question, so the batch ends at once.
    virtual void StopBatch() = 0;
    virtual void Close() = 0;
};

}  // namespace tunewrap
