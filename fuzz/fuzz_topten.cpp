// Any bytes as best.dat: parsing and formatting the table must never overrun a name.
#include "fuzzsupport.h"
#include "core/errors.h"
#include "core/topten.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zkfuzz::StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const zk::ParsedTopTen parsed =
        zk::ParseTopTen(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)parsed;
    try {
        zkfuzz::WriteFile(QStringLiteral("best.dat"), data, size);
        const zk::TopTen table = zk::ReadTopTen();
        const auto shown = zk::ShowAll(table);
        (void)shown;
    } catch (const zk::GameError&) {
    }
    return 0;
}
