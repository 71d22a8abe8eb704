// Number conversions, comparisons and the random generator of the program.
#pragma once

#include "base/text.h"

#include <QDateTime>
#include <QList>
#include <cstdint>

namespace zv {

// Decimal digits of an integer, a minus sign before negative values.
Text toText(int value);
// A single-precision value rounded to 6 significant digits, shortest form.
Text toText(float value);
// A double-precision value with at most 13 significant digits, shortest form.
Text toText(double value);
// The bytes of a byte string up to its first zero byte.
Text bytesToText(const Bytes& bytes);
Bytes toBytes(const Text& text);

// Reads the leading integer of a text (after mapping full-width forms); 0 when none.
int toInt(const Text& text);
// Truncates toward zero.
int toInt(double value);
// Reads the leading decimal number of a text as single precision; 0 when none.
float toFloat(const Text& text);

// The quotient a / b truncated toward zero.
double integerDivide(double a, double b);

// Comparisons of computed numbers with a tolerance of 1e-7.
bool numbersEqual(double a, double b);
bool numberGreater(double a, double b);
bool numberLess(double a, double b);

// The program's linear congruential generator (state starts at 1).
void seedRandom();
// Reseeds as seedRandom does, for a given millisecond tick count.
void seedRandomAt(std::uint32_t tick);
int randomInt(int lo, int hi);
std::uint32_t randomState();
void setRandomState(std::uint32_t state, std::uint32_t accumulator = 0);

void sortNumbers(QList<int>& list, bool ascending = true);

// The local date and time, and its year. Tests may fix the clock.
QDateTime currentTime();
int yearOf(const QDateTime& time);
void setCurrentTimeOverride(const QDateTime& time);

// Milliseconds since an arbitrary fixed point, wrapping at 2^32 like a tick count.
std::uint32_t tickCount();

} // namespace zv
