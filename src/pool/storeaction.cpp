#include "pool/storeaction.h"

namespace zv::pool {

namespace {
bool busy = false;
}

StoreAction::StoreAction() : m_started(!busy) {
    busy = true;
}

StoreAction::~StoreAction() {
    if (m_started)
        busy = false;
}

bool StoreAction::running() {
    return busy;
}

} // namespace zv::pool
