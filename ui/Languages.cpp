#include "Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "UiText.h"

namespace languages {
namespace {

const QString kSourceLanguage = QStringLiteral("en");
const QString kCompiledIn = QStringLiteral(":/i18n");

std::unique_ptr<QTranslator> gOwn;
std::unique_ptr<QTranslator> gQt;

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// Qt's translations sit in the system's folder on Linux, and beside the program where it brings
// its own (the Windows build).
std::unique_ptr<QTranslator> QtsOwn(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + language;
    for (const QString& folder :
         {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(name, folder)) return translator;
    }
    return nullptr;
}

std::string Translated(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

QStringList Available() {
    QStringList names;
    for (const QString& file : QDir(kCompiledIn).entryList({QStringLiteral("tunewrap_*.qm")})) {
        names << file.mid(file.indexOf(u'_') + 1).chopped(3);
    }
    names.sort();
    return names;
}

bool Load(const QString& language) {
    auto own = std::make_unique<QTranslator>();
    if (language != kSourceLanguage &&
        !own->load(QStringLiteral("tunewrap_") + language, kCompiledIn)) {
        return false;
    }
    Remove(gOwn);
    Remove(gQt);
    if (language == kSourceLanguage) return true;
    gOwn = std::move(own);
    QCoreApplication::installTranslator(gOwn.get());
    gQt = QtsOwn(language);
    if (gQt) QCoreApplication::installTranslator(gQt.get());
    return true;
}

QString Choose(const QStringList& wanted, const QStringList& spoken) {
    for (const QString& name : wanted) {
        const QString language = QLocale(name).name().section(u'_', 0, 0);
        if (language == kSourceLanguage || spoken.contains(language)) return language;
    }
    return kSourceLanguage;
}

QString LoadForDesktop() {
    ShareWithPlainCode();
    const QString language = Choose(QLocale::system().uiLanguages(), Available());
    Load(language);
    return language;
}

void ShareWithPlainCode() {
    platform::SetTextLookup(&Translated);
}

}  // namespace languages
