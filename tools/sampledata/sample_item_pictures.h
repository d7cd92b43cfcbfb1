#pragma once
// Inventory pictures for a few of the sample world's items, so that a pile of them shows: each item
// type names an equipment record, which names its item picture, which is the picture package's
// picture of that name.
class SItemDatabase;

// Gives water, the 100 gold and the alkie berries (what the cellar's pile holds) their equipment and
// item picture records.
void AddItemPictures(SItemDatabase& items);
