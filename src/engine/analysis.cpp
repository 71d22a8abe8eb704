#include "engine/analysis.h"

#include <algorithm>

namespace zv::engine {

namespace {

// The analysis calls the pump after its steps; over long texts it does so
// once a block of characters, which keeps the inner loops tight.
constexpr int PumpBlock = 4096;

inline void step(const Pump& pump) {
    if (pump)
        pump();
}

// Scan-order index + 1 of every byte: 1..10 for the digits 1..9, 0; 0 for
// anything else (which matches no digit).
constexpr std::array<unsigned char, 256> ScanSlot = [] {
    std::array<unsigned char, 256> slot{};
    for (int d = 1; d <= 9; ++d)
        slot[size_t('0' + d)] = static_cast<unsigned char>(d);
    slot[size_t('0')] = 10;
    return slot;
}();

inline int slotOf(char c) {
    return ScanSlot[static_cast<unsigned char>(c)];
}

// Counts the digits among data[begin, end) into bins 0 (no digit) to 10.
void countSlots(const char* data, int begin, int end, std::array<int, 11>& bins, const Pump& pump) {
    for (int block = begin; block < end; block += PumpBlock) {
        const int stop = std::min(end, block + PumpBlock);
        for (int i = block; i < stop; ++i)
            ++bins[size_t(slotOf(data[i]))];
        step(pump);
    }
}

// A set of digits by scan-order index.
using DigitMask = unsigned;
inline DigitMask bit(int index) {
    return 1u << index;
}
inline int indexOf(char digit) {
    return slotOf(digit) - 1;
}

// The value of a character for the parity tests: its digit, 0 for anything
// else and for a position beyond the end of the text.
int valueAt(const Text& t, int position) {
    if (position < 1 || position > t.size())
        return 0;
    const char c = t[position - 1];
    return c < '0' || c > '9' ? 0 : c - '0';
}

bool evenParity(int v) {
    return v % 2 == 0;
}
bool evenHalf(int v) {
    return (v / 2) % 2 == 0;
}

} // namespace

char scanDigit(int index) {
    return "1234567890"[index];
}

Counts countDigits(const Text& position, int n, const Pump& pump) {
    Counts counts;
    const int length = textLength(position);
    std::array<int, 11> total{}, recent{};
    countSlots(position.constData(), 0, std::min(std::max(n, 0), length), total, pump);
    countSlots(position.constData(), std::max(0, length - 30), length, recent, pump);
    std::copy(total.begin() + 1, total.end(), counts.total.begin());
    std::copy(recent.begin() + 1, recent.end(), counts.recent.begin());
    return counts;
}

Text Tiers::priorityList() const {
    qsizetype length = 0;
    for (const Text& t : tier)
        length += t.size();
    Text list(length, Qt::Uninitialized);
    char* out = list.data();
    for (const Text& t : tier)
        out = std::copy(t.begin(), t.end(), out);
    return list;
}

Tiers buildTiers(const Counts& counts, int n, const Pump& pump) {
    Tiers tiers;
    // The tiers as lists of scan-order indices, turned into texts at the end.
    std::array<int, 10> cold{};
    int coldCount = 0;
    DigitMask coldMask = 0;

    // 1. The cold digits, ascending total count, ties in scan order.
    DigitCounts sortedTotal = counts.total;
    std::sort(sortedTotal.begin(), sortedTotal.end());
    for (int v : sortedTotal) {
        if (10 * v >= n)
            break;
        for (int d = 0; d < 10; ++d) {
            if (counts.total[size_t(d)] == v && !(coldMask & bit(d))) {
                cold[size_t(coldCount++)] = d;
                coldMask |= bit(d);
            }
        }
    }
    step(pump);

    // 2. The recently rare digits, fewest recent appearances first.
    int first = -1, fourth = -1;
    std::array<int, 10> third{}, fifth{};
    int thirdCount = 0, fifthCount = 0;
    DigitMask thirdMask = 0, fifthMask = 0;
    DigitCounts sortedRecent = counts.recent;
    std::sort(sortedRecent.begin(), sortedRecent.end());
    for (int v : sortedRecent) {
        if (v >= 4)
            break;
        for (int d = 0; d < 10; ++d) {
            if (counts.recent[size_t(d)] != v)
                continue;
            if (coldMask & bit(d)) {
                if (first < 0)
                    first = d;
                else if (d != first && !(thirdMask & bit(d)))
                    third[size_t(thirdCount++)] = d, thirdMask |= bit(d);
            } else {
                if (fourth < 0)
                    fourth = d;
                else if (d != fourth && !(fifthMask & bit(d)))
                    fifth[size_t(fifthCount++)] = d, fifthMask |= bit(d);
            }
        }
    }
    step(pump);

    // 3.-7. S = ① + ③; the pivot ② is the first cold digit found in ③;
    // what is left of the cold digits after S and ② is ⑥.
    const DigitMask taken = (first >= 0 ? bit(first) : 0) | thirdMask;
    int second = -1;
    for (int i = 0; i < coldCount; ++i) {
        if (thirdMask & bit(cold[size_t(i)])) {
            second = cold[size_t(i)];
            break;
        }
    }
    auto textOf = [](const int* indices, int count, DigitMask skip) {
        char digits[10];
        int length = 0;
        for (int i = 0; i < count; ++i)
            if (!(skip & bit(indices[i])))
                digits[length++] = scanDigit(indices[i]);
        return Text(digits, length);
    };
    const DigitMask secondMask = second >= 0 ? bit(second) : 0;
    tiers.coldList = textOf(cold.data(), coldCount, 0);
    if (first >= 0)
        tiers.tier[0] = Text(1, scanDigit(first));
    if (second >= 0)
        tiers.tier[1] = Text(1, scanDigit(second));
    tiers.tier[2] = textOf(third.data(), thirdCount, secondMask);
    if (fourth >= 0)
        tiers.tier[3] = Text(1, scanDigit(fourth));
    tiers.tier[4] = textOf(fifth.data(), fifthCount, 0);
    tiers.tier[5] = textOf(cold.data(), coldCount, taken | secondMask);
    return tiers;
}

Rarity buildRarity(const Text& position, int n, const Text& priorityList, const Pump& pump) {
    Rarity rarity;
    const int windows = std::max(n, 0) / 30;
    const int length = textLength(position);
    const char* data = position.constData();
    DigitCounts rareTimes{};
    rarity.rareList.resize(qsizetype(10) * windows);
    char* rare = rarity.rareList.data();
    qsizetype rareLength = 0;
    for (int k = windows; k >= 1; --k) {
        // Window k: the last 30k characters; its samples at 1, k, 2k, ..., 29k.
        const long long windowStart = std::max(0LL, (long long)length - 30LL * k); // 0-based
        const long long windowLength = length - windowStart;
        std::array<int, 11> sampled{};
        const char* window = data + windowStart - 1; // window[1] is its oldest character
        if (windowLength >= 29LL * k) {
            ++sampled[size_t(slotOf(window[1]))];
            for (int s = 1; s < 30; ++s)
                ++sampled[size_t(slotOf(window[s * k]))];
        } else {
            // A text shorter than its windows: samples beyond its end match nothing.
            for (int s = 0; s < 30; ++s) {
                const long long at = s == 0 ? 1 : (long long)s * k;
                if (at <= windowLength)
                    ++sampled[size_t(slotOf(window[at]))];
            }
        }
        for (int d = 0; d < 10; ++d) {
            if (sampled[size_t(d + 1)] <= 1) {
                rare[rareLength++] = scanDigit(d);
                ++rareTimes[size_t(d)];
            }
        }
        step(pump);
    }
    rarity.rareList.truncate(rareLength);

    DigitMask rankMask = 0;
    char rank[10];
    int rankLength = 0;
    DigitCounts sortedTimes = rareTimes;
    std::sort(sortedTimes.begin(), sortedTimes.end(), std::greater<int>());
    for (int v : sortedTimes) {
        if (v < 1)
            break; // digits never found rare do not enter
        for (int d = 0; d < 10; ++d) {
            if (rareTimes[size_t(d)] == v && !(rankMask & bit(d))) {
                rank[rankLength++] = scanDigit(d);
                rankMask |= bit(d);
            }
        }
    }
    rarity.rareRank = Text(rank, rankLength);

    char dimension[64];
    int dimensionLength = 0;
    for (qsizetype i = 0; i < priorityList.size() && dimensionLength < 64; ++i) {
        const char c = priorityList[i];
        if (i == 0 && rankLength > 0 && c == rank[0])
            continue;
        const int d = indexOf(c);
        if (d >= 0 && (rankMask & bit(d)))
            dimension[dimensionLength++] = c;
    }
    rarity.dimensionList = Text(dimension, dimensionLength);
    step(pump);
    return rarity;
}

Selection selectRecommendation(const Text& position, int n, const Tiers& tiers,
                               const Rarity& rarity, const Pump& pump) {
    return selectRecommendation(position, n, countDigits(position, n, pump), tiers, rarity, pump);
}

Selection selectRecommendation(const Text& position, int n, const Counts& counts,
                               const Tiers& tiers, const Rarity& rarity, const Pump& pump) {
    Selection s;
    // Over characters 1..N: +1 for every even value, -1 for every odd one;
    // foreign characters and positions beyond the end count as 0, even. The
    // odd values are the odd digits among the total counts (1, 3, 5, 7, 9 sit
    // at the even scan-order indices).
    int odd = 0;
    for (int d = 0; d < 10; d += 2)
        odd += counts.total[size_t(d)];
    s.parityBalance = std::max(n, 0) - 2 * odd;

    // The last four and the last three characters (fewer in a shorter text:
    // the missing places count as 0).
    const int length = textLength(position);
    const int four = std::max(0, length - 4), three = std::max(0, length - 3);
    for (int i = 1; i <= 4; ++i)
        s.recentParityBalance += evenParity(valueAt(position, four + i)) ? 1 : -1;
    for (int i = 1; i <= 3; ++i)
        s.halfBalance += evenHalf(valueAt(position, three + i)) ? 1 : -1;

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

    char candidates[64];
    int count = 0;
    if (s.parityBias != 0) {
        for (char c : rarity.dimensionList)
            if (count < 64 && evenParity(c - '0') == (s.parityBias > 0))
                candidates[count++] = c;
    }
    s.candidates = Text(candidates, count);

    const Text& first = tiers.tier[0];
    const bool firstLeads =
        !first.isEmpty() && !rarity.rareRank.isEmpty() && first[0] == rarity.rareRank[0];
    s.selectedText = s.candidates;
    for (int i = 0; i < count; ++i) {
        const char c = candidates[i];
        if (firstLeads || evenHalf(c - '0') == (s.halfBias > 0)) {
            // The lead, one space, the other candidates (① leads with all of them).
            char text[72];
            int length = 0;
            text[length++] = firstLeads ? first[0] : c;
            text[length++] = ' ';
            for (int j = 0; j < count; ++j)
                if (firstLeads || j != i)
                    text[length++] = candidates[j];
            s.selectedText = Text(text, length);
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
    step(pump);
    return s;
}

PositionAnalysis analysePosition(const Text& position, int n, const Pump& pump) {
    PositionAnalysis a;
    a.counts = countDigits(position, n, pump);
    a.tiers = buildTiers(a.counts, n, pump);
    a.rarity = buildRarity(position, n, a.tiers.priorityList(), pump);
    a.selection = selectRecommendation(position, n, a.counts, a.tiers, a.rarity, pump);
    return a;
}

} // namespace zv::engine
