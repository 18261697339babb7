#pragma once
#include <QString>
#include <cstddef>
#include <cstdint>

namespace zk {

#pragma pack(push, 1)
// A length-prefixed Windows-1251 string as stored in the question files.
template <int Capacity>
struct PString {
    std::uint8_t length = 0;
    char chars[Capacity] = {};

    // A length byte above the capacity is cut to the capacity.
    int Length() const { return length > Capacity ? Capacity : length; }
    QString ToString() const;
    // Stores text (already known to fit); longer text is cut to the capacity.
    void Assign(const QByteArray& cp1251);
};

// One question: 461 bytes, exactly as in the files "Text\1.txt" ... "Text\15.txt" and "otbor.txt".
struct QuestionRecord {
    PString<255> Text;
    PString<50> AnswerA;
    PString<50> AnswerB;
    PString<50> AnswerC;
    PString<50> AnswerD;
    char Correct = 0;  // 'a'..'d'; anything else can never be answered right

    const PString<50>& Answer(int index) const;  // 0..3 stands for a..d
    PString<50>& Answer(int index);
};
#pragma pack(pop)

static_assert(sizeof(PString<255>) == 256);
static_assert(sizeof(PString<50>) == 51);
static_assert(sizeof(QuestionRecord) == 461);
static_assert(offsetof(QuestionRecord, Text) == 0);
static_assert(offsetof(QuestionRecord, AnswerA) == 256);
static_assert(offsetof(QuestionRecord, AnswerB) == 307);
static_assert(offsetof(QuestionRecord, AnswerC) == 358);
static_assert(offsetof(QuestionRecord, AnswerD) == 409);
static_assert(offsetof(QuestionRecord, Correct) == 460);

constexpr int kQuestionRecordSize = 461;

// The bare file name of a level's questions: 1 -> "1.txt", 10 -> "10.txt".
QString LevelFileName(int level);

// Picks one record of "Text\" + fileName at random (re-seeding the generator first).
// On failure raises InOutError. It touches no game state: whoever puts the record on
// screen clears the 50:50 mark.
QuestionRecord LoadRandomQuestion(const QString& fileName);

}  // namespace zk
