#include "tools/sampledata/section_cells.h"

namespace {

constexpr const char* kRows = "cells 0 0\n";
// "cell C ...": the character the legend gives.
constexpr size_t kLegendCharacter = 5;

}  // namespace

void AddSectionLegend(std::string& level, const std::string& legend) {
    const size_t rows = level.find(kRows);
    if (rows != std::string::npos) level.insert(rows, legend + "\n");
}

void SetSectionCell(std::string& level, int x, int y, char cell) {
    size_t row = level.find(kRows);
    if (row == std::string::npos) return;
    row += std::string(kRows).size();
    for (int i = 0; i < y; ++i) row = level.find('\n', row) + 1;
    level[row + size_t(x)] = cell;
}

void PlaceSectionCell(std::string& level, const std::string& legend, int x, int y) {
    AddSectionLegend(level, legend);
    SetSectionCell(level, x, y, legend[kLegendCharacter]);
}
