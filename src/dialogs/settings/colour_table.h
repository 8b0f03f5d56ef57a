#pragma once
// The twelve colour settings as the dialog's working table: the lit set in 0..5, the normal set in 6..11,
// each in swatch order (needle centre, outline, hub centre, hub outline, second hand, text).
#include <array>

#include "settings/meter_settings.h"

namespace dorv {

using ColourTableEntries = std::array<Colour, 12>;

ColourTableEntries ColourTable(const MeterSettings& settings);
void StoreColourTable(MeterSettings& settings, const ColourTableEntries& table);

}  // namespace dorv
