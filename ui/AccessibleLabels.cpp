#include "AccessibleLabels.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "Contrast.h"

namespace {

constexpr int kFullPercent = 100;

class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ProgressAccessible(ProgressPicture* picture)
        : QAccessibleWidget(picture, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return QString::number(Percent()) + QLatin1Char('%');
        return QAccessibleWidget::text(kind);
    }
    QVariant currentValue() const override { return Percent(); }
    void setCurrentValue(const QVariant&) override {}  // the copy sets it, nobody else
    QVariant maximumValue() const override { return kFullPercent; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

  private:
    int Percent() const { return static_cast<const ProgressPicture*>(object())->Percent(); }
};

class LinkAccessible : public QAccessibleWidget {
  public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return Link()->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            Link()->Activate();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

  private:
    LinkLabel* Link() const { return static_cast<LinkLabel*>(object()); }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("ProgressPicture")) {
        return new ProgressAccessible(static_cast<ProgressPicture*>(object));
    }
    if (className == QLatin1String("LinkLabel")) {
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

void InstallAccessibleFactory() {
    static const bool installed = (QAccessible::installFactory(&AccessibleFor), true);
    (void)installed;
}

}  // namespace

ProgressPicture::ProgressPicture(QWidget* parent) : QLabel(parent) {
    InstallAccessibleFactory();
}

void ProgressPicture::SetPercent(int percent) {
    if (percent == percent_) return;
    percent_ = percent;
    QAccessibleValueChangeEvent changed(this, percent);
    QAccessible::updateAccessibility(&changed);
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    InstallAccessibleFactory();
    setFocusPolicy(Qt::TabFocus);
    setContentsMargins(kFocusMargin, kFocusMargin, kFocusMargin, kFocusMargin);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    FollowLinkColour();
}

void LinkLabel::FollowLinkColour() {
    QPalette colours = palette();
    const QColor link = ReadableOn(colours.color(QPalette::Link), colours.color(QPalette::Window));
    if (colours.color(QPalette::WindowText) == link) return;
    colours.setColor(QPalette::WindowText, link);
    setPalette(colours);  // comes back here once, with nothing left to change
}

void LinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) FollowLinkColour();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const bool opens = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                       event->key() == Qt::Key_Space;
    if (opens) {
        if (!event->isAutoRepeat()) Activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}
