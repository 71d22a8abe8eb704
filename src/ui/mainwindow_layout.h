#pragma once

#include "ui/layout.h"

namespace zv::ui {

extern const char* const CreditLine;
const QList<ControlSpec>& mainWindowControls();

} // namespace zv::ui
