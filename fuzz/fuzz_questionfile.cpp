// Any bytes as a level's question file: the reader must fail with its own error or
// return a record whose texts convert cleanly, never read outside the file or the record.
#include "fuzzsupport.h"
#include "core/gamestate.h"
#include "core/question.h"
#include "core/errors.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zkfuzz::StartQt();
    zkfuzz::Scratch();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zkfuzz::WriteFile(QStringLiteral("Text/1.txt"), data, size);
    try {
        const zk::QuestionRecord q = zk::LoadRandomQuestion(QStringLiteral("1.txt"));
        volatile qsizetype n = q.Text.ToString().size();
        for (int i = 0; i < 4; ++i)
            n = n + q.Answer(i).ToString().size();
        if (size < 461)
            std::abort();  // a file without one whole record has nothing to give
    } catch (const zk::InOutError& e) {
        if (size >= 461 || e.code() != zk::InOutError::ReadBeyondEnd)
            std::abort();
    }
    return 0;
}
