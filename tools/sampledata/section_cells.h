#pragma once
// Edits of a surface section's level text after it is drawn: the places the sample world adds to a
// section (a fountain, a village) give their cells a legend line and a character in the rows.
#include <string>

// The legend line ("cell C PART...") goes before the rows.
void AddSectionLegend(std::string& level, const std::string& legend);
// The character at (x, y) of the rows; nothing for a level without rows.
void SetSectionCell(std::string& level, int x, int y, char cell);
// Both: the legend's own character at (x, y).
void PlaceSectionCell(std::string& level, const std::string& legend, int x, int y);
