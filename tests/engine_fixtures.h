// Position texts with known figures, for the engine's tests.
#pragma once

#include "base/text.h"

// 60 draws of one position, oldest first, with
//   totalCount  1:7 2:4 3:6 4:5 5:2 6:3 7:10 8:8 9:8 0:7
//   recentCount 1:4 2:0 3:5 4:4 5:2 6:2 7:4 8:3 9:3 0:3
//   the sample of window 2 (positions 1, 2, 4, ..., 58): 1:2 2:4 3:1 4:1 5:2 6:1 7:6 8:4 9:4 0:5
//   the sample of window 1 (positions 1, 1, 2, ..., 29 of the last 30): 1:4 2:0 3:6 4:4 5:2 6:1 7:4
//   8:3 9:3 0:3 and the last four draws 1, 9, 1, 6
// (found by a small seeded search).
inline const zv::Text WorkedExample =
    "886999428270809972371770718210350717314488479308463035971916";

// Every digit exactly three times in 30 draws.
inline const zv::Text Balanced30 = "012345678901234567890123456789";
