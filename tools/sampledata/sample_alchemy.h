#pragma once
// The sample world's alchemy: what the kit's herbs carry (the effects the recipes look for), what
// its three small potions do when drunk, and the recipes that brew them with a mortar. The potions
// and the mortar are the kit's; Orla sells the herbs and the mortar.
struct SSamplePackage;
class SItemDatabase;

// The herbs' and the potions' effects, on their item types in the database.
void AddAlchemyEffects(SItemDatabase& items);
// The recipe table, into the package.
void AddAlchemyRecipes(SSamplePackage& world);
