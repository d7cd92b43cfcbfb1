#include "tools/sampledata/sample_scenes.h"

#include <memory>

#include "data/persons/face_table.h"
#include "data/scene_table.h"
#include "data/script_table.h"
#include "game/script/script_command_table.h"
#include "tools/sampledata/interface_art_parts.h"
#include "tools/sampledata/new_game_screen_layouts.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/script_assembler.h"

namespace {

struct PageText {
    const char* picture;  // null for none
    const char* text;
    const char* script;  // null for none
};

constexpr int kPictureW = 160;
constexpr int kPictureH = kPictureW / kScenePictureAspect;

const PageText kIntroPages[] = {
    {"bres_intro1",
     "Brim Vale lies between the grey hills and the sea. For a hundred years its people lived in peace, "
     "and the old watchtowers fell to ruin.",
     nullptr},
    {"bres_intro2",
     "Then a storm came out of the west that did not pass. Ships were lost, wells ran foul, and the dead "
     "no longer slept in their graves.",
     "bres_intro_storm"},
    {"bres_intro3",
     "You wake in a cellar under the crossroads, with little but your name. The vale needs someone to "
     "find where the storm began.",
     nullptr},
};

const PageText kCreditsPages[] = {
    {"bmus_credits1", "Brim Vale\r\rA role-playing game for handheld computers, brought to Linux.", nullptr},
    {nullptr, "Thank you for playing.", nullptr},
};

// The portraits: the picture name and the race whose look it takes (-1 the grey stranger).
struct Portrait {
    const char* name;
    int race;
};
const Portrait kPortraits[] = {
    {"bres_head00_raceundead", 1}, {"bres_head00_raceetherim", 2}, {"bres_head00_raceseiry", 3},
    {"bres_head00_racederth", 4},  {"bres_head00_racenogur", 5},   {"bres_head01_raceetherim", -1},
};

std::unique_ptr<SScene> scene(const char* name, const char* music, std::span<const PageText> texts) {
    auto made = std::make_unique<SScene>();
    made->name.Set(name);
    made->musicName.Assign(music);
    for (const PageText& text : texts) {
        auto page = std::make_unique<SScenePage>();
        if (text.picture) page->pictureName.Assign(text.picture);
        page->text.Assign(text.text);
        if (text.script) page->scriptName.Assign(text.script);
        made->pages.Add(page.release(), ListOrder::Appended);
    }
    return made;
}

void addScene(SSamplePackage& package, std::unique_ptr<SScene> scene) {
    SSceneTable scenes;
    scenes.Add(std::move(scene));
    package.tables[SModuleTable::Scenes] = scenes.Write(package.version);
}

}  // namespace

void AddSampleIntro(SSamplePackage& package) {
    addScene(package, scene("bres_intro", "bmus_surfaceday", kIntroPages));
    for (int i = 0; i < 3; ++i)
        package.pictures.push_back(
            {kIntroPages[i].picture, interface_art::Landscape(kPictureW, kPictureH, i == 1 ? 3 : i).Record()});

    SScriptTable scripts;
    auto storm = std::make_unique<SNamedScript>();
    storm->name.Set("bres_intro_storm");
    storm->program = SScriptAssembler::Assemble("playsound ( \"bsnd_thunderclose\" , 10 ) ;",
                                                {{"playsound", uint8_t(kCommandPlaySound)}});
    scripts.Add(std::move(storm));
    package.tables[SModuleTable::Scripts] = scripts.Write(package.version);

    SFaceTable faces;
    for (const Portrait& portrait : kPortraits) {
        auto face = std::make_unique<SFaceType>();
        face->name.Set(portrait.name);
        face->playerPortrait = 1;
        faces.Add(std::move(face));
        package.pictures.push_back({portrait.name, interface_art::Portrait(portrait.race).Record()});
    }
    package.tables[SModuleTable::Faces] =
        WriteOneRecord([&](SArchive& archive) { faces.Write(archive, package.version); });
}

void AddSampleCredits(SSamplePackage& package) {
    addScene(package, scene("bmus_credits", "bmus_main", kCreditsPages));
    package.pictures.push_back({kCreditsPages[0].picture, interface_art::Landscape(kPictureW, kPictureH, 0).Record()});
}
