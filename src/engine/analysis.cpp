#include "engine/analysis.h"

#include "base/number.h"

#include <algorithm>

namespace zv::engine {

namespace {

// Scan-order index of a digit character, -1 for anything else.
int scanIndex(char c) {
    if (c < '0' || c > '9')
        return -1;
    return c == '0' ? 9 : c - '1';
}

inline void step(const Pump& pump) {
    if (pump)
        pump();
}

bool contains(const Text& t, char c) { return t.contains(c); }

Text without(const Text& t, char c) {
    Text out = t;
    out.replace(QByteArray(1, c), QByteArray());
    return out;
}

// The value of the character at a 1-based position for the parity tests: its
// digit; 0 for any other character and for a position beyond the end.
int valueOf(const Text& t, int position) {
    if (position < 1 || position > t.size())
        return 0;
    const char c = t[position - 1];
    return c < '0' || c > '9' ? 0 : c - '0';
}

bool evenParity(int v) { return v % 2 == 0; }
bool evenHalf(int v) { return (v / 2) % 2 == 0; }

} // namespace

char scanDigit(int index) { return "1234567890"[index]; }

Counts countDigits(const Text& position, int n, const Pump& pump) {
    Counts counts;
    const int length = textLength(position);
    const char* data = position.constData();
    const int counted = std::min(n, length);
    for (int i = 0; i < counted; ++i) {
        const int d = scanIndex(data[i]);
        if (d >= 0)
            ++counts.total[size_t(d)];
        step(pump);
    }
    for (int i = std::max(0, length - 30); i < length; ++i) {
        const int d = scanIndex(data[i]);
        if (d >= 0)
            ++counts.recent[size_t(d)];
        step(pump);
    }
    return counts;
}

Text Tiers::priorityList() const {
    Text list;
    for (const Text& t : tier)
        list += t;
    return list;
}

Tiers buildTiers(const Counts& counts, int n, const Pump& pump) {
    Tiers tiers;
    Text& first = tiers.tier[0];
    Text& second = tiers.tier[1];
    Text& third = tiers.tier[2];
    Text& fourth = tiers.tier[3];
    Text& fifth = tiers.tier[4];

    // 1. The cold digits, ascending total count, ties in scan order.
    DigitCounts sortedTotal = counts.total;
    std::sort(sortedTotal.begin(), sortedTotal.end());
    Text coldList;
    for (int v : sortedTotal) {
        if (10 * v >= n)
            break;
        for (int d = 0; d < 10; ++d) {
            if (counts.total[size_t(d)] == v && !contains(coldList, scanDigit(d)))
                coldList += scanDigit(d);
            step(pump);
        }
    }
    tiers.coldList = coldList;

    // 2. The recently rare digits, fewest recent appearances first.
    DigitCounts sortedRecent = counts.recent;
    std::sort(sortedRecent.begin(), sortedRecent.end());
    for (int v : sortedRecent) {
        if (v >= 4)
            break;
        for (int d = 0; d < 10; ++d) {
            step(pump);
            if (counts.recent[size_t(d)] != v)
                continue;
            const char c = scanDigit(d);
            if (contains(coldList, c)) {
                if (first.isEmpty())
                    first = Text(1, c);
                else if (!contains(first, c) && !contains(third, c))
                    third += c;
            } else {
                if (fourth.isEmpty())
                    fourth = Text(1, c);
                else if (!contains(fourth, c) && !contains(fifth, c))
                    fifth += c;
            }
        }
    }

    // 3.-7. The pivot ②, then ⑥ as what is left of the cold digits.
    const Text taken = first + third;
    for (char c : coldList) {
        step(pump);
        if (contains(third, c)) {
            second = Text(1, c);
            coldList = without(coldList, c);
            break;
        }
    }
    for (char c : taken)
        coldList = without(coldList, c);
    if (!second.isEmpty())
        third = without(third, second[0]);
    tiers.tier[5] = coldList;
    return tiers;
}

Rarity buildRarity(const Text& position, int n, const Text& priorityList, const Pump& pump) {
    Rarity rarity;
    const int windows = toInt(integerDivide(n, 30));
    const int length = textLength(position);
    DigitCounts rareTimes{};
    for (int k = windows; k >= 1; --k) {
        // Window k: the last 30k characters; its samples at 1, k, 2k, ..., 29k.
        const int windowStart = std::max(0, length - 30 * k); // 0-based
        const int windowLength = length - windowStart;
        DigitCounts sampled{};
        for (int s = 0; s < 30; ++s) {
            const int at = s == 0 ? 1 : s * k; // 1-based within the window
            if (at <= windowLength) {
                const int d = scanIndex(position[windowStart + at - 1]);
                if (d >= 0)
                    ++sampled[size_t(d)];
            }
            step(pump);
        }
        for (int d = 0; d < 10; ++d) {
            if (sampled[size_t(d)] <= 1) {
                rarity.rareList += scanDigit(d);
                ++rareTimes[size_t(d)];
            }
            step(pump);
        }
    }

    DigitCounts sortedTimes = rareTimes;
    std::sort(sortedTimes.begin(), sortedTimes.end(), std::greater<int>());
    for (int v : sortedTimes) {
        if (v < 1)
            break; // digits never found rare do not enter
        for (int d = 0; d < 10; ++d) {
            if (rareTimes[size_t(d)] == v && !contains(rarity.rareRank, scanDigit(d)))
                rarity.rareRank += scanDigit(d);
            step(pump);
        }
    }

    for (qsizetype i = 0; i < priorityList.size(); ++i) {
        const char c = priorityList[i];
        step(pump);
        if (i == 0 && !rarity.rareRank.isEmpty() && c == rarity.rareRank[0])
            continue;
        if (contains(rarity.rareRank, c))
            rarity.dimensionList += c;
    }
    return rarity;
}

Selection selectRecommendation(const Text& position, int n, const Tiers& tiers,
                               const Rarity& rarity, const Pump& pump) {
    Selection s;
    for (int i = 1; i <= n; ++i) {
        s.parityBalance += evenParity(valueOf(position, i)) ? 1 : -1;
        step(pump);
    }
    const Text lastFour = textRight(position, 4);
    for (int i = 1; i <= 4; ++i) {
        s.recentParityBalance += evenParity(valueOf(lastFour, i)) ? 1 : -1;
        step(pump);
    }
    const Text lastThree = textRight(position, 3);
    for (int i = 1; i <= 3; ++i) {
        s.halfBalance += evenHalf(valueOf(lastThree, i)) ? 1 : -1;
        step(pump);
    }

    // The less frequent parity of the last four draws, else of the whole history.
    if (s.recentParityBalance < 0)
        s.parityBias = 1;
    else if (s.recentParityBalance > 0)
        s.parityBias = -1;
    else if (s.parityBalance > 0)
        s.parityBias = -1;
    else if (s.parityBalance < 0)
        s.parityBias = 1;
    s.halfBias = s.halfBalance < 0 ? 1 : -1;

    if (s.parityBias != 0) {
        for (char c : rarity.dimensionList) {
            const bool even = evenParity(c - '0');
            if (even == (s.parityBias > 0))
                s.candidates += c;
            step(pump);
        }
    }

    const Text& first = tiers.tier[0];
    const bool firstLeads =
        !first.isEmpty() && !rarity.rareRank.isEmpty() && first[0] == rarity.rareRank[0];
    s.selectedText = s.candidates;
    for (qsizetype i = 0; i < s.candidates.size(); ++i) {
        const char c = s.candidates[i];
        step(pump);
        if (evenHalf(c - '0') == (s.halfBias > 0) || firstLeads) {
            if (firstLeads)
                s.selectedText = first + " " + s.candidates;
            else
                s.selectedText = Text(1, c) + " " + Text(s.candidates).remove(i, 1);
            break;
        }
    }

    if (s.parityBias == 0) {
        s.colour = CellColour::Grey;
        s.selectedText.clear();
        for (const Text& t : tiers.tier) {
            if (!t.isEmpty()) {
                s.selectedText = t;
                break;
            }
        }
    }
    return s;
}

PositionAnalysis analysePosition(const Text& position, int n, const Pump& pump) {
    PositionAnalysis a;
    a.counts = countDigits(position, n, pump);
    a.tiers = buildTiers(a.counts, n, pump);
    a.rarity = buildRarity(position, n, a.tiers.priorityList(), pump);
    a.selection = selectRecommendation(position, n, a.tiers, a.rarity, pump);
    return a;
}

} // namespace zv::engine
