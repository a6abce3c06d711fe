#include "Languages.h"

#include <QAccessible>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QTranslator>

#include "MainWindowFixture.h"
#include "frmAbout.h"
#include "frmBatchDetails.h"
#include "frmHak.h"
#include "frmProgress.h"
#include "frmProperties.h"

namespace {

using Languages = TwoFolders;

// A language in which every text reads "«source»", Qt's own included, so that a text shown without
// the marks is one that never went through a translation.
class PseudoLanguage : public QTranslator {
  public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("«%1»").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

bool Marked(const QString& text) {
    return text.contains(u'«');
}

// Every name, description and tool tip a person sees or hears in the window, apart from what is
// data: the cells of lists, the text typed into boxes, and the controls named in `data`.
void ExpectEveryTextMarked(QWidget* root, const QStringList& data = {}) {
    static const QAccessible::Role kDataRoles[] = {
        QAccessible::Cell, QAccessible::ListItem,  QAccessible::TreeItem,
        QAccessible::Row,  QAccessible::RowHeader, QAccessible::EditableText};
    std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(root)};
    int read = 0;
    while (!pending.empty()) {
        QAccessibleInterface* item = pending.back();
        pending.pop_back();
        if (item->state().invisible) continue;
        for (int i = 0; i < item->childCount(); ++i) pending.push_back(item->child(i));
        const QString name = item->object() ? item->object()->objectName() : QString();
        if (std::find(std::begin(kDataRoles), std::end(kDataRoles), item->role()) !=
                std::end(kDataRoles) ||
            data.contains(name))
            continue;
        for (const QString& text :
             {item->text(QAccessible::Name), item->text(QAccessible::Description)}) {
            read += !text.isEmpty();
            EXPECT_TRUE(text.isEmpty() || Marked(text))
                << name.toStdString() << ": " << text.toStdString();
        }
    }
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        EXPECT_TRUE(widget->toolTip().isEmpty() || Marked(widget->toolTip()))
            << widget->toolTip().toStdString();
    }
    EXPECT_GE(read, 3) << root->objectName().toStdString();
}

// Through the questions of a batch, its summary and details, the menus, and each dialog.
TEST_F(Languages, EveryTextShownGoesThroughTheTranslations) {
    WriteFile(Path("Music/mono.mp3"), Sample("cbr96_mono.mp3"));
    WriteFile(Path("Game/music/mono.bmu"), "old");
    Store("MP3VerdictColHidden", "0");
    PseudoLanguage pseudo;
    QCoreApplication::installTranslator(&pseudo);
    languages::ShareWithPlainCode();
    auto window = Open();
    Script(*window, {MsgButton::Yes, MsgButton::Yes});
    window->show();
    window->WaitForFacts(tunewrap::ListId::MP3);
    const QTreeWidgetItem* row = window->lvwMP3List->topLevelItem(0);
    EXPECT_TRUE(Marked(row->text(FileListView::VerdictColumn)) &&
                Marked(row->toolTip(FileListView::VerdictColumn)));
    Select(*window->lvwMP3List, {"mono.mp3"});
    window->cmdConvertToBMU->setEnabled(true);
    window->cmdConvertToBMU->click();
    ASSERT_EQ(questions.size(), 2u);
    for (const std::string& question : questions) {  // "text|title|..."; each line of the text
        const QStringList parts = QString::fromStdString(question).split(u'|');
        const QStringList shown = parts[0].split("\r\n", Qt::SkipEmptyParts) << parts[1];
        for (const QString& part : shown) EXPECT_TRUE(Marked(part)) << question;
    }
    ExpectEveryTextMarked(window.get(), {"frmMain"});  // the title names program and version
    for (QMenu* menu : {window->mnuPopup, window->mnuColumns}) {
        window->lvwMP3List->header()->customContextMenuRequested({1, 1});
        for (const QAction* action : menu->actions())
            EXPECT_TRUE(action->isSeparator() || Marked(action->text()))
                << action->text().toStdString();
        menu->hide();
    }
    window->cmdBatchDetails->click();
    ExpectEveryTextMarked(window->findChild<frmBatchDetails*>());

    frmAbout about(window.get());
    about.show();
    ExpectEveryTextMarked(&about, {"lblTitle", "lblEmail", "lblHomePage", "lblAddingBMUs"});
    ProgressValues values{"mono.mp3", 100, 50, false, {2, 3}};
    frmProgress progress(values, window.get());
    progress.show();
    ExpectEveryTextMarked(&progress, {"lblFileName"});
    frmProperties properties(window.get(), Path("Music/mono.mp3"), false);
    EXPECT_TRUE(Marked(properties.windowTitle()));
    auto* rows = properties.findChild<QFormLayout*>();
    ASSERT_NE(rows, nullptr);
    for (int i = 0; i < rows->rowCount(); ++i) {
        const auto* caption =
            qobject_cast<QLabel*>(rows->itemAt(i, QFormLayout::LabelRole)->widget());
        EXPECT_TRUE(Marked(caption->text())) << caption->text().toStdString();
    }
    bool hakSeen = false;
    window->SetHakDialogHook([&](tunewrap::HakPlan& plan) {
        frmHak dialog(plan, window.get());
        dialog.show();
        ExpectEveryTextMarked(&dialog);
        return hakSeen = true, false;
    });
    Select(*window->lvwMP3List, {"mono.mp3"});
    window->mnuPopupPackIntoHak->trigger();
    EXPECT_TRUE(hakSeen);
    QCoreApplication::removeTranslator(&pseudo);
}

// The desktop's first language that the window speaks wins, English included; Qt's own buttons
// follow it. English is the texts as written.
TEST_F(Languages, TheDesktopsFirstSpokenLanguageLoadsWithQtsOwn) {
    EXPECT_EQ(languages::Available(), QStringList({"de", "es", "fr", "it", "pl"}));
    const QStringList spoken{"de", "pl"};
    EXPECT_EQ(languages::Choose({"xx", "pl-PL", "de"}, spoken), "pl");
    EXPECT_EQ(languages::Choose({"en-GB", "de"}, spoken), "en");
    EXPECT_EQ(languages::Choose({"de-AT"}, spoken), "de");
    EXPECT_EQ(languages::Choose({"C", "xx"}, spoken), "en");
    EXPECT_FALSE(languages::Load("xx"));
    for (const QString language : {"pl", "en"}) {
        ASSERT_TRUE(languages::Load(language));
        const bool english = language == "en";
        EXPECT_EQ(Open()->cmdConvertToMP3->text() == "<- To .&MP3", english);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes") == "&Yes", english);
    }
}

}  // namespace
