#pragma once
// The sample world's first-person sprites: the bare fist, the sword, the shield, the bow and the
// arrow its quiver shoots, as the play screen shows them in the player's hands, and which of the
// kit's weapons wield which.
class SItemDatabase;
struct SSamplePackage;

// Adds the sprites and points the sword's, the bow's, the quiver's and the shields' equipment
// records at them; the kit's item types must be in the database.
void AddFirstPersonSprites(SItemDatabase& items);
// Adds the sprites' pictures to the picture package.
void AddFirstPersonPictures(SSamplePackage& resources);
