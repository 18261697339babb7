#pragma once
#include "core/poll.h"

#include <QString>

namespace zk {

// The letter the friend wrongly names when 50:50 has not touched the question:
// a -> C, b -> A, c -> B, d -> C. Not a rotation: D is never named wrongly.
char FriendWrongLetter(char correct);

// The letter (upper-case) the friend names: the correct one nine times in ten;
// otherwise the table's letter, or on a halved question the wrong answer still on
// screen. 0 when a halved question has no such answer left to name.
char FriendLetter(char correct, bool fiftyOnQuestion, const AnswersInPlay& inPlay);

// The player's words and the friend's reply, as the conversation shows them.
QString FriendGreeting(const QString& name, const QString& question);
QString FriendReply(char upperLetter);

}  // namespace zk
