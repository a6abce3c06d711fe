#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// The values a text is filled with, each as often as it is used, in order.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (const auto& match : kPlaceholder.globalMatch(text)) found << match.captured();
    found.sort();
    return found;
}

// "&x" marks an Alt letter; "&&" is a plain ampersand.
int AltLetters(const QString& text) {
    return QString(text).remove(QStringLiteral("&&")).count(u'&');
}

// Each language's translation of every text: finished, with the same placeholders and Alt letter
// as its source, and a "..." that opens a dialog kept.
TEST(TranslationFiles, EveryTextTranslatedWithItsPlaceholdersAndAltLetter) {
    const QDir folder(QStringLiteral(TUNEWRAP_TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("tunewrap_*.ts")});
    EXPECT_EQ(files.size(), 5);
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"TS") {
                EXPECT_EQ("tunewrap_" + xml.attributes().value("language").toString() + ".ts",
                          name);
            }
            if (xml.name() == u"source") source = xml.readElementText();
            if (xml.name() != u"translation") continue;
            const QString type = xml.attributes().value("type").toString();
            const QString translation = xml.readElementText();
            const std::string where = name.toStdString() + ": " + source.toStdString();
            ++messages;
            EXPECT_TRUE(type.isEmpty() && !translation.isEmpty())
                << where << " is " << type.toStdString();
            EXPECT_EQ(Placeholders(translation), Placeholders(source)) << where;
            EXPECT_EQ(AltLetters(translation), AltLetters(source)) << where;
            EXPECT_EQ(translation.endsWith("...") || translation.endsWith(u'…'),
                      source.endsWith("..."))
                << where;
        }
        EXPECT_FALSE(xml.hasError())
            << name.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 100) << name.toStdString();
    }
}

}  // namespace
