#include "frmProperties.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "BmuFile.h"
#include "MP3Utils.h"
#include "Suitability.h"
#include "UiText.h"
#include "mdlFileOps.h"

namespace {

QString Capitalized(const std::string& name) {
    QString text = QString::fromStdString(name);
    text[0] = text[0].toUpper();
    return text;
}

QString SuitabilityText(const tunewrap::SuitabilityReport& report, bool renameWav) {
    // Whole answers, so that a language can word each its own way.
    static const char* const kAnswers[2][2] = {
        {QT_TRANSLATE_NOOP("frmProperties", "Yes, as music (128 kbit/s stereo)"),
         QT_TRANSLATE_NOOP("frmProperties", "No, as music (128 kbit/s stereo)")},
        {QT_TRANSLATE_NOOP("frmProperties", "Yes, as a sound effect (96 kbit/s mono)"),
         QT_TRANSLATE_NOOP("frmProperties", "No, as a sound effect (96 kbit/s mono)")}};
    QString text = frmProperties::tr(kAnswers[renameWav ? 1 : 0][report.WarningWanted() ? 1 : 0]);
    for (const tunewrap::SuitabilityIssue& issue : report.issues) {
        text += "\n" + QString::fromStdString(tunewrap::IssueLine(issue));
    }
    return text;
}

}  // namespace

frmProperties::frmProperties(QWidget* owner, const std::string& path, bool renameWav)
    : QDialog(owner), rows_(new QFormLayout) {
    setWindowTitle(tr("Properties"));
    const QFileInfo info(QDir::cleanPath(QFile::decodeName(QByteArray::fromStdString(path))));
    const bool bmu =
        info.isFile() && tunewrap::ProbeContainer(path).kind == tunewrap::Container::Bmu;
    const bool mp3 =
        info.isFile() && !bmu && info.suffix().compare("mp3", Qt::CaseInsensitive) == 0;

    AddRow(tr("Name:"), info.fileName());
    AddRow(tr("Folder:"), QDir::toNativeSeparators(info.absolutePath()));
    AddRow(tr("Type:"), info.isDir() ? tr("Folder")
                        : bmu        ? tr("BMU file (an MP3 behind an 8-byte header)")
                        : mp3        ? tr("MP3 file")
                                     : tr("File"));
    const std::int64_t size = mdlFileOps::GetFileLength(path);
    AddRow(tr("Size:"), size < 0 ? tr("unknown") : tr("%1 bytes").arg(QLocale().toString(size)));
    AddRow(tr("Modified:"), info.exists()
                                ? QLocale().toString(info.lastModified(), QLocale::LongFormat)
                                : tr("unknown"));
    if (bmu || mp3) AddFrameFacts(path, info.fileName(), renameWav);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmProperties::AddFrameFacts(const std::string& path, const QString& name, bool renameWav) {
    MP3Utils reader;
    const tunewrap::ContainerProbe scan = tunewrap::ScanAudio(path, reader);
    if (!scan.read()) {
        AddRow(tr("Frame headers:"),
               tr("cannot be read: %1").arg(QString::fromStdString(scan.error)));
        return;
    }
    const MpegAudio audio = reader.Audio();
    AddRow(tr("Audio:"), Capitalized(MpegAudioName(audio)));
    if (audio.IsMpeg1Layer3()) {
        AddRow(tr("Bit rate:"), QString::fromStdString(BitRateText(reader.BitRate(), "kbit/s")));
        AddRow(tr("Variable bit rate:"), reader.VBR() ? tr("Yes") : tr("No"));
        AddRow(tr("Sampling frequency:"), tr("%1 Hz").arg(reader.SamplingFrequency()));
        AddRow(tr("Channel mode:"), Capitalized(platform::Tr("MP3Utils", ChannelModeName(reader.ChannelMode()))));
        AddRow(tr("CRC:"), reader.CRC() ? tr("Yes") : tr("No"));
    }
    AddRow(tr("Suits the game:"),
           SuitabilityText(tunewrap::CheckSuitability(name.toStdString(), reader, renameWav),
                           renameWav));
}

void frmProperties::AddRow(const QString& caption, const QString& value) {
    auto* shown = new QLabel(value);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rows_->addRow(caption, shown);
}

QString frmProperties::Value(const QString& caption) const {
    for (int row = 0; row < rows_->rowCount(); ++row) {
        auto* label = qobject_cast<QLabel*>(rows_->itemAt(row, QFormLayout::LabelRole)->widget());
        if (label != nullptr && label->text() == caption) {
            return qobject_cast<QLabel*>(rows_->itemAt(row, QFormLayout::FieldRole)->widget())
                ->text();
        }
    }
    return {};
}
