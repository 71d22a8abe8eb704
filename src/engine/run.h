// The recommendation run of the main window.
#pragma once

namespace zv::engine {

// 按钮1 "推荐号码": fills the results grid and the two number boxes.
void runRecommendation();

} // namespace zv::engine
