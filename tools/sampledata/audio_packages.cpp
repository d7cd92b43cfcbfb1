#include "tools/sampledata/audio_packages.h"

#include "data/sound_table.h"
#include "engine/files/file_layer.h"
#include "tools/sampledata/sample_ambient_sounds.h"
#include "tools/sampledata/sample_music.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sample_scenes.h"
#include "tools/sampledata/wave_writer.h"

namespace {

constexpr int kRate = 22050;

std::unique_ptr<SSoundType> makeSound(const char* name, std::vector<int16_t> values) {
    auto sound = std::make_unique<SSoundType>();
    sound->name = name;
    sound->sampleImage = MakeWave(kRate, 1, values);
    return sound;
}

// `addMore` puts the package's other tables in, when it has any.
bool writePackage(const SFileFolder& folder, const char* fileName, const char* identifier, const char* title,
                  SSoundTable& table, std::string& error, void (*addMore)(SSamplePackage&) = nullptr) {
    SSamplePackage package;
    package.identifier = identifier;
    package.name = title;
    package.tables[SModuleTable::Sounds] = table.Write(package.version);
    if (addMore) addMore(package);
    if (package.Write(folder, fileName)) return true;
    error = "cannot write " + folder.Resolve((std::string(fileName) + ".pdb").c_str());
    return false;
}

}  // namespace

