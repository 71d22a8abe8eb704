// The end of the process, and the sections that must finish before it.
#pragma once

#include <functional>

namespace zv {

// Ends the process with the code, now or, inside a ProgramEndGuard, as soon
// as the outermost guard is left.
void endProcess(int code);
// True once the end was asked for.
bool programEnding();
// What ending the process does (by default: flush and exit at once). Tests
// replace it to observe the end without leaving the test process.
void setProgramEndAction(std::function<void(int)> action);
// Forgets a recorded end (for tests that end the program more than once).
void resetProgramEnd();

// Work that must not be cut off by the end of the process (a store update
// writing its files) holds a guard; the end waits for it.
class ProgramEndGuard {
public:
    ProgramEndGuard();
    ~ProgramEndGuard();
    ProgramEndGuard(const ProgramEndGuard&) = delete;
    ProgramEndGuard& operator=(const ProgramEndGuard&) = delete;
};

} // namespace zv
