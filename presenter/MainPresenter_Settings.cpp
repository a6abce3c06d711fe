// Start-up and shut-down: what the window remembers between runs.
#include <algorithm>
#include <charconv>
#include <cmath>

#include "FileIo.h"
#include "MainPresenter.h"
#include "PathJoin.h"
#include "Reencode.h"
#include "mdlString.h"

namespace tunewrap {

namespace {

// A column that can be hidden stores whether it is under `hiddenName`; it starts hidden, so the
// window looks as it always did until the user shows it.
struct ColumnSetting {
    const char* valueName;
    ListId list;
    ListColumn column;
    int designedTwips;
    const char* hiddenName = nullptr;
};

constexpr std::array<ColumnSetting, 16> kColumns = {{
    {"MP3FileColWidth", ListId::MP3, ListColumn::Name, 3510},
    {"MP3SizeColWidth", ListId::MP3, ListColumn::Size, 1050},
    {"MP3DateColWidth", ListId::MP3, ListColumn::Date, 1830},
    {"MP3LengthColWidth", ListId::MP3, ListColumn::Length, 750, "MP3LengthColHidden"},
    {"MP3BitRateColWidth", ListId::MP3, ListColumn::BitRate, 1500, "MP3BitRateColHidden"},
    {"MP3KHzColWidth", ListId::MP3, ListColumn::Kilohertz, 600, "MP3KHzColHidden"},
    {"MP3ChannelsColWidth", ListId::MP3, ListColumn::Channels, 1350, "MP3ChannelsColHidden"},
    {"MP3VerdictColWidth", ListId::MP3, ListColumn::Verdict, 1200, "MP3VerdictColHidden"},
    {"BMUFileColWidth", ListId::BMU, ListColumn::Name, 1890},
    {"BMUSizeColWidth", ListId::BMU, ListColumn::Size, 1050},
    {"BMUDateColWidth", ListId::BMU, ListColumn::Date, 1830},
    {"BMULengthColWidth", ListId::BMU, ListColumn::Length, 750, "BMULengthColHidden"},
    {"BMUBitRateColWidth", ListId::BMU, ListColumn::BitRate, 1500, "BMUBitRateColHidden"},
    {"BMUKHzColWidth", ListId::BMU, ListColumn::Kilohertz, 600, "BMUKHzColHidden"},
    {"BMUChannelsColWidth", ListId::BMU, ListColumn::Channels, 1350, "BMUChannelsColHidden"},
    {"BMUVerdictColWidth", ListId::BMU, ListColumn::Verdict, 1200, "BMUVerdictColHidden"},
}};
static_assert(kColumns.size() == MainPresenter::kStoredColumns);

// Some 70 inches: wider than a list on any screen can show, and far from what pixels can count.
constexpr float kLargestWidthTwips = 1.0e5f;

// The leading number of a stored width, blanks skipped; false when the text starts with none
// or the width could not be a column's.
bool ParseWidth(const std::string& text, float& twips) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return false;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + text.size(), twips);
    return error == std::errc() && end != text.data() + start && std::isfinite(twips) &&
           twips >= 0.0f && twips <= kLargestWidthTwips;
}

std::string FlagText(bool on) {
    return mdlString::TrimmedStr(std::int32_t{on ? 1 : 0});
}

}  // namespace

std::string MainPresenter::ReadSetting(const char* valueName) {
    std::string text;
    settings_.Read(SettingsStore::Owner::Program, valueName, text);
    return text;
}

void MainPresenter::WriteSetting(const char* valueName, const std::string& text) {
    settings_.Write(valueName, text);
}

void MainPresenter::Load() {
    ShowFolder(ListId::MP3, SourceDirectory());
    ShowFolder(ListId::BMU, DestinationDirectory());
    // Before the columns, which may fit the lists' width.
    view_.PlaceWindow(ParseWindowPlace(ReadSetting("WindowGeometry")));
    RestoreOptions();  // before the columns, whose facts are judged by one
    RestoreColumnWidths();
}

// A directory start-up cannot list gives way to the home directory, which is stored at once.
std::string MainPresenter::ListableOrHome(const std::string& dir, const char* valueName) {
    if (platform::IsListableDirectory(dir)) return dir;
    WriteSetting(valueName, home_);
    return home_;
}

std::string MainPresenter::SourceDirectory() {
    std::string stored;
    return settings_.Read(SettingsStore::Owner::Program, "MP3Dir", stored)
               ? ListableOrHome(stored, "MP3Dir")
               : home_;
}

// Without one of its own, the destination is the game's music folder, when the game is found.
std::string MainPresenter::DestinationDirectory() {
    std::string stored, game;
    if (settings_.Read(SettingsStore::Owner::Program, "BMUDir", stored)) {
        return ListableOrHome(stored, "BMUDir");
    }
    if (!settings_.Read(SettingsStore::Owner::Game, "Location", game)) return home_;
    // The music folder itself may be missing; its list is then simply empty.
    return platform::IsListableDirectory(game) ? WithSeparator(game) + "music"
                                               : ListableOrHome(game, "BMUDir");
}

