#include "platform/cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zk {

QString FromCp1251(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

QByteArray ToCp1251(const QString& text, bool* ok, qsizetype* badIndex)
{
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    QByteArray out = encoder.encode(text);
    bool good = !encoder.hasError();
    qsizetype bad = -1;
    if (!good) {
        // Find the culprit one code point at a time, so the caller can name it.
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
            QStringEncoder one("windows-1251", QStringConverter::Flag::Stateless);
            (void)one.encode(QStringView(text).mid(i, len));
            if (one.hasError()) {
                bad = i;
                break;
            }
            i += len - 1;
        }
    }
    if (ok)
        *ok = good;
    if (badIndex)
        *badIndex = bad;
    return out;
}

}  // namespace zk
