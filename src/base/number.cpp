#include "base/number.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace zv {

namespace {

// Writes v rounded to `digits` significant digits in plain positional
// notation, without trailing zeros and without a point for whole values.
Text shortestForm(double v, int digits) {
    if (!std::isfinite(v))
        return v != v ? Text("nan") : (v < 0 ? Text("-inf") : Text("inf"));
    if (v == 0)
        return "0";
    char buf[64];
    // d.ddddde[+-]xx: the rounded mantissa digits and the decimal exponent.
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v);
    Text s(buf);
    const bool negative = s.startsWith('-');
    if (negative)
        s.remove(0, 1);
    const qsizetype e = s.indexOf('e');
    const int exponent = std::atoi(s.constData() + e + 1);
    Text mantissa = s.left(e);
    mantissa.remove(1, 1); // drop the point
    while (mantissa.size() > 1 && mantissa.endsWith('0'))
        mantissa.chop(1);
    Text out;
    if (exponent < 0) {
        out = "0." + Text(-exponent - 1, '0') + mantissa;
    } else if (exponent + 1 >= mantissa.size()) {
        out = mantissa + Text(exponent + 1 - mantissa.size(), '0');
    } else {
        out = mantissa.left(exponent + 1) + "." + mantissa.mid(exponent + 1);
    }
    return negative ? "-" + out : out;
}

// Replaces the full-width forms of GBK by their one-byte counterparts.
Text mapFullWidth(const Text& t) {
    Text out;
    out.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c < 0x80 || i + 1 >= t.size()) {
            out += char(c);
            continue;
        }
        const auto trail = static_cast<unsigned char>(t[i + 1]);
        if (c == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            out += char(trail - 0x80);
        else if (c == 0xA1 && trail == 0xA1)
            out += ' ';
        else if (c == 0xA1 && trail == 0xAB)
            out += '~';
        else if (c == 0xA1 && (trail == 0xEE || trail == 0xEF))
            out += '*';
        else
            out += char(c), out += char(trail);
        ++i;
    }
    return out;
}

bool isCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Index of the first byte after leading white space.
qsizetype skipSpace(const Text& t) {
    qsizetype i = 0;
    while (i < t.size() && isCSpace(t[i]))
        ++i;
    return i;
}

struct RandomGenerator {
    std::uint32_t state = 1;
    std::uint32_t accumulator = 0;
    int draw() {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    }
};

RandomGenerator& generator() {
    static RandomGenerator g;
    return g;
}

} // namespace

Text toText(int value) {
    return Text::number(value);
}

Text toText(float value) {
    return shortestForm(double(value), 6);
}

Text toText(double value) {
    return shortestForm(value, 13);
}

Text bytesToText(const Bytes& bytes) {
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

Bytes toBytes(const Text& text) {
    return text;
}

int toInt(const Text& text) {
    const Text t = mapFullWidth(text);
    qsizetype i = skipSpace(t);
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    long long v = 0;
    for (; i < t.size() && isDigit(t[i]); ++i)
        v = std::min<long long>(v * 10 + (t[i] - '0'), 1LL << 31);
    v = negative ? -v : v;
    return int(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

int toInt(double value) {
    if (!(value == value))
        return 0;
    return int(std::clamp(std::trunc(value), double(INT32_MIN), double(INT32_MAX)));
}

float toFloat(const Text& text) {
    const Text t = mapFullWidth(text);
    qsizetype i = skipSpace(t);
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    // Take the longest prefix of the form digits [. digits] [e [sign] digits].
    const qsizetype start = i;
    qsizetype digits = 0;
    while (i < t.size() && isDigit(t[i]))
        ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0.0f;
    qsizetype end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j < t.size() && isDigit(t[j])) {
            while (j < t.size() && isDigit(t[j]))
                ++j;
            end = j;
        }
    }
    float v = 0.0f;
    const auto result = std::from_chars(t.constData() + start, t.constData() + end, v);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range: overflow gives infinity, underflow zero, as strtod does.
        const char* mark = std::find_if(t.constData() + start, t.constData() + end,
                                        [](char c) { return c == 'e' || c == 'E'; });
        const bool tiny = mark != t.constData() + end && mark[1] == '-';
        v = tiny ? 0.0f : HUGE_VALF;
    }
    return negative ? -v : v;
}

double integerDivide(double a, double b) {
    return std::trunc(a / b);
}

bool numbersEqual(double a, double b) {
    return std::fabs(a - b) <= 1e-7;
}
bool numberGreater(double a, double b) {
    return a - b > 1e-7;
}
bool numberLess(double a, double b) {
    return a - b < -1e-7;
}

namespace {
QDateTime& timeOverride() {
    static QDateTime fixed;
    return fixed;
}
} // namespace

QDateTime currentTime() {
    return timeOverride().isValid() ? timeOverride() : QDateTime::currentDateTime();
}

int yearOf(const QDateTime& time) {
    return time.date().year();
}

void setCurrentTimeOverride(const QDateTime& time) {
    timeOverride() = time;
}

std::uint32_t tickCount() {
    using namespace std::chrono;
    return std::uint32_t(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void seedRandom() {
    seedRandomAt(tickCount());
}

void seedRandomAt(std::uint32_t tick) {
    RandomGenerator& g = generator();
    g.state = tick + g.accumulator;
    g.accumulator += (g.state & 0xFF) + 100;
}

int randomInt(int lo, int hi) {
    lo = std::max(lo, 0);
    hi = std::max(hi, 0);
    if (lo > hi)
        std::swap(lo, hi);
    if (lo == hi)
        return lo;
    const long long span = (long long)hi - lo + 1;
    return int(lo + generator().draw() % span);
}

std::uint32_t randomState() {
    return generator().state;
}

void setRandomState(std::uint32_t state, std::uint32_t accumulator) {
    generator().state = state;
    generator().accumulator = accumulator;
}

void sortNumbers(QList<int>& list, bool ascending) {
    if (ascending)
        std::sort(list.begin(), list.end());
    else
        std::sort(list.begin(), list.end(), std::greater<int>());
}

} // namespace zv
