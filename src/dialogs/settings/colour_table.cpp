#include "dialogs/settings/colour_table.h"

namespace dorv {
namespace {

// Table order: the lit set, then the normal set.
Colour MeterSettings::*Entry(std::size_t i) {
    return i < kLitColourFields.size() ? kLitColourFields[i] : kNormalColourFields[i - kLitColourFields.size()];
}

}  // namespace

ColourTableEntries ColourTable(const MeterSettings& settings) {
    ColourTableEntries table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = settings.*Entry(i);
    return table;
}

void StoreColourTable(MeterSettings& settings, const ColourTableEntries& table) {
    for (std::size_t i = 0; i < table.size(); ++i)
        settings.*Entry(i) = table[i];
}

}  // namespace dorv
