#pragma once
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QString>
#include <cstdint>

// The texts of a list row's Size and Modified cells.
class FileListText {
  public:
    explicit FileListText(const QLocale& locale = QLocale());

    // Bytes grouped by threes with the locale's separator, right-aligned in 11 characters;
    // larger sizes simply make the text longer.
    QString SizeText(std::int64_t bytes) const;

    // Short date and long time in the local time in force at that moment; a time of exactly
    // midnight is left out.
    QString DateText(std::int64_t secondsSinceEpoch);

  private:
    QLocale locale_;
    QString dateFormat_;
    QString timeFormat_;
    // Files of one directory share few distinct days; formatting is the costly part of a fill.
    QHash<qint64, QString> dayTexts_;
    QHash<int, QString> timeTexts_;
};
