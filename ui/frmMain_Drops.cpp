// Files and folders handed to the window from outside: dropped on a pane from the file manager,
// or named on the command line.
#include <QDropEvent>
#include <QMimeData>
#include <algorithm>
#include <functional>

#include "OpenedFiles.h"
#include "frmMain.h"

using tunewrap::ListId;

namespace {

// The dropped files stand in for the selected entries of the list they come from; everything
// else (the questions, the busy state, the options, the folder they go to and its list) is the
// window's, so a drop runs the very batch of the convert button.
class DroppedFilesHost : public tunewrap::ConversionHost {
  public:
    DroppedFilesHost(tunewrap::ConversionHost& window, ListId source,
                     const std::vector<PaneDrop::File>& files)
        : window_(window), source_(source), files_(files), selected_(files.size(), true) {}

    int EntryCount(ListId list) override {
        return list == source_ ? static_cast<int>(files_.size()) : window_.EntryCount(list);
    }
    bool EntrySelected(ListId list, int position) override {
        if (list != source_) return window_.EntrySelected(list, position);
        return Valid(position) && selected_[position - 1];
    }
    std::string EntryName(ListId list, int position) override {
        if (list != source_) return window_.EntryName(list, position);
        return Valid(position) ? files_[position - 1].name : std::string();
    }
    std::string EntryPath(ListId list, int position) override {
        if (list != source_) return window_.EntryPath(list, position);
        return Valid(position) ? files_[position - 1].path : std::string();
    }
    void DeselectEntry(ListId list, int position) override {
        if (list != source_) return window_.DeselectEntry(list, position);
        if (Valid(position)) selected_[position - 1] = false;
    }
    tunewrap::MsgButton AskYesNo(tunewrap::QuestionKind kind, const tunewrap::TextLines& text,
                                 const std::string& title, tunewrap::MsgIcon icon,
                                 tunewrap::MsgButton defaultButton) override {
        return window_.AskYesNo(kind, text, title, icon, defaultButton);
    }
    void Tell(tunewrap::QuestionKind kind, const tunewrap::TextLines& text,
              const std::string& title, tunewrap::MsgIcon icon) override {
        window_.Tell(kind, text, title, icon);
    }
    void BeginBusy() override { window_.BeginBusy(); }
    void EndBusy() override { window_.EndBusy(); }
    void RefillList(ListId list, const std::string& dirWithSeparator, const std::string& mask,
                    bool append) override {
        window_.RefillList(list, dirWithSeparator, mask, append);
    }
    std::string DirectoryText(ListId pane) override { return window_.DirectoryText(pane); }
    int OptionState(tunewrap::OptionId option) override { return window_.OptionState(option); }

  private:
    bool Valid(int position) const {
        return position >= 1 && position <= static_cast<int>(files_.size());
    }

    tunewrap::ConversionHost& window_;
    ListId source_;
    const std::vector<PaneDrop::File>& files_;
    std::vector<bool> selected_;
};

// Takes the file manager's drops on the controls of one pane. The pointer shows that a drop
// will be taken only when it would be acted on. A drop is always taken as a copy: taken as a
// move, the file manager would remove what was dragged.
class PaneDropFilter : public QObject {
  public:
    using Read = std::function<PaneDrop(const QMimeData&)>;
    using Act = std::function<void(const PaneDrop&)>;
    PaneDropFilter(QObject* parent, Read read, Act act)
        : QObject(parent), read_(std::move(read)), act_(std::move(act)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
            return false;
        }
        auto* drag = static_cast<QDropEvent*>(event);  // the drag events derive from it
        // Text dragged onto the directory box stays the box's own business.
        if (!drag->mimeData()->hasUrls()) return false;
        // A move over the pane asks again about the same data: what the enter found holds.
        if (type != QEvent::DragMove) hovering_ = read_(*drag->mimeData());
        if (hovering_.kind == PaneDrop::Kind::Refused ||
            !drag->possibleActions().testFlag(Qt::CopyAction)) {
            drag->ignore();
            return true;
        }
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        // Acted on once the file manager has heard that the drop was taken, not while it waits.
        if (type == QEvent::Drop) {
            QMetaObject::invokeMethod(
                parent(), [act = act_, drop = hovering_] { act(drop); }, Qt::QueuedConnection);
        }
        return true;
    }

  private:
    Read read_;
    Act act_;
    PaneDrop hovering_;
};

}  // namespace

void frmMain::AcceptDrops() {
    const struct {
        ListId pane;
        std::vector<QWidget*> controls;
    } panes[] = {
        {ListId::MP3, {lblMP3, txtMP3Dir, cmdPromptForMP3Dir, cmdMP3Refresh, lvwMP3List}},
        {ListId::BMU, {lblBMU, txtBMUDir, cmdPromptForBMUDir, cmdBMURefresh, lvwBMUList}},
    };
    for (const auto& [pane, controls] : panes) {
        auto* filter = new PaneDropFilter(
            this, [this, pane](const QMimeData& data) { return ReadDrop(pane, data); },
            [this, pane](const PaneDrop& drop) { CarryOut(pane, drop); });
        std::vector<QWidget*> targets = controls;
        targets.push_back(List(pane).viewport());  // where the rows are, the list's own events
        for (QWidget* target : targets) {
            target->setAcceptDrops(true);
            target->installEventFilter(filter);
        }
    }
}

// Nothing dropped is acted on while a batch runs.
PaneDrop frmMain::ReadDrop(ListId pane, const QMimeData& data) const {
    return batchRunning_ ? PaneDrop{} : ReadPaneDrop(pane, data.urls());
}

void frmMain::CarryOut(ListId pane, const PaneDrop& drop) {
    if (drop.kind == PaneDrop::Kind::ListFolder) {
        ListFolder(pane, drop.folder);
    } else if (drop.kind == PaneDrop::Kind::Convert) {
        DroppedFilesHost host(*this, OtherPane(pane), drop.files);
        if (pane == ListId::BMU) {
            RunBatch(&tunewrap::ConvertToBMU, host);
        } else {
            RunBatch(&tunewrap::ConvertToMP3, host);
        }
        // The batch took none of the lists' selections, so a button whose list still has one
        // comes back on.
        EnableOnSelection(*lvwMP3List, cmdConvertToBMU);
        EnableOnSelection(*lvwBMUList, cmdConvertToMP3);
    }
}

void frmMain::OpenWith(const WindowArguments& arguments) {
    for (const ListId pane : {ListId::MP3, ListId::BMU}) {
        const auto index = static_cast<std::size_t>(pane);
        if (arguments.folders[index].empty()) continue;
        ListFolder(pane, arguments.folders[index]);
        FileListView& list = List(pane);
        const std::vector<std::string>& names = arguments.selected[index];
        QTreeWidgetItem* first = nullptr;
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = list.topLevelItem(i);
            const bool wanted =
                std::find(names.begin(), names.end(), FileListView::FileName(*row)) != names.end();
            row->setSelected(wanted);
            if (wanted && first == nullptr) first = row;
        }
        if (first != nullptr) list.scrollToItem(first);
        EnableOnSelection(list, ConvertButton(pane));
    }
}
