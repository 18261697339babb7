#include "core/friendcall.h"

#include "core/random.h"

namespace zk {

char FriendWrongLetter(char correct)
{
    switch (correct) {
    case 'a': return 'C';
    case 'b': return 'A';
    case 'c': return 'B';
    case 'd': return 'C';
    // A record whose letter names no answer cannot be answered wrongly either;
    // he repeats what he would have said when right.
    default: return UpperLetter(correct);
    }
}

char FriendLetter(char correct, bool fiftyOnQuestion, const AnswersInPlay& inPlay)
{
    Randomize();
    if (Random(10) != 0)
        return UpperLetter(correct);
    if (!fiftyOnQuestion)
        return FriendWrongLetter(correct);
    const int c = AnswerIndex(correct);
    for (int k = 0; k < 4; ++k)
        if (inPlay[k] && k != c)
            return static_cast<char>('A' + k);
    return 0;
}

QString FriendGreeting(const QString& name, const QString& question)
{
    return QStringLiteral("   Здравствуй, ") + name + QStringLiteral(", ответь пожайлуста на вопрос: ") + question;
}

QString FriendReply(char upperLetter)
{
    return QStringLiteral("   Я думаю, что правильный ответ ") + QLatin1Char(upperLetter) +
        QStringLiteral(". Но я не совсем уверен.");
}

}  // namespace zk
