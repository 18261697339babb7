#include "core/question.h"

#include "core/binaryfile.h"
#include "core/cp1251.h"
#include "core/errors.h"
#include "core/random.h"

#include <algorithm>
#include <cstring>

namespace zk {

template <int Capacity>
QString PString<Capacity>::ToString() const
{
    return FromCp1251(QByteArrayView(chars, Length()));
}

template <int Capacity>
void PString<Capacity>::Assign(const QByteArray& cp1251)
{
    const int n = std::min<int>(Capacity, static_cast<int>(cp1251.size()));
    std::memset(chars, 0, sizeof chars);
    std::memcpy(chars, cp1251.constData(), static_cast<std::size_t>(n));
    length = static_cast<std::uint8_t>(n);
}

template struct PString<255>;
template struct PString<50>;

const PString<50>& QuestionRecord::Answer(int index) const
{
    switch (index) {
    case 0: return AnswerA;
    case 1: return AnswerB;
    case 2: return AnswerC;
    default: return AnswerD;
    }
}

PString<50>& QuestionRecord::Answer(int index)
{
    return const_cast<PString<50>&>(static_cast<const QuestionRecord&>(*this).Answer(index));
}

QString LevelFileName(int level) { return QString::number(level) + QStringLiteral(".txt"); }

QuestionRecord LoadRandomQuestion(const QString& fileName)
{
    BinaryFile file;
    file.OpenRead(QStringLiteral("Text\\") + fileName);
    // Whole records only: the bytes of an incomplete tail are never read.
    const std::int64_t count = file.Size() / kQuestionRecordSize;
    Randomize();
    const std::uint32_t k = Random(static_cast<std::uint32_t>(std::min<std::int64_t>(count, UINT32_MAX)));
    QuestionRecord record;
    if (count == 0)
        throw InOutError(InOutError::ReadBeyondEnd);
    file.Seek(static_cast<std::int64_t>(k) * kQuestionRecordSize);
    file.Read(&record, sizeof record);
    file.Close();
    return record;
}

}  // namespace zk
