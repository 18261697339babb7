// Any bytes as the settings file: the flags are read by the integer rule and always give
// on or off; a write changes its own key and no other.
#include "fuzzsupport.h"
#include "core/errors.h"
#include "core/inifile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zkfuzz::StartQt();
    zkfuzz::Scratch();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zkfuzz::WriteFile(QStringLiteral("zoriklad.ini"), data, size);
    const zk::IniFile ini(zkfuzz::Scratch().filePath(QStringLiteral("zoriklad.ini")));
    volatile bool a = ini.ReadBool(QStringLiteral("music"), QStringLiteral("maysound"), true);
    volatile bool b = ini.ReadBool(QStringLiteral("reklama"), QStringLiteral("mayreklama"), true);
    (void)a;
    (void)b;
    // A write changes its own key and nothing another key reads.
    const QString other = ini.ReadString(QStringLiteral("reklama"), QStringLiteral("mayreklama"), QStringLiteral("-"));
    try {
        ini.WriteString(QStringLiteral("music"), QStringLiteral("maysound"), QStringLiteral("0"));
    } catch (const zk::GameError&) {
        std::abort();
    }
    if (ini.ReadString(QStringLiteral("music"), QStringLiteral("maysound"), QString()) != QLatin1String("0") ||
        ini.ReadString(QStringLiteral("reklama"), QStringLiteral("mayreklama"), QStringLiteral("-")) != other)
        std::abort();
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    volatile int v = zk::IniTextToInt(text, 1);
    (void)v;
    return 0;
}
