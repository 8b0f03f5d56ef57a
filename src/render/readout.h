#pragma once
// The numeric readout and the "#0.0" format it shares with the tick's redraw decision.
#include <string>
#include <string_view>

namespace dorv {

struct MeterApp;

// At least one integer digit and exactly one decimal, rounded half away from zero on the exact value.
std::string FormatOneDecimal(double value, std::string_view decimalSymbol);

// Label1 := ShownValue as "#0.0" followed by "%".
void UpdateReadout(MeterApp& app);

}  // namespace dorv
