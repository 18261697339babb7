#include "core/timecode.h"

#include <QLocale>
#include <QTime>

namespace zk {

namespace {

// What a long time format says about the parts the time text has.
struct LongTimeFormat {
    qsizetype hourPos = -1;
    qsizetype hourLen = 0;
    QChar hourChar;
    qsizetype designatorPos = -1;
    bool lowerDesignator = false;
    QString separator;
};

// A quoted literal starting at format[i]; two quotes stand for one. Returns the index after it.
qsizetype readLiteral(const QString& format, qsizetype i, QString& literal)
{
    qsizetype j = i + 1;
    while (j < format.size()) {
        if (format.at(j) == QLatin1Char('\'')) {
            if (j + 1 < format.size() && format.at(j + 1) == QLatin1Char('\'')) {
                literal += QLatin1Char('\'');
                j += 2;
                continue;
            }
            break;
        }
        literal += format.at(j++);
    }
    return j + 1;
}

LongTimeFormat parseLongTimeFormat(const QString& format)
{
    LongTimeFormat f;
    bool inSeparator = false;  // between the hour and the minutes

    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            QString literal;
            i = readLiteral(format, i, literal);
            if (inSeparator)
                f.separator += literal;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        if ((c == QLatin1Char('h') || c == QLatin1Char('H')) && f.hourPos < 0) {
            f.hourPos = i;
            f.hourLen = run;
            f.hourChar = c;
            inSeparator = true;
        } else if (c == QLatin1Char('m') && inSeparator) {
            inSeparator = false;
        } else if ((c == QLatin1Char('a') || c == QLatin1Char('A')) && f.designatorPos < 0) {
            f.designatorPos = i;
            f.lowerDesignator = c == QLatin1Char('a');
            // "AP" and "ap" are one token.
            if (run == 1 && i + 1 < format.size() && format.at(i + 1).toLower() == QLatin1Char('p'))
                ++run;
        } else if (inSeparator) {
            f.separator += QString(run, c);
        }
        i += run;
    }
    if (f.separator.isEmpty())
        f.separator = QStringLiteral(":");
    return f;
}

}  // namespace

QString LongTimeText(const QString& format, const QTime& time, const QString& amText, const QString& pmText)
{
    const auto [hourPos, hourLen, hourChar, designatorPos, lowerDesignator, separator] = parseLongTimeFormat(format);
    // "H" is a 24-hour clock whatever else the format says; "h" only with a designator is 12-hour.
    const bool twelveHour = designatorPos >= 0 && hourChar == QLatin1Char('h');
    int hour = time.hour();
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    QString text = hourLen >= 2 ? QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')) : QString::number(hour);
    text += separator + QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'));
    text += separator + QStringLiteral("%1").arg(time.second(), 2, 10, QLatin1Char('0'));
    if (twelveHour) {
        QString designator = time.hour() < 12 ? amText : pmText;
        if (lowerDesignator)
            designator = designator.toLower();
        if (!designator.isEmpty())
            text = designatorPos < hourPos ? designator + QLatin1Char(' ') + text
                                           : text + QLatin1Char(' ') + designator;
    }
    return text;
}

QString HiddenPromptCode(const QString& timeText) { return timeText.left(timeText.size() == 8 ? 5 : 4); }

QString CurrentHiddenPromptCode()
{
    // Asked afresh each time, so a change of the regional settings counts at once.
    const QLocale locale = QLocale::system();
    return HiddenPromptCode(
        LongTimeText(locale.timeFormat(QLocale::LongFormat), QTime::currentTime(), locale.amText(), locale.pmText()));
}

}  // namespace zk
