// Rebuilding the pool from the results service.
#pragma once

namespace zv::pool {

// 按钮4: fetches the past draws year by year and replaces the pool.
void fetchPastDraws();

} // namespace zv::pool
