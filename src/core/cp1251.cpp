#include "core/cp1251.h"

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
    // The converter may substitute silently, so a character counts as held only when
    // it comes back unchanged from its bytes.
    qsizetype bad = -1;
    if (encoder.hasError() || FromCp1251(out) != text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
            const QString one = text.mid(i, len);
            QStringEncoder single("windows-1251", QStringConverter::Flag::Stateless);
            const QByteArray b = single.encode(one);
            if (single.hasError() || FromCp1251(b) != one) {
                bad = i;
                break;
            }
            i += len - 1;
        }
        if (bad < 0)
            bad = 0;
    }
    if (ok)
        *ok = bad < 0;
    if (badIndex)
        *badIndex = bad;
    return out;
}

}  // namespace zk
