#include "tools/sampledata/sample_world_scripts.h"

#include <memory>

#include "data/named_script.h"
#include "data/script_table.h"
#include "tools/sampledata/game_script_commands.h"
#include "tools/sampledata/sample_dungeon.h"
#include "tools/sampledata/sample_ferry.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sample_quests.h"
#include "tools/sampledata/sample_village.h"

namespace {

struct SSampleScript {
    const char* name;
    const char* listing;
};

const SSampleScript kScripts[] = {
    // Stepping on the plate carries the player up into the crossroads; the first time it solves the
    // sample quest.
    {"base_plate", kCellarPlateScript},
    {"base_readsign",
     R"(if ( evtuse ( ) ) message ( "Mind the goblin. The plate by the west wall leads outside." ) ;)"},
    // A question's answer runs the script again with it: 1 for Yes, 2 for No.
    {"base_touchbanner", R"(if ( evtuse ( ) ) {
        if ( answer ( ) == 0 ) questionyesno ( "Take the banner of Brim Vale down?" ) ;
        else if ( answer ( ) == 1 ) message ( "It is nailed fast to the wall." ) ;
        else message ( "You leave it hanging." ) ;
    })"},
    {"base_stairsup", R"(if ( evtuse ( ) ) @player . movemode ( "base_stairtop" , "stairup" ) ;)"},
    {"base_stairsdown", R"(if ( evtuse ( ) ) @player . movemode ( "base_cellarfoot" , "stairdown" ) ;)"},
    {"base_dungeondown", R"(if ( evtuse ( ) ) @player . movemode ( "base_dungeonfoot" , "stairdown" ) ;)"},
    {"base_dungeonup", R"(if ( evtuse ( ) ) @player . movemode ( "base_cellarback" , "stairup" ) ;)"},
    // The chosen row's key comes back when the script runs again; the post's state tells the two
    // runs apart, since Cancel brings back no key.
    {"base_signpost", R"(if ( evtuse ( ) ) {
        if ( @(this) . getstate ( ) == 0 ) {
            @(this) . setstate ( 1 ) ;
            createobjectlist ( "Where does the road lead?" ) ;
            addobjecttolist ( "east" , "East: the town" ) ;
            addobjecttolist ( "down" , "Down: the cellar" ) ;
            showobjectlist ( ) ;
        } else {
            @(this) . setstate ( 0 ) ;
            if ( getobjectlistresult ( ) == "east" ) message ( "The town lies two sections east and south." ) ;
            if ( getobjectlistresult ( ) == "down" ) message ( "The stairs behind the post go down to the cellar." ) ;
        }
    })"},
    // The guard post of Eastbrook takes a criminal to the town's jail.
    {"base_turnin", R"(if ( evtuse ( ) ) @player . movetojail ( "base_s0303" ) ;)"},
    {"base_rainbell", kRainBellScript},
};

}  // namespace

void AddWorldScript(SScriptTable& scripts, const char* name, const char* listing) {
    auto script = std::make_unique<SNamedScript>();
    script->name.Set(name);
    script->program = SScriptAssembler::Assemble(listing, GameScriptCommands());
    scripts.Add(std::move(script));
}

void AddSampleWorldScripts(SSamplePackage& world) {
    SScriptTable scripts;
    for (const SSampleScript& sample : kScripts) AddWorldScript(scripts, sample.name, sample.listing);
    AddFerryScripts(scripts);
    AddDungeonScripts(scripts);
    world.tables[SModuleTable::Scripts] = scripts.Write(world.version);
}
