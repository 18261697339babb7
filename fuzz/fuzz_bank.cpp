// Any bytes as a question source, and as a binary file to dump: the bank tool's parser
// and checks report faults and never crash.
#include "bank.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zkfuzz::StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = zkfuzz::Bytes(data, size);
    const zk::bank::ParseResult parsed = zk::bank::ParseSource(bytes, QStringLiteral("fuzz.txt"));
    QList<zk::bank::SourceQuestion> good;
    for (const auto& q : parsed.questions)
        if (zk::bank::CheckQuestion(q, QStringLiteral("fuzz.txt")).isEmpty())
            good << q;
    // What passes the checks must survive a round trip through the binary form.
    const QByteArray binary = zk::bank::BuildRecords(good);
    const QByteArray text = zk::bank::DumpRecords(binary);
    const auto again = zk::bank::ParseSource(text, QStringLiteral("dump.txt"));
    if (zk::bank::BuildRecords(again.questions) != binary)
        std::abort();
    (void)zk::bank::DumpRecords(bytes);
    return 0;
}
