#pragma once
// The numeric readout and the "#0.0" format it shares with the tick's redraw decision.
#include <string>
#include <string_view>

#include "render/dial_surface.h"

namespace dorv {

// At least one integer digit and exactly one decimal, rounded half away from zero on the exact value.
std::string FormatOneDecimal(double value, std::string_view decimalSymbol);

// The readout := the shown value as "#0.0" followed by "%".
void UpdateReadout(const DialSurface& dial, double shownValue, std::string_view decimalSymbol);

}  // namespace dorv
