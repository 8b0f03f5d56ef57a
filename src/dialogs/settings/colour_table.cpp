#include "dialogs/settings/colour_table.h"

namespace dorv {
namespace {

using S = MeterSettings;

// Table order: the lit set, then the normal set.
constexpr Colour S::*kEntries[12] = {
    &S::Illumi_needle_color, &S::Illumi_needle_shadow_color, &S::Illumi_needle_color2, &S::Illumi_needle_shadow_color2,
    &S::Illumi_second_color, &S::Illumi_font_color,          &S::Needle_color,         &S::Needle_shadow_color,
    &S::Needle_color2,       &S::Needle_shadow_color2,       &S::Second_color,         &S::Font_color,
};

}  // namespace

ColourTableEntries ColourTable(const MeterSettings& settings) {
    ColourTableEntries table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = settings.*kEntries[i];
    return table;
}

void StoreColourTable(MeterSettings& settings, const ColourTableEntries& table) {
    for (std::size_t i = 0; i < table.size(); ++i)
        settings.*kEntries[i] = table[i];
}

}  // namespace dorv
