#include "FileListText.h"

namespace {

constexpr int kSizeFieldWidth = 11;

// A list shows each file's own time zone name nowhere else, so the long time format loses it.
QString TimeFormatWithoutZone(const QString& format) {
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) kept += c;
    }
    return kept.simplified();
}

}  // namespace

FileListText::FileListText(const QLocale& locale)
    : locale_(locale),
      dateFormat_(locale.dateFormat(QLocale::ShortFormat)),
      timeFormat_(TimeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat))) {}

QString FileListText::SizeText(std::int64_t bytes) const {
    const QString digits = QString::number(bytes < 0 ? -bytes : bytes);
    const QString separator = locale_.groupSeparator();
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3 * separator.size() + 1);
    if (bytes < 0) grouped += locale_.negativeSign();
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += digits[i];
    }
    return grouped.rightJustified(kSizeFieldWidth, QLatin1Char(' '));
}

QString FileListText::DateText(std::int64_t secondsSinceEpoch) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::LocalTime);
    const QDate day = local.date();
    auto dayText = dayTexts_.find(day.toJulianDay());
    if (dayText == dayTexts_.end()) {
        dayText = dayTexts_.insert(day.toJulianDay(), locale_.toString(day, dateFormat_));
    }
    const QTime time = local.time();
    const int second = time.msecsSinceStartOfDay() / 1000;
    if (second == 0) return *dayText;
    auto timeText = timeTexts_.find(second);
    if (timeText == timeTexts_.end()) {
        timeText = timeTexts_.insert(second, locale_.toString(time, timeFormat_));
    }
    return *dayText + QLatin1Char(' ') + *timeText;
}
