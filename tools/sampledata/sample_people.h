#pragma once
// The people of the sample world: the world's greeting and one topic, a baker who keeps a shop of
// food and talks of her bread and her work, and her face.
struct SSamplePackage;

// Adds the dialogue, face and person-type records and the face's picture to the package, at its
// data version.
void AddSamplePeople(SSamplePackage& package);
