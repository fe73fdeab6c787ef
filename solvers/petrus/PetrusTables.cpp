#include "solvers/petrus/PetrusTables.h"

#include <array>
#include <string>

namespace petrus {

namespace {

// Transcribed entry by entry; tests/petrus checks every sequence on the cube.
// S1a
constexpr TableEntry kS1a[] = {
    {"1", "B2L2"}, {"3", "F1R1B1"}, {"5", "R2D1L2"}, {"7", ""}, {"10", "L1U2L2"}, {"12", "U2F1R3"},
    {"14", "R3D1L2"}, {"16", "L1"}, {"19", "R1B3L2"}, {"21", "R2B3L2"}, {"23", "B3L2"},
    {"25", "R3B3L2"}, {"28", "L3"}, {"30", "B1L3"}, {"32", "B3L3"}, {"34", "B2L3"},
    {"37", "F2U3R1"}, {"39", "B1L2"}, {"41", "U2F3R2"}, {"43", "D1L1"}, {"46", "D2L2"},
    {"48", "D3L2"}, {"50", "D1L2"}, {"52", "L2"},
};

// S1b-centre
constexpr TableEntry kS1bCentre[] = {
    {"4", "F2"}, {"13", "U1L3ryrzrzrz"}, {"22", "F3rxrxrx"}, {"31", "U1L1ryryryrzrzrz"},
    {"40", "F1rx"}, {"49", "rxrx"},
};

// S1b-edge
constexpr TableEntry kS1bEdge[] = {
    {"1", "U3F2"}, {"3", "F2"}, {"5", "U2F2"}, {"7", "U1F2"}, {"10", "F1R1U2F1"}, {"12", "L3F2"},
    {"14", "D2R1B2"}, {"19", "F1R1B1U3F1"}, {"21", "D1F3R2"}, {"23", "B1U3F2"},
    {"25", "F1R3B1U3F1"}, {"28", "B1L1F2"}, {"30", "B2L1F2"}, {"32", "L1F2"}, {"34", "B3L1F2"},
    {"37", "U1B1L1F2"}, {"39", "B3U3F2"}, {"41", "F1U1F1"}, {"43", "L3F1U1F1"}, {"48", "L2F2"},
    {"50", "F1R2U2F1"}, {"52", "B2U3F2"},
};

// S1c-centre
constexpr TableEntry kS1cCentre[] = {
    {"13", "U2"}, {"22", "rzU1"}, {"31", "rzrz"}, {"40", "rzrzrzU3"},
};

// S1c-edge
constexpr TableEntry kS1cEdge[] = {
    {"3", "L1U2"}, {"7", "U1L1U1"}, {"10", "F3U2"}, {"12", "U2"}, {"14", "F2U2"}, {"16", "F1U2"},
    {"21", "F1D3L3U2"}, {"23", "U2R1U2D3F1U2"}, {"25", "D3F1U2"}, {"30", "U2R1U2D2L3U2"},
    {"32", "L2U2"}, {"34", "D2F1U2"}, {"37", "L2D1F1U2"}, {"39", "L3D1F1U2"}, {"41", "L1D1F1U2"},
    {"43", "D1F1U2"}, {"46", "D3L3U2"}, {"48", "L3U2"}, {"50", "D2L3U2"}, {"52", "D1L3U2"},
};

// S2-corner
constexpr TableEntry kS2Corner[] = {
    {"0", "U3F3"}, {"2", "U2F3"}, {"6", "F3"}, {"8", "U1F3"}, {"9", "U3F2"}, {"11", "R3F1"},
    {"15", "F1U3F2"}, {"17", "F2U3F2"}, {"18", "F2"}, {"20", "R3F2"}, {"24", "R1F2"},
    {"26", "R2F2"}, {"27", "U1F2"}, {"29", "U1R3F2"}, {"33", "R1F1"}, {"36", "U2F2"},
    {"38", "U2R3F2"}, {"44", ""}, {"45", "F3R1F2"}, {"47", "F1"}, {"53", "R3U1F2"},
};

// S2-edge-1
constexpr TableEntry kS2Edge1[] = {
    {"1", "U1R2F3"}, {"3", "U2R2F3"}, {"5", "R2F3"}, {"7", "U3R2F3"}, {"10", "F1R3F2"},
    {"12", "F2U1R3U3F1"}, {"14", "R3F3"}, {"16", "F1U1F2R3U3F2"}, {"19", "U1F1R3F2"},
    {"21", "R1U1F1R3F2"}, {"23", "R3U1F1R3F2"}, {"25", "R2U1F1R3F2"}, {"28", "U2F1R3F2"},
    {"30", "R1F3"}, {"37", "U3F1R3F2"}, {"41", "F1U3F3R2F1U1F2"}, {"46", "F1U1F1U3R2F2"},
    {"50", "F3"},
};

// S2-edge-2
constexpr TableEntry kS2Edge2[] = {
    {"1", "R2"}, {"3", "U1R2"}, {"5", "U3R2"}, {"7", "U2R2"}, {"10", "U3R3F3U2R3"},
    {"12", "R3F2R1U3R2"}, {"14", "R1F1U3F3R1"}, {"16", "R3F3R1U3R2"}, {"19", "R3F3U2R3"},
    {"21", "R1F2R3F3U2F3R1"}, {"23", "R2F3R2U2R2"}, {"28", "U1R3F3U2R3"}, {"30", "R3U3R3"},
    {"37", "U2R3F3U2R3"}, {"41", "R3F1U2R3"}, {"46", "R3F2U2R3"},
};

// S4A-corner
constexpr TableEntry kS4ACorner[] = {
    {"0", "U2F3U2"}, {"2", "U1F3U2"}, {"6", "U3F3U2"}, {"8", "F3U2"}, {"9", "F1U3"}, {"11", "U3"},
    {"15", "F2U3"}, {"17", "F3U3"}, {"18", "U1F1U3"}, {"20", ""}, {"24", "F2U2"}, {"27", "U2F1U3"},
    {"29", "U1"}, {"36", "U3F1U3"}, {"38", "U2"}, {"44", "F2U1F1U3"}, {"45", "F1U2"},
    {"47", "F3U1F1U3"},
};

// S4A-edge
constexpr TableEntry kS4AEdge[] = {
    {"10", "F1U1"}, {"12", "F2U1"}, {"14", "U1"}, {"16", "F3U1"}, {"19", "U1F3U1F2U3F1U2F3U2"},
    {"28", "U1F2U1F2U3F3U1"}, {"37", "U3F1U2"},
};

// S4A-finish
constexpr TableEntry kS4AFinish[] = {
    {"10", "F3U2F2"}, {"12", "U2F2"}, {"14", "F2U2F2"}, {"16", "F1U2F2"},
    {"19", "U2F3U3F1U1F2U3F2"}, {"37", "U3F3U3F2"},
};

// S4B-corner
constexpr TableEntry kS4BCorner[] = {
    {"0", "U3F1U3"}, {"2", "U2F1U3"}, {"6", "F1U3"}, {"8", "U1F1U3"}, {"9", "U2"}, {"11", "F3U2"},
    {"15", "F1U2"}, {"17", "F2U2"}, {"18", "U3"}, {"20", "U1F3U2"}, {"24", "F2U3F3U2"}, {"27", ""},
    {"29", "U2F3U2"}, {"36", "U1"}, {"38", "U3F3U2"}, {"44", "F2U3"}, {"45", "F1U3F3U2"},
    {"47", "F3U3"},
};

// S4B-edge
constexpr TableEntry kS4BEdge[] = {
    {"10", "F3U2"}, {"12", "U2"}, {"14", "F2U2"}, {"16", "F1U2"}, {"19", "U1F3U1F3U3F1U1"},
    {"28", "U2F1U2F1U2F3U1F2U3"}, {"37", "U3F3U3"},
};

// S4B-finish
constexpr TableEntry kS4BFinish[] = {
    {"10", "F1U2F1"}, {"12", "F2U2F1"}, {"14", "U2F1"}, {"16", "F3U2F1"}, {"19", "U1F1U1F1"},
    {"37", "U2F1U1F3U2F2U2F1"},
};

// S4-last-pair
constexpr TableEntry kS4LastPair[] = {
    {"619", "F1U1F3"}, {"3828", "F1U3F3U2F1U1F3"}, {"2910", "F1U2F3U1F1U3F3"},
    {"210", "F1U3F3U3F1U1F3"}, {"2010", "F1U1F3U1F1U3F3"}, {"1828", "F1U1F3U3F1U2F3"},
    {"1528", "B1L2U1L2U3L2B3"}, {"4510", "F1U3F3U1F1U3F3"}, {"4419", "F1U2F3U2F1U1F3"},
    {"3810", "F1U2F3U3F1U1F3"}, {"819", "F1U3F3U1F1U1F3"}, {"637", "F3U2F2U1F2U1F1"},
    {"1810", "F3U2F3U1F3U3F1U2F1"}, {"2019", "F2U2F3U3F1U3F2"}, {"3812", "F2U1F2U1F2U2F2"},
    {"1812", "F1U3F3U3F1U2F3"}, {"12", "L3U1L1U1L3U2L1"}, {"4512", "F2U2F3U3F1U3F3U2F3"},
    {"4412", "L2U2L1U1L3U1L1U2L1"}, {"2728", "F1U2F3"}, {"2710", "F1U1F3U3F1U3F3U1F1U1F3"},
    {"1512", ""},
};

// LL-edges
constexpr TableEntry kLLEdges[] = {
    {"3571", "L2U3B1F3L2B3F1U3L2"}, {"3157", "L2R2D1F2L2R2B2L2R2D3L2R2"},
    {"1375", "F2L2R2B2D1B2R2L2F2"}, {"7513", ""},
};

// LL-corners
constexpr TableEntry kLLCorners[] = {
    {"268", ""}, {"286", "B1U3F3U1B3U3F1"}, {"2086", "L1U2L3R3U1L1U3R1U2L3"},
    {"6820", "B1U3F3U1B3U3F1"}, {"8062", "B1U3F3U1B3U3F1"}, {"2608", "B1U3F3U1B3U3F1"},
};

// EO
constexpr TableEntry kEO[] = {
    {"1100000", "U3L1F3L3"}, {"1001000", "F1R1U1R3"}, {"1000100", "L3U3L1"},
    {"1000001", "F3R1U1R3"}, {"0110000", "U1F1R1U1R3"}, {"0101000", "L1F3L3"},
    {"0100100", "U1L3U3L1"}, {"0100010", "R1U2R3"}, {"1100110", "L3U3L2F2L3"},
    {"1100101", "L3U3L2F1L3"}, {"1100011", "F1L3U3L2F1L3"}, {"1110100", "L3U2L2F3L3"},
    {"1110001", "U2L1R3F1L3R1"}, {"0110110", "U1L3R1U1L1R3"}, {"1101100", "L1F3L2U3L1"},
    {"1101001", "L1F1L3R1U1R3"}, {"1111000", "F3L3U2L2F3L3"}, {"0111100", "L1F3L2U2L1"},
    {"0111001", "L1R3F1L3R1"}, {"0101011", "L1F3L3R1U3R3"}, {"1111011", "L1R3F1L3R2U1R3"},
    {"1111110", "F1L1R3F1L3R2U1R3"}, {"1110111", "F3L1R3F1L3R2U1R3"}, {"0000000", ""},
};

// LL12
constexpr TableEntry kLL12[] = {
    {"012xx21xx033", "R1B3R1F2R3B1R1F2R2"}, {"012xx23xx301", "R1U3R2F2U3R1F2R3U1F2R2U1R3"},
    {"011x2xx3032x", "F1U3B3U1F3U3B1"}, {"012x3xx1032x", "B3U2B1U2F1U3B3U1B1F3"},
    {"012x0xx1323x", "B3F1U1F3U3B1U2F1U2F3"}, {"012x3xx0123x", "B1L3U2L1B3L3B1U2B3L1"},
    {"011x2xx0323x", "F3U2B1U3F1U1B3U1F3U1F1"}, {"01x23x0xx213", "B3R3F1R1B1R3F3R1"},
    {"00x12x2xx133", "L1U3R1U1L3R3U2R1U1R3"}, {"01x22x3xx310", "F1R2F1L2F3R2F1L2F2"},
    {"00x12x3xx312", "R3U1R2D1L3B2L1D3R2U3R1"}, {"xx01231xx023", "L2D1L3U2L1D3L3U2L3"},
    {"xx01122xx033", "F1U2B3F2U2B1U1B3U2F2U3B1F3"}, {"xx01203xx321", "R2F2R3B2R1F2R3B2R3"},
    {"xx01123xx302", "R3U2R1F1U3R3U3R1U1F3"}, {"01x2x01x233x", "L3U2L3D3L1U2L3D1L2"},
    {"01x1x23x302x", "L1F3L3B1L1F1L3B3"}, {"01x2x03x312x", "R1B2L3D1L3D3L2B2R3"},
    {"xx01232103xx", "R1U2L1R3U3F2U3F2U1F2L3"}, {"xx01123203xx", "B1U1B3U1B1U1F3U1B3U3F1"},
    {"xx01120332xx", "R1B2R2U2R1B2R3U2R2B2R3"}, {"xx0123x23x10", "F3L2B1L2F1L3B1R1B1R3B1L1"},
    {"xx0112x33x20", "F1U3B3U1F3U1B1U1B3U1B1"}, {"xx0120x21x33", "F1R2U3R2U1R2U1B1F3U2B3"},
    {"xx0112x02x33", "B1R3U3B2U3R1U1R3B2U1R1B3"}, {"x0121x2x033x", "R1U1R3U1R1U2R3"},
    {"001xx21xx233", ""}, {"012x0x32x1x3", "R1U1R3U1R1U2R3B3U3B1U3B3U2B1"},
    {"xx01203123xx", "F1U1F3U1F1U3F3U1F1U2F3"}, {"xx0120x33x12", "F1U2F2U3F2U3F2U2F1"},
    {"x001x231x2x3", "R1U1R3U1R1U2R3U1B3U3B1U3B3U2B1"},
    {"001xx23123xx", "R1U1R3U1R1U2R2U3R1U3R3U2R1"},
};

// LL16
constexpr TableEntry kLL16[] = {
    {"0001xx2121xx2333", ""}, {"0102xx3322xx3101", "F2L2R2B2D1B2R2L2F2"},
    {"0102xx1302xx1323", "L2R2D1F2L2R2B2L2R2D3L2R2"}, {"0001xx2311xx2323", "F2U3L1R3F2R1L3U3F2"},
    {"0012x0x21x31323x", "L3U2L1U1L3U1L3U3F3B1L2B3F1U3L2"},
    {"0123x0x23x12130x", "B3U3B1U3B1U1B2U1B2U2B3"},
    {"0112x0x30x31322x", "L3U2L2U1L1U1L1U3L3U3L2U1L1"},
    {"0121x0x03x32312x", "F1U1F3U1F2U1F1U1F2U3F3U3F2"}, {"0012x0x13x31322x", "F1U1F3U1F1U2F3"},
    {"0112x0x23x31320x", "L3U2L1U1L3U1L1"}, {"0121x0x20x32313x", "R2U1R3U1R2U2R2U1R2U1R3U3R2"},
    {"0123x0x02x12133x", "B1U3F1U1F2D3L2D1F1B3"}, {"0012x0x32x31321x", "F3U2F2U2F2U3F2U3F2U1F1"},
    {"0123x0x30x12132x", "F1U1F2U3F2U3F2U2F2U2F3"}, {"0112x0x02x31323x", "L3R1D1B2D3R2U1R1U3L1"},
    {"0121x0x32x32310x", "L2U1L1U3L3U3L1U2L1U3L2U3L2"},
    {"012x11x020xx2333", "F1U1F3U1F1U2F3B3U3B1U3B3U2B1"},
    {"012x33x200xx2131", "R1U2R2U1R3U1R3U1R3U1R1U2R2U3R2"},
    {"011x22x320xx1303", "L3U2L1U1L3U1L2U2L3U3L1U3L3"},
    {"012x33x320xx2101", "F3U3F1U3F3U1F1U3F1U1F2U1F2U2F3"},
    {"001x22x310xx1323", "L3U2L1U1L3U1L1B3U3B1U3B3U2B1"},
    {"012x11x300xx2323", "F1U1F2U3F2U3F2U2F1U3F1U3F3"},
    {"011x22x200xx1333", "F3U3F1U3F3U2F1R3U2R1U1R3U1R1"},
    {"x0x0120121xx2333", "D1B1D3B1D1B2D3U3B3U1B3U3B2"},
    {"x0x1231322xx3010", "R2U1R2U2R3U3R1U3R1U3R1U3R2U2R3"},
    {"x0x1201312xx0323", "L1U1L3U1L1U2L2U3L1U3L3U2L1"},
    {"x0x1231132xx3020", "B3U2B1U1B3U1B1L3U3L1U3L3U2L1"},
    {"x0x1021320xx2313", "B1U2B2U3B2U3B3U1B3U3B1U1B3U1B1"},
    {"x0x0120311xx2323", "R3U3R1U3R1U2R2U3R2U3R2U1R1"},
    {"x0x1201122xx0333", "L1U1L3U1L1U2L3F1U2F3U3F1U3F3"},
    {"011x1x2020x2333x", "B1R3D2R1B3U2B1R3D2R1B3"},
    {"012x2x3300x3112x", "R3U3R1U3R3U1R1U3R3U1R1U3R3U2R1"},
    {"012x2x1320x1330x", "F1U2F3U3F1U3F3B1U1B3U1B1U2B3"},
    {"001x1x2130x2332x", "F1U1F3U1F1U2F3B1U2B3U3B1U3B3"},
    {"012x2x1200x1333x", "B1U2B1U1B2U1B3U3B1U1B3U2B3U1B3"},
    {"001x1x2210x2333x", "F1U1F3U1F1U2F3R3U3R1U3R3U2R1"},
    {"011x1x2230x2330x", "L3U2L1U1L3U1L1B1U2B3U3B1U3B3"},
    {"011x1x2300x2332x", "R2U3R1U3R1U1R3U1R1U1R3U3R3U1R2"},
    {"x0x0120123123x3x", "R1U1R2U3R2U3R1U2R1U2R1U3R2U3R2U1R1"},
    {"x0x1231320230x1x", "F1U1F3U1F1U2F3L3U2L1U1L3U1L1"},
    {"x0x1021133023x2x", "R1U2R2U2R3U2R1U2R3U2R2U2R1"},
    {"x0x1201123203x3x", "L3U2L1U1L3U3L1U1L3U1L1"}, {"x0x1201233203x1x", "F1U1F3U1F1U3F3U1F1U2F3"},
    {"x0x012012x33x132", "R1U2R3U3R1U1R2U2R2U1R2U1R2U3R3"},
    {"x0x123132x00x213", "L3U1R1U3L1U1R2U1L1U3R1U1L3"},
    {"x0x120131x33x220", "F3U2F2U1F3U1F1U2F3U3F3U1F1"}, {"x0x120123x33x210", "F1U2F2U3F2U3F2U2F1"},
    {"x0x102121x33x032", "F1U2F2U3F2U1F2U2F1R1L3U2R3L1"},
    {"x0x012023x33x112", "L3R1B2R3L1B1U2B2U3B2U1B2U2B3"},
    {"x0x123121x00x233", "R1U1R3U1R1U2R2U2R1U1R3U1R1"},
};

struct TableInfo {
  const char* name;
  std::span<const TableEntry> entries;
};

// In the order of the Table enumeration.
const std::array<TableInfo, kTableCount> kTables = {{
    {"S1a", kS1a}, {"S1b-centre", kS1bCentre}, {"S1b-edge", kS1bEdge},
    {"S1c-centre", kS1cCentre}, {"S1c-edge", kS1cEdge}, {"S2-corner", kS2Corner},
    {"S2-edge-1", kS2Edge1}, {"S2-edge-2", kS2Edge2}, {"S4A-corner", kS4ACorner},
    {"S4A-edge", kS4AEdge}, {"S4A-finish", kS4AFinish}, {"S4B-corner", kS4BCorner},
    {"S4B-edge", kS4BEdge}, {"S4B-finish", kS4BFinish}, {"S4-last-pair", kS4LastPair},
    {"LL-edges", kLLEdges}, {"LL-corners", kLLCorners}, {"EO", kEO}, {"LL12", kLL12},
    {"LL16", kLL16},
}};

}  // namespace

std::span<const TableEntry> Entries(Table table) { return kTables[static_cast<int>(table)].entries; }

const char* TableName(Table table) { return kTables[static_cast<int>(table)].name; }

int FindEntry(Table table, std::string_view key) {
  const auto entries = Entries(table);
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].key == key) return static_cast<int>(i);
  }
  return -1;
}

int FindEntry(Table table, int key) { return FindEntry(table, std::to_string(key)); }

void TableUsage::Count(Table table, int entry) {
  auto& counts = hits[static_cast<int>(table)];
  if (counts.empty()) counts.resize(Entries(table).size());
  ++counts[entry];
}

}  // namespace petrus
