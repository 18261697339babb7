#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zk {

// Every text the game stores on disk (question files, best.dat, the ini file) is Windows-1251.
QString FromCp1251(QByteArrayView bytes);

// Returns the encoded bytes. *ok is false when some character has no Windows-1251 form
// (then *badIndex, if given, is the index of the first such character in text).
QByteArray ToCp1251(const QString& text, bool* ok = nullptr, qsizetype* badIndex = nullptr);

}  // namespace zk
