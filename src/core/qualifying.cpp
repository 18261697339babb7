#include "core/qualifying.h"

#include "core/random.h"

#include <algorithm>

namespace zk {

void QualifyingRound::SetTask(const QuestionRecord& task)
{
    Task = task;
    HasTask = true;
    for (int i = 0; i < 4; ++i)
        RightOrder[i] = task.Answer(i).ToString();
}

void QualifyingRound::Shuffle()
{
    // Draws are compared by row number, not by text, so equal items cannot stall it.
    std::array<std::uint32_t, 4> drawn{};
    for (int i = 0; i < 4; ++i) {
        const auto taken = [&](std::uint32_t r) {
            return std::find(drawn.begin(), drawn.begin() + i, r) != drawn.begin() + i;
        };
        do {
            drawn[i] = Random(4) + 1;
            ShownOrder[i] = RightOrder[drawn[i] - 1];
        } while (taken(drawn[i]));
    }
}

int QualifyingRound::Pick(int row)
{
    if (row < 1 || row > 4)
        return 0;
    const auto free =
        std::find_if(ChosenOrder.begin(), ChosenOrder.end(), [](const QString& s) { return s.isEmpty(); });
    if (free == ChosenOrder.end())
        return 0;
    *free = ShownOrder[row - 1];
    return static_cast<int>(free - ChosenOrder.begin()) + 1;
}

void QualifyingRound::ClearChosen() { ChosenOrder.fill(QString()); }

bool QualifyingRound::IsRight() const { return HasTask && ChosenOrder == RightOrder; }

QString QualifyingRound::RightOrderList() const
{
    QString list;
    for (const QString& item : RightOrder)
        list += item + QLatin1Char(' ');
    return list;
}

QualifyingRound& Qualifying()
{
    static QualifyingRound round;
    return round;
}

QuestionRecord LoadQualifyingTask() { return LoadRandomQuestion(QStringLiteral("otbor.txt")); }

QString QualifyingRightText()
{
    return QStringLiteral("Поздравляю!!! Вы ответили совершенно правильно. Теперь вы можете начать игру.");
}

QString QualifyingWrongText(const QualifyingRound& round)
{
    return QStringLiteral("К сожалению вы неправильно ответили на этот вопрос. Правильная последовательность:  ") +
        round.RightOrderList();
}

}  // namespace zk
