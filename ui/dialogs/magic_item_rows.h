#pragma once
// The rows of the player's magical items in a list of spells (the spell book's items tab, the
// journal's Spells page): the written scrolls, and blank ones with a spell of their own, gathered
// into one row per kind with their count, then every wand that has charges left, with its charges
// of the full ones. Items whose spells the player's race may not use are left out. Each row's key
// is the pack index of its (first) item.
class SDialogListCtrl;
class SPlayer;
class SSpellTable;

// `bareNames` leaves the names' prefixes out.
void AddMagicItemRows(SDialogListCtrl& list, const SPlayer& player, const SSpellTable& spells, bool bareNames);
