// Files and folders dropped on a pane from the file manager.
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <functional>

#include "OpenedFiles.h"
#include "frmMain.h"

using tunewrap::ListId;

namespace {

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

// What the drop would do; an address that is no local file is refused with the rest.
PaneDrop ReadDrop(ListId pane, const QList<QUrl>& urls) {
    std::vector<std::string> paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) return {};
        // The file system's bytes, also for a name that is no valid text in the user's encoding.
        paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    }
    return ReadPaneDrop(pane, paths);
}

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
            this,
            [this, pane](const QMimeData& data) {
                return presenter_->TakesDrops() ? ReadDrop(pane, data.urls()) : PaneDrop{};
            },
            [this, pane](const PaneDrop& drop) { presenter_->Dropped(pane, drop); });
        std::vector<QWidget*> targets = controls;
        targets.push_back(List(pane).viewport());  // where the rows are, the list's own events
        for (QWidget* target : targets) {
            target->setAcceptDrops(true);
            target->installEventFilter(filter);
        }
    }
}