bool WriteSoundPackage(const SFileFolder& folder, std::string& error) {
    SSoundTable table;
    // The interface's three clicks: choosing, confirming, keyboard keys.
    table.AddSound(makeSound("bsnd_click", FadingTone(kRate, 1200, 0.03, 9000)));
    table.AddSound(makeSound("bsnd_clickh", FadingTone(kRate, 800, 0.06, 9000)));
    table.AddSound(makeSound("bsnd_clicks", FadingTone(kRate, 1600, 0.02, 7000)));
    // The spell book's page and cover, the rest scene's fire and the voyage's sea, the last two
    // played in loops.
    table.AddSound(makeSound("bsnd_bookpage", FadingNoise(kRate, 0.12, 4000)));
    table.AddSound(makeSound("bsnd_bookclose", FadingNoise(kRate, 0.2, 9000)));
    table.AddSound(makeSound("bsnd_fire", FadingNoise(kRate, 1.0, 3000)));
    table.AddSound(makeSound("bsnd_shiptravel", FadingTone(kRate, 180, 2.0, 5000)));
    // Bare footsteps, right and left.
    table.AddSound(makeSound("bsnd_stepbarefoot-right", FadingNoise(kRate, 0.08, 3000)));
    table.AddSound(makeSound("bsnd_stepbarefoot-left", FadingNoise(kRate, 0.07, 2600)));
    // Shod footsteps: a sharp knock on stone, a duller one on earth, each foot a little apart.
    table.AddSound(makeSound("bsnd_stepstone-1", FadingNoise(kRate, 0.06, 6000)));
    table.AddSound(makeSound("bsnd_stepstone-2", FadingNoise(kRate, 0.05, 5000)));
    table.AddSound(makeSound("bsnd_stepearth-1", FadingTone(kRate, 140, 0.09, 7000)));
    table.AddSound(makeSound("bsnd_stepearth-2", FadingTone(kRate, 120, 0.08, 6000)));
    // The teleport's rush; stairs up and down, booted and bare.
    table.AddSound(makeSound("bsnd_spellteleport", FadingTone(kRate, 600, 0.8, 7000)));
    table.AddSound(makeSound("bsnd_stairup", FadingNoise(kRate, 0.6, 6000)));
    table.AddSound(makeSound("bsnd_stairupbare", FadingNoise(kRate, 0.6, 4000)));
    table.AddSound(makeSound("bsnd_stairdown", FadingNoise(kRate, 0.6, 6000)));
    table.AddSound(makeSound("bsnd_stairdownbare", FadingNoise(kRate, 0.6, 4000)));
    // The tools: a hammer's ring or thud, a lock giving way or a pick scraping, a brew fizzling or
    // poured, and a book or a letter opened, leafed and closed.
    table.AddSound(makeSound("bsnd_repairok", FadingTone(kRate, 1500, 0.25, 9000)));
    table.AddSound(makeSound("bsnd_repairfail", FadingTone(kRate, 220, 0.2, 9000)));
    table.AddSound(makeSound("bsnd_lockout", FadingTone(kRate, 900, 0.15, 9000)));
    table.AddSound(makeSound("bsnd_lockpicktry", FadingNoise(kRate, 0.08, 5000)));
    table.AddSound(makeSound("bsnd_alchemyfailed", FadingNoise(kRate, 0.5, 6000)));
    table.AddSound(makeSound("bsnd_fillpotion", FadingTone(kRate, 600, 0.4, 6000)));
    table.AddSound(makeSound("bsnd_bookopen", FadingNoise(kRate, 0.25, 7000)));
    table.AddSound(makeSound("bsnd_letteropenclose", FadingNoise(kRate, 0.15, 5000)));
    table.AddSound(makeSound("bsnd_hitmiss", FadingNoise(kRate, 0.15, 5000)));
    table.AddSound(makeSound("bsnd_thunderclose", FadingNoise(kRate, 1.5, 14000)));
    // The pack: closed, a piece put on, an item dropped or picked up, coins taken.
    table.AddSound(makeSound("bsnd_bagclose", FadingNoise(kRate, 0.2, 6000)));
    table.AddSound(makeSound("bsnd_wear", FadingNoise(kRate, 0.1, 5000)));
    table.AddSound(makeSound("bsnd_drop", FadingTone(kRate, 300, 0.12, 8000)));
    table.AddSound(makeSound("bsnd_pickup", FadingTone(kRate, 700, 0.08, 7000)));
    table.AddSound(makeSound("bsnd_money", FadingTone(kRate, 2000, 0.2, 7000)));
    // The play screen's own actions: the bag opened, a potion drunk, a trap disarmed or not.
    table.AddSound(makeSound("bsnd_bagopen", FadingNoise(kRate, 0.2, 6000)));
    table.AddSound(makeSound("bsnd_drink", FadingTone(kRate, 400, 0.3, 6000)));
    table.AddSound(makeSound("bsnd_lockdisarmok", FadingTone(kRate, 1400, 0.2, 8000)));
    table.AddSound(makeSound("bsnd_lockdisarmtry", FadingNoise(kRate, 0.1, 5000)));
    // A blow landing, poisoned or not, and the cast of a spell.
    table.AddSound(makeSound("bsnd_hitclub", FadingNoise(kRate, 0.2, 12000)));
    table.AddSound(makeSound("bsnd_hitpoison", FadingTone(kRate, 260, 0.3, 10000)));
    table.AddSound(makeSound("bsnd_spellcast0", FadingTone(kRate, 1000, 0.5, 8000)));
    // A level won or lost, and a drunk's hiccup.
    table.AddSound(makeSound("bsnd_newlevel", FadingTone(kRate, 880, 0.8, 9000)));
    table.AddSound(makeSound("bsnd_loselevel", FadingTone(kRate, 110, 0.8, 9000)));
    table.AddSound(makeSound("bsnd_ambientman4", FadingTone(kRate, 240, 0.25, 8000)));
    // Doors: a house door opened, refused or shut behind the player; a dungeon door locked or
    // falling shut.
    table.AddSound(makeSound("bsnd_cdooropen", FadingNoise(kRate, 0.4, 6000)));
    table.AddSound(makeSound("bsnd_cdoorclosed", FadingTone(kRate, 160, 0.2, 9000)));
    table.AddSound(makeSound("bsnd_cdoorclose", FadingNoise(kRate, 0.3, 8000)));
    table.AddSound(makeSound("bsnd_ddoorlocked", FadingTone(kRate, 200, 0.15, 9000)));
    table.AddSound(makeSound("bsnd_ddoorcloseok", FadingTone(kRate, 90, 0.4, 11000)));
    // Levers and secret switches thrown either way, a trap sprung and set again, a flower picked.
    table.AddSound(makeSound("bsnd_switchlargeon", FadingTone(kRate, 500, 0.2, 9000)));
    table.AddSound(makeSound("bsnd_switchlargeoff", FadingTone(kRate, 400, 0.2, 9000)));
    table.AddSound(makeSound("bsnd_switchsecreton", FadingNoise(kRate, 0.5, 5000)));
    table.AddSound(makeSound("bsnd_switchsecretoff", FadingNoise(kRate, 0.45, 4500)));
    table.AddSound(makeSound("bsnd_trap", FadingNoise(kRate, 0.3, 13000)));
    table.AddSound(makeSound("bsnd_trapback", FadingTone(kRate, 700, 0.2, 6000)));
    table.AddSound(makeSound("bsnd_tearflower", FadingNoise(kRate, 0.1, 4000)));
    // Travel through a pit, down or up a ladder.
    table.AddSound(makeSound("bsnd_fallmale", FadingTone(kRate, 150, 0.6, 10000)));
    table.AddSound(makeSound("bsnd_fallfemale", FadingTone(kRate, 300, 0.6, 10000)));
    table.AddSound(makeSound("bsnd_ladderdown", FadingNoise(kRate, 0.5, 5000)));
    table.AddSound(makeSound("bsnd_ladderup", FadingNoise(kRate, 0.5, 5500)));
    // The card game: a card chosen, a card played, damage dealt.
    table.AddSound(makeSound("bsnd_cardselect", FadingNoise(kRate, 0.05, 4000)));
    table.AddSound(makeSound("bsnd_card", FadingNoise(kRate, 0.12, 6000)));
    table.AddSound(makeSound("bsnd_carddamage", FadingTone(kRate, 180, 0.3, 11000)));
    // The goblins' cry as they strike, their yelp when struck and their dying wail.
    table.AddSound(makeSound(kGoblinAttackSound, FadingTone(kRate, 330, 0.2, 8000)));
    table.AddSound(makeSound(kGoblinHurtSound, FadingTone(kRate, 520, 0.15, 8000)));
    table.AddSound(makeSound(kGoblinDeathSound, FadingTone(kRate, 180, 0.6, 9000)));
    AddAmbientSounds(table, kRate);
    return writePackage(folder, "BrimvaleSound", "bsnd", "Brim Vale sounds", table, error);
}

bool WriteMusicPackage(const SFileFolder& folder, std::string& error) {
    SSoundTable table;
    table.AddBank(std::make_unique<SMusicBank>(SampleBank()));
    for (SMusicSong& song : SampleSongs()) table.AddSong(std::make_unique<SMusicSong>(std::move(song)));
    return writePackage(folder, "BrimvaleMusic", "bmus", "Brim Vale music", table, error, AddSampleCredits);
}
