#pragma once
#include <cstdint>
#include <functional>

namespace zk {

// The program-wide random generator. Its algorithm is fixed (a linear congruential
// generator with the multiplier 134775813) because the odds of the lifelines, the
// advertising roll and the question draw are defined in terms of its draws.
// Time of day in milliseconds since UTC midnight; tests replace it to fix every draw.
using TimeOfDaySource = std::function<std::uint32_t()>;

void SetTimeOfDaySource(TimeOfDaySource source);  // empty restores the system clock
std::uint32_t TimeOfDayMs();

// Seed := milliseconds of the current UTC time of day.
void Randomize();
// Seed := seed * 134775813 + 1; returns the upper 32 bits of seed * n (0..n-1; 0 for n = 0).
std::uint32_t Random(std::uint32_t n);

std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t seed);

}  // namespace zk
