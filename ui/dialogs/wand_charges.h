#pragma once
// The charges of the player's wands, as the enchanting dialogs read them.
#include <cstdint>

class SEffectList;
class SItem;

// A wand or an empty wand with effects of its own or of its type: one the enchanter recharges
// rather than enchants.
bool IsEnchantedWand(const SItem& item);
// The list whose first entry gives the wand its charges: the wand's own list when it holds an entry,
// else its type's when that does; null when neither does. An own list left empty says nothing
// about charges, so it never hides the type's.
const SEffectList* WandChargeList(const SItem& item);
// The charges a full wand holds; 0 without a charge list.
uint32_t FullWandCharges(const SItem& item);
// An enchanted wand with fewer charges than its full ones.
bool IsRechargeable(const SItem& item);
