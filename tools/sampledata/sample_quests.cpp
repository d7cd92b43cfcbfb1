#include "tools/sampledata/sample_quests.h"

#include <memory>

#include "data/quest_table.h"
#include "tools/sampledata/sample_merchants.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sample_village_quest.h"

const char* const kCellarPlateScript = R"(if ( evtstepon ( ) ) {
    if ( @player . hasquest ( "base_cellarquest" ) == 0 ) {
        @player . addquest ( "base_cellarquest" ) ;
        @player . solvequest ( "base_cellarquest" ) ;
        @player . addxp ( 500 ) ;
    }
    @player . movemode ( "base_surface" , "teleport" ) ;
})";

void AddSampleQuests(SSamplePackage& world) {
    SQuestTable quests;
    auto quest = std::make_unique<SQuest>();
    quest->name.Set(kCellarQuest);
    quest->title.Assign("Cellar Escape");
    quest->text.Assign("Find the way out of the cellar you woke up in.");
    quests.Add(std::move(quest));
    AddMerchantQuests(quests);
    AddLocketQuest(quests);
    world.tables[SModuleTable::Quests] = quests.Write(world.version);
}
