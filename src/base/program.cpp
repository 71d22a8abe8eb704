#include "base/program.h"

#include <cstdio>
#include <unistd.h>

namespace zv {

namespace {

struct EndState {
    int guards = 0;
    bool requested = false;
    int code = 0;
    std::function<void(int)> action;
};

EndState& state() {
    static EndState s;
    return s;
}

void exitNow(int code) {
    std::fflush(nullptr);
    // No destructor runs: windows and handlers that are still on the stack
    // must not go on working while the toolkit tears itself down.
    ::_exit(code);
}

void runEnd() {
    EndState& s = state();
    if (s.action)
        s.action(s.code);
    else
        exitNow(s.code);
}

} // namespace

void endProcess(int code) {
    EndState& s = state();
    if (s.requested)
        return;
    s.requested = true;
    s.code = code;
    if (s.guards == 0)
        runEnd();
}

bool programEnding() {
    return state().requested;
}

void setProgramEndAction(std::function<void(int)> action) {
    state().action = std::move(action);
}

void resetProgramEnd() {
    state().requested = false;
    state().code = 0;
}

ProgramEndGuard::ProgramEndGuard() {
    ++state().guards;
}

ProgramEndGuard::~ProgramEndGuard() {
    EndState& s = state();
    if (--s.guards == 0 && s.requested)
        runEnd();
}

} // namespace zv
