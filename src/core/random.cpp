#include "core/random.h"

#include <QDateTime>
#include <QTime>

namespace zk {
namespace {
std::uint32_t g_seed = 0;
TimeOfDaySource g_source;

std::uint32_t systemTimeOfDay()
{
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return static_cast<std::uint32_t>(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}
}  // namespace

void SetTimeOfDaySource(TimeOfDaySource source) { g_source = std::move(source); }

std::uint32_t TimeOfDayMs() { return g_source ? g_source() : systemTimeOfDay(); }

void Randomize() { g_seed = TimeOfDayMs(); }

std::uint32_t Random(std::uint32_t n)
{
    g_seed = g_seed * 134775813u + 1u;  // wraps modulo 2^32 by unsigned arithmetic
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(g_seed) * n) >> 32);
}

std::uint32_t RandSeed() { return g_seed; }
void SetRandSeed(std::uint32_t seed) { g_seed = seed; }

}  // namespace zk
