#pragma once
#include <QString>

class QTime;

namespace zk {

// The long time text as the regional settings write it, given as a Qt time format
// ("HH:mm:ss", "h:mm:ss AP", "AP h:mm:ss"): the hour (leading zero or not, 12- or 24-hour
// clock), the separator, minutes, seconds, and on a 12-hour clock the designator before
// or after a blank. Anything else the format holds (a time zone) is not part of it.
QString LongTimeText(const QString& format, const QTime& time, const QString& amText, const QString& pmText);

// The code the hidden prompt expects: the first 5 characters of an 8-character time
// text, otherwise the first 4.
QString HiddenPromptCode(const QString& timeText);

// The code at this moment under the system's regional settings.
QString CurrentHiddenPromptCode();

}  // namespace zk
