// Only one change of the pool at a time: adding, deleting and fetching pump
// events while they work, so a click may try to start another meanwhile.
#pragma once

namespace zv::pool {

class StoreAction {
public:
    StoreAction();
    ~StoreAction();
    StoreAction(const StoreAction&) = delete;
    StoreAction& operator=(const StoreAction&) = delete;

    // False when another change was already under way; then do nothing.
    bool started() const { return m_started; }
    static bool running();

private:
    bool m_started;
};

} // namespace zv::pool
