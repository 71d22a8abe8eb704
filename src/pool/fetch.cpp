#include "pool/fetch.h"

namespace zv::pool {

void fetchPastDraws() {}

} // namespace zv::pool