void MainPresenter::RestoreColumnWidths() {
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        const ColumnSetting& setting = kColumns[i];
        if (setting.hiddenName != nullptr) {
            hidden_[i] = ReadSetting(setting.hiddenName) != "0";
            view_.ShowColumn(setting.list, setting.column, !hidden_[i]);
        }
        float twips = 0.0f;
        if (!ParseWidth(ReadSetting(setting.valueName), twips)) {
            // The facts are read after the listing: fitted now, their columns would fit nothing.
            if (view_.RowCount(setting.list) > 0 && setting.hiddenName == nullptr) {
                view_.SetColumnWidth(setting.list, setting.column, std::nullopt);
                continue;
            }
            twips = static_cast<float>(setting.designedTwips);
        }
        storedWidths_[i] = {twips, view_.SetColumnWidth(setting.list, setting.column, twips)};
        GrowColumn(i);
    }
    widthsRestored_ = true;
    for (const ListId list : {ListId::MP3, ListId::BMU})
        if (FactsWanted(list)) ReadFacts(list);
}

// A width stored under another font, or from an empty list, may cut the texts now listed: such a
// column grows to show them, within the list. It never shrinks, and a width the user dragged to
// stays theirs.
void MainPresenter::GrowColumn(std::size_t i) {
    const ColumnSetting& setting = kColumns[i];
    // The facts come after the listing, and their designed widths hold their texts: measuring
    // their cells, still empty, would only cost a large folder's start-up time.
    if (dragged_[i] || setting.hiddenName != nullptr) return;
    const ColumnRoom needs = view_.ColumnNeeds(setting.list, setting.column);
    const int wanted = std::min(needs.contents, needs.list);
    if (view_.CurrentColumnWidth(setting.list, setting.column).pixels < wanted)
        view_.SetColumnPixels(setting.list, setting.column, wanted);
}

void MainPresenter::FitColumns(ListId list) {
    if (!widthsRestored_) return;
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        if (kColumns[i].list == list) GrowColumn(i);
}

void MainPresenter::ColumnDragged(ListId list, ListColumn column) {
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        if (kColumns[i].list == list && kColumns[i].column == column) dragged_[i] = true;
}

bool MainPresenter::ColumnHideable(ListColumn column) {
    return std::any_of(kColumns.begin(), kColumns.end(), [column](const ColumnSetting& setting) {
        return setting.column == column && setting.hiddenName != nullptr;
    });
}

void MainPresenter::ColumnShown(ListId list, ListColumn column, bool shown) {
    if (!ColumnHideable(column)) return;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (kColumns[i].list != list || kColumns[i].column != column || hidden_[i] == !shown)
            continue;
        // A hidden column has no width on screen: the one it had is stored.
        if (!shown) {
            const ColumnWidth now = view_.CurrentColumnWidth(list, column);
            if (now.pixels != storedWidths_[i].pixels) storedWidths_[i] = {now.twips, now.pixels};
        }
        hidden_[i] = !shown;
    }
    view_.ShowColumn(list, column, shown);
    if (shown && !factsRead_[Index(list)]) ReadFacts(list);
}

bool MainPresenter::FactsWanted(ListId list) const {
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        if (kColumns[i].list == list && kColumns[i].hiddenName != nullptr && !hidden_[i])
            return true;
    return false;
}

void MainPresenter::ReadFacts(ListId list) {
    factsRead_[Index(list)] = true;
    view_.ReadFacts(list, listed_[Index(list)], OptionChecked(OptionId::WAVExtension));
}

void MainPresenter::SaveColumnWidths() {
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        const ColumnSetting& setting = kColumns[i];
        const ColumnWidth now = view_.CurrentColumnWidth(setting.list, setting.column);
        const float twips = hidden_[i] || now.pixels == storedWidths_[i].pixels
                                ? storedWidths_[i].twips
                                : now.twips;
        WriteSetting(setting.valueName, mdlString::TrimmedStr(twips));
        if (setting.hiddenName != nullptr) WriteSetting(setting.hiddenName, FlagText(hidden_[i]));
    }
}

// A value other than 0 or 1 gives the option's default. A build without re-encoding (the Windows
// one) shows its option off and greyed, rather than failing every unsuitable file it is asked to
// re-encode.
void MainPresenter::RestoreOptions() {
    for (const OptionInfo& option : kOptions) {
        const std::string text = ReadSetting(option.valueName);
        SetOption(option.id, text == "0" || text == "1" ? text == "1" : option.defaultOn);
    }
    if (!ReencodeAvailable()) SetOption(OptionId::ReencodeUnsuitable, false);
    view_.Enable(Control::ReencodeUnsuitable, ReencodeAvailable());
}

void MainPresenter::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    // An emptied box keeps the stored folder.
    for (const auto& [pane, valueName] :
         {std::pair{ListId::MP3, "MP3Dir"}, {ListId::BMU, "BMUDir"}}) {
        const std::string text = view_.DirectoryBoxText(pane);
        if (!text.empty()) WriteSetting(valueName, text);
    }
    SaveColumnWidths();
    for (const OptionInfo& option : kOptions) {
        WriteSetting(option.valueName, FlagText(OptionChecked(option.id)));
    }
    WriteSetting("WindowGeometry", WindowPlaceText(view_.CurrentPlace()));
}

}  // namespace tunewrap
