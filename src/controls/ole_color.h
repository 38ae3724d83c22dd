#pragma once

#include "platform/ui.h"

#include <cstdint>

namespace fluvane::controls {

// OLE colours: 0x00BBGGRR, or with the top bit set a system colour whose index
// is the low 31 bits.
using OleColor = std::uint32_t;

platform::Color TranslateColor(OleColor color, const platform::Ui& ui);

}  // namespace fluvane::controls
