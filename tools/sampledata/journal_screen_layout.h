#pragma once
// The sample layouts of the journal's list pages: the Quests page (layout 34) and the Spells page
// (layout 35) over the inventory's frame, and the list sheets of the character page (abilities,
// diseases, active effects) under its header. Each has a title, a framed list with its page
// buttons at the right, then a framed description with its own page buttons, and its choosers
// (quest filters, spell schools, effect filters) in a row above the list.
#include <cstdint>
#include <vector>

#include "game/layout_record.h"

// The least height the character page's list sheet 2, 3 or 4 needs.
int CharacterListHeight(uint16_t mode, int fontHeight, uint32_t sheet);
// The character page's list sheet 2, 3 or 4 in the area from (x, top), `width` wide, down to
// `bottom`.
void AddCharacterListRows(std::vector<SLayoutRow>& rows, uint16_t mode, int fontHeight, uint32_t sheet, int x, int top,
                          int width, int bottom);
SLayoutMode QuestsPageLayout(uint16_t mode, int width, int height, int fontHeight);
SLayoutMode SpellsPageLayout(uint16_t mode, int width, int height, int fontHeight);
