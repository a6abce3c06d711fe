#include "frmAbout.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <utility>
#include <vector>

#include "AboutLinks.h"
#include "AccessibleLabels.h"
#include "TwipsLayout.h"
#include "Version.h"
#include "frmDocument.h"

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(tr("About"));
    std::vector<PlacedControl> layout;

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont("Arial");
    titleFont.setStyleHint(QFont::SansSerif);
    titleFont.setPointSizeF(14.25);
    lblTitle->setFont(titleFont);
    lblTitle->setAlignment(Qt::AlignCenter);
    layout.push_back({lblTitle, {120, 120, 4935, 375}});

    // One row per fact: the caption right-aligned in front, the value or link behind it. Links
    // keep the size of their text, so only their designed position counts.
    struct Row {
        QLabel*& caption;
        const char* captionText;
        QLabel*& value;
        const char* valueName;  // the caption's name is this followed by "Label"
        const char* valueText;
        int top;
        bool link;
    };
    const Row rows[] = {
        {lblByLabel, QT_TR_NOOP("By:"), lblBy, "lblBy", aboutlinks::kAuthor, 720, false},
        {lblEmailLabel, QT_TR_NOOP("e-mail:"), lblEmail, "lblEmail", aboutlinks::kEmail, 1080,
         true},
        {lblHomePageLabel, QT_TR_NOOP("Home Page:"), lblHomePage, "lblHomePage",
         aboutlinks::kHomePage, 1440, true},
        {lblAddingBMUsLabel, QT_TR_NOOP("Adding BMUs:"), lblAddingBMUs, "lblAddingBMUs",
         aboutlinks::kAddingBMUs, 1800, true},
    };
    std::vector<std::pair<QLabel*, int>> links;
    for (const Row& row : rows) {
        row.caption = new QLabel(tr(row.captionText), this);
        row.caption->setObjectName(QLatin1String(row.valueName) + QLatin1String("Label"));
        row.caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        layout.push_back({row.caption, {120, row.top, 1095, 255}});
        row.value =
            row.link ? new LinkLabel(row.valueText, this) : new QLabel(tr(row.valueText), this);
        row.value->setObjectName(QLatin1String(row.valueName));
        row.value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (row.link) {
            // No larger than its text (and focus frame), so only the text reacts to the mouse.
            row.value->setFixedSize(row.value->sizeHint());
            row.value->installEventFilter(this);
            links.emplace_back(row.value, row.top);
        } else {
            layout.push_back({row.value, {1320, row.top, 3735, 255}});
        }
    }

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // The keyboard opens a link as a left click does.
    const std::pair<QLabel*, void (frmAbout::*)(int, int, int, int)> keyed[] = {
        {lblEmail, &frmAbout::lblEmail_MouseUp},
        {lblHomePage, &frmAbout::lblHomePage_MouseUp},
        {lblAddingBMUs, &frmAbout::lblAddingBMUs_MouseUp}};
    QWidget* previous = cmdOK;
    for (const auto& [link, handler] : keyed) {
        connect(static_cast<LinkLabel*>(link), &LinkLabel::Activated, this,
                [this, handler] { (this->*handler)(Qt::LeftButton, 0, 0, 0); });
        setTabOrder(previous, link);
        previous = link;
    }
    layout.push_back({cmdOK, {2040, 2160, 1095, 375}});

    Form_Load();  // the title's text counts in the fitting below
    const LayoutScale scale = FittingScale(layout, font());
    Place(layout, scale);
    for (const auto& [link, top] : links) {
        link->move(scale.ToPixelsX(1320) - LinkLabel::kFocusMargin,
                   scale.ToPixelsY(top) - LinkLabel::kFocusMargin);
    }
    setFixedSize(scale.ToPixelsX(5175), scale.ToPixelsY(2655));
}

void frmAbout::Form_Load() {
    lblTitle->setText(QString::fromStdString(tunewrap::VersionTitle()));
}

void frmAbout::cmdOK_Click() {
    accept();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int button = static_cast<int>(mouse->button());
        const int shift = (mouse->modifiers().toInt() >> 25) & 7;  // Shift 1, Ctrl 2, Alt 4
        const QPoint at = mouse->position().toPoint();
        if (watched == lblEmail) lblEmail_MouseUp(button, shift, at.x(), at.y());
        if (watched == lblHomePage) lblHomePage_MouseUp(button, shift, at.x(), at.y());
        if (watched == lblAddingBMUs) lblAddingBMUs_MouseUp(button, shift, at.x(), at.y());
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::lblEmail_MouseUp(int button, int, int, int) {
    if (button & 1) OpenLink(aboutlinks::kEmailLeadsTo);
}

void frmAbout::lblHomePage_MouseUp(int button, int, int, int) {
    if (button & 1) OpenLink(lblHomePage->text());
}

void frmAbout::lblAddingBMUs_MouseUp(int button, int, int, int) {
    if (button & 1) OpenLink(lblAddingBMUs->text());
}

void frmAbout::OpenLink(const QString& link) {
    if (viewer == nullptr) viewer = new frmDocument(this);
    viewer->ShowShipped(link);
}

QString FindShippedDocument(const QString& relativePath) {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString places[] = {
        programDir,
        programDir + "/../share/doc/tunewrap",
        QStringLiteral(TUNEWRAP_SOURCE_DIR),
    };
    for (const QString& place : places) {
        const QFileInfo candidate(QDir(place).filePath(relativePath));
        if (candidate.isFile()) return QDir::cleanPath(candidate.absoluteFilePath());
    }
    return {};
}
