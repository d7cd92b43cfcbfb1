#include "tools/sampledata/sample_village_folk.h"

#include "data/dialogue/dialog_topic_set.h"
#include "data/persons/npc_table.h"
#include "tools/sampledata/sample_dialogue.h"

void AddVillageFolk(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package) {
    SNpcType& folk = AddSamplePerson(persons, faces, package, kVillagerTalk, "bres_villager", "Townsman", 3);
    folk.topics->AddGreeting(SampleTopic("base_villagerhello", "Hello", {{"Good day to you, %PCName%."}}));
    folk.topics->AddTopic(SampleTopic(
        "base_villagertown", "Eastbrook",
        {{"Eastbrook is small, but the Sleeping Ox pours a fair ale, and the scribe by the north street sells "
          "spells to anyone who can read."}}));
    folk.topics->AddTopic(
        SampleTopic("base_villagernews", "News",
                    {{.text = "Have you heard about the widow's locket?", .choices = {"Tell me.", "No time."}},
                     {.text = "Ilse lost it in the dungeon below the cellar. She walks the north "
                              "street all day, waiting for someone to bring it back.",
                      .reply = 1},
                     {.text = "Suit yourself.", .reply = 2}}));
    // The row chosen comes back to the next answer's script.
    folk.topics->AddTopic(SampleTopic(
        "base_villagerway", "The way",
        {{"Where to?", R"(createobjectlist ( "Where to?" ) ;
            addobjecttolist ( "inn" , "The inn" ) ;
            addobjecttolist ( "scribe" , "The scribe" ) ;
            addobjecttolist ( "bell" , "The rain bell" ) ;)"},
         {"Mind how you go.",
          R"(if ( getobjectlistresult ( ) == "inn" ) message ( "The Sleeping Ox is down the path east of the square, at the second counter." ) ;
            if ( getobjectlistresult ( ) == "scribe" ) message ( "Orla's stall stands at the east end of the north street." ) ;
            if ( getobjectlistresult ( ) == "bell" ) message ( "The rain bell hangs on its post at the west end of the north street." ) ;)"}}));
}
