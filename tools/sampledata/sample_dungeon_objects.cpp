// The dungeon's own map-object types, their pictures and the scripts of its lever and stairs.
#include <initializer_list>
#include <memory>

#include "data/map_objects/map_object_type_table.h"
#include "data/named_script.h"
#include "data/script_table.h"
#include "tools/sampledata/art_canvas.h"
#include "tools/sampledata/game_script_commands.h"
#include "tools/sampledata/sample_dungeon.h"
#include "tools/sampledata/script_assembler.h"
#include "tools/sampledata/world_door_art.h"

namespace {

constexpr int16_t kMiddle = 16;
constexpr int16_t kLow = 6;
// The plague, by the trap-kind bits of a door type's initial state.
constexpr uint8_t kPlagueTrap = 4 << 4;

struct SDungeonType {
    const char* name;
    int code;
    std::initializer_list<const char*> pictures;
    int16_t placeA = 0;
    int16_t placeB = 0;
    uint8_t initialState = 0;
};

const SDungeonType kTypes[] = {
    // A door whose trap casts the plague at the one who springs it.
    {"base_plaguedoor", 20, {"bres_doorframe", "bres_doorframe", "bres_doorframe"}, 0, 0, kPlagueTrap},
    // On, off, and the same seen from the side.
    {"base_lever", 16, {"bres_lever-on", "bres_lever-off", "bres_lever-on", "bres_lever-off"}, kMiddle, kMiddle},
    {"base_chest", 14, {"bres_chest"}, kMiddle, kLow},
    // The gate's bars are the cell's upper part, as a door's leaf is.
    {"base_gatebars", 2, {"bres_gatebars"}},
};

struct SDungeonScript {
    const char* name;
    const char* listing;
};

const SDungeonScript kScripts[] = {
    // The script stands in for the lever's own turning, so it turns the lever itself; pulled once,
    // the lever stays down and the gate stays open.
    {"base_pullgatelever", R"(if ( evtuse ( ) ) {
        if ( @base_gatelever . ison ( ) ) message ( "The lever is already down." ) ;
        else {
            @base_gatelever . seton ( ) ;
            playsound ( "bsnd_switchlargeon" , 10 ) ;
            @base_dungeongate . open ( ) ;
            message ( "Somewhere to the south a gate grinds open." ) ;
        }
    })"},
    {"base_woodsdown", R"(if ( evtuse ( ) ) @player . movemode ( "base_dungeonwoodsfoot" , "stairdown" ) ;)"},
    {"base_woodsup", R"(if ( evtuse ( ) ) @player . movemode ( "base_woodsfoot" , "stairup" ) ;)"},
};

const uint16_t kIron = ArtColour(70, 70, 80);
const uint16_t kWood = ArtColour(130, 85, 45);

SArtCanvas lever(bool on) {
    SArtCanvas canvas(32, 48);
    canvas.Fill(8, 30, 16, 14, kIron);
    canvas.Line(16, 34, on ? 26 : 6, 6, 4, ArtColour(150, 150, 160));
    canvas.Disc(on ? 26 : 6, 6, 4, ArtColour(180, 40, 30));
    return canvas;
}

SArtCanvas chest() {
    SArtCanvas canvas(64, 44);
    canvas.Fill(2, 12, 60, 32, kWood);
    canvas.Fill(0, 4, 64, 10, ArtShade(kWood, 80));
    for (int x : {6, 54}) canvas.Fill(x, 4, 4, 40, kIron);
    canvas.Fill(28, 14, 8, 10, ArtColour(200, 170, 60));
    return canvas;
}

// In place of a door's leaf: the same size, clear above the opening like the leaf.
SArtCanvas gateBars() {
    using namespace world_door_art;
    SArtCanvas canvas(kLeafWidth, kFrameHeight);
    for (int x = 4; x < kLeafWidth; x += 16) canvas.Fill(x, kLintel, 6, kFrameHeight - kLintel, kIron);
    for (int y : {kLintel + 8, 80, kFrameHeight - 10}) canvas.Fill(0, y, kLeafWidth, 6, kIron);
    return canvas;
}

}  // namespace

void AddDungeonTypes(SMapObjectTypeTable& types) {
    for (const SDungeonType& sample : kTypes) {
        std::unique_ptr<SMapObjectType> type = types.CreateType(sample.code);
        type->m_name.Set(sample.name);
        for (const char* picture : sample.pictures) type->m_pictureNames.Append(picture);
        type->m_placeA = sample.placeA;
        type->m_placeB = sample.placeB;
        type->m_place[3] = sample.placeB;
        type->m_initialState = sample.initialState;
        types.Add(std::move(type));
    }
}

void AddDungeonPictures(SSamplePackage& resources) {
    resources.pictures.push_back({"bres_lever-on", lever(true).Record()});
    resources.pictures.push_back({"bres_lever-off", lever(false).Record()});
    resources.pictures.push_back({"bres_chest", chest().Record()});
    resources.pictures.push_back({"bres_gatebars", gateBars().Record()});
}

void AddDungeonScripts(SScriptTable& scripts) {
    for (const SDungeonScript& sample : kScripts) {
        auto script = std::make_unique<SNamedScript>();
        script->name.Set(sample.name);
        script->program = SScriptAssembler::Assemble(sample.listing, GameScriptCommands());
        scripts.Add(std::move(script));
    }
}
