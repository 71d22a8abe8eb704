#include "engine/run.h"

namespace zv::engine {

void runRecommendation() {}

} // namespace zv::engine
