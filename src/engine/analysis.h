// The analysis of one digit position: counts, priority tiers, rarity rank,
// three-dimension list, parity forecast and the selected recommendation.
// Plain functions from a position text and N to values; no windows.
#pragma once

#include "base/text.h"

#include <array>
#include <functional>

namespace zv::engine {

inline constexpr int MinimumPool = 30;

// Called after the steps of the loops, so that a window stays responsive.
using Pump = std::function<void()>;

// Per digit, in the scan order 1, 2, ..., 9, 0 (index 0 is digit 1, index 9 digit 0).
using DigitCounts = std::array<int, 10>;
// The digit of a scan-order index.
char scanDigit(int index);

struct Counts {
    DigitCounts total{};  // among characters 1..N
    DigitCounts recent{}; // among the last 30 characters
};
Counts countDigits(const Text& position, int n, const Pump& pump = {});

struct Tiers {
    std::array<Text, 6> tier; // ① to ⑥
    Text coldList;            // the cold digits as first listed (before the tiers take theirs)
    Text priorityList() const;
};
Tiers buildTiers(const Counts& counts, int n, const Pump& pump = {});

struct Rarity {
    Text rareList;
    Text rareRank;
    Text dimensionList;
};
Rarity buildRarity(const Text& position, int n, const Text& priorityList, const Pump& pump = {});

enum class CellColour { Green, Grey };
inline constexpr const char* GreenColour = "#008000";
inline constexpr const char* GreyColour = "#808080";

struct Selection {
    int parityBalance = 0;
    int recentParityBalance = 0;
    int halfBalance = 0;
    int parityBias = 0; // +1 even, -1 odd, 0 none
    int halfBias = 0;   // +1 even half class, -1 odd half class
    Text candidates;
    Text selectedText;
    CellColour colour = CellColour::Green;
};
Selection selectRecommendation(const Text& position, int n, const Tiers& tiers,
                               const Rarity& rarity, const Pump& pump = {});
// The same with the position's counts already made.
Selection selectRecommendation(const Text& position, int n, const Counts& counts,
                               const Tiers& tiers, const Rarity& rarity, const Pump& pump = {});

// Everything about one position.
struct PositionAnalysis {
    Counts counts;
    Tiers tiers;
    Rarity rarity;
    Selection selection;
};
PositionAnalysis analysePosition(const Text& position, int n, const Pump& pump = {});

} // namespace zv::engine
