#include "tools/sampledata/sample_merchants.h"

#include <memory>
#include <string>

#include "data/dialogue/dialog_topic_set.h"
#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "data/persons/npc_table.h"
#include "data/quest.h"
#include "data/quest_table.h"
#include "data/world/interior.h"
#include "engine/base/archive.h"
#include "tools/sampledata/art_canvas.h"
#include "tools/sampledata/sample_cards.h"
#include "tools/sampledata/sample_dialogue.h"
#include "tools/sampledata/sample_package.h"

namespace {

uint16_t categories(std::initializer_list<int> classes) {
    uint16_t mask = 0;
    for (int itemClass : classes) mask |= BuiltInItemCategory(itemClass).bit;
    return mask;
}

void addTobin(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package) {
    SNpcType& tobin = AddSamplePerson(persons, faces, package, kSampleMerchant, "bres_tobin", "Tobin the trader", 1);
    tobin.shopLevel = 1;
    // He stocks potions and buys potions and rings, at most 20 gold a piece: less than a copper
    // ring is worth, so that selling one asks first.
    tobin.classMask = categories({kItemPotion, kItemAccessory});
    tobin.wideValue = kSampleMerchantMaxPrice;
    tobin.roomPrice = 12;
    tobin.smallValues[3] = SNpcType::kTrade;
    tobin.topics->AddGreeting(SampleTopic("base_tobinhello", "Hello",
                                          {{"Potions, fresh from the brewer! Looking to buy or sell, %PCName%?"}}));
    tobin.topics->AddTopic(SampleTopic(
        "base_tobinwork", "Work",
        {{"I lost my silver ring on the south road. Will you look for it? It is a long road, and I cannot leave the "
          "stall while the brewer's cart is due, so I would be grateful to anyone who finds it for me.",
          nullptr,
          0,
          {"I will find it.", "Not now."}},
         {"Thank you! Come back when you have it.", R"(@player . addquest ( "base_lostring" ) ;)", 1},
         {"Another time, then.", nullptr, 2}}));
    tobin.topics->AddTopic(SampleTopic("base_tobinring", "Ring", {{"Silver, with a blue stone. My mother's."}}));
}

void addHale(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package) {
    SNpcType& hale = AddSamplePerson(persons, faces, package, kSampleInnKeeper, "bres_hale", "Hale the inn keeper", 2);
    hale.texts[2].Assign(kSampleInn);
    // Three lines of the large font on the narrowest screen.
    hale.texts[3].Assign("Welcome to the Sleeping Ox! Rest, learn or mend here.");
    hale.roomPrice = 4;
    hale.smallValues = {1, 20, 0, SNpcType::kTraining | SNpcType::kRepair | SNpcType::kSleep};
    hale.topics->AddGreeting(SampleTopic("base_halehello", "Hello", {{"Sit down, sit down."}}));
    hale.topics->AddTopic(
        SampleTopic("base_halerumours", "Rumours",
                    {{"Which tale do you want?", R"(createobjectlist ( "Rumours" ) ;
            addobjecttolist ( "goblin" , "The cellar goblin" ) ;
            addobjecttolist ( "road" , "The east road" ) ;)"},
                     {"This is what they say in the common room:",
                      R"(if ( getobjectlistresult ( ) == "goblin" ) message ( "A goblin lurks under the crossroads." ) ;
            if ( getobjectlistresult ( ) == "road" ) message ( "The east road is safe by day." ) ;)"}}));
}

void extendCardPlayer(SNpcTable& persons) {
    SNpcType* wenna = persons.Find(kSampleCardPlayer);
    if (wenna == nullptr) return;
    wenna->shopLevel = 1;
    wenna->classMask = categories({kItemIngredient});
    wenna->wideValue = 20;
    wenna->smallValues[3] = SNpcType::kTrade | SNpcType::kCards;
    wenna->topics = std::make_unique<SDialogTopicSet>();
    wenna->topics->AddGreeting(
        SampleTopic("base_wennahello", "Hello", {{"Sit, if you have the coin. The cards are warm tonight."}}));
    wenna->topics->AddTopic(SampleTopic("base_wennacards", "The game",
                                        {{"Five cards a hand, three decks to choose from.", "gonext ( ) ;"},
                                         {"Play a card to strike or to shield.", "gonext ( ) ;"},
                                         {"Ask me for Cards when you are ready to stake your gold."}}));
}

// A common room: a dark wall, a fire on the right, a long table and a stair up to the rooms.
std::vector<uint8_t> innPicture() {
    SArtCanvas art(200, 120, ArtColour(60, 40, 28));
    art.Fill(0, 86, 200, 34, ArtColour(96, 66, 40));
    art.Fill(150, 40, 40, 46, ArtColour(70, 70, 74));
    art.Disc(170, 74, 10, ArtColour(240, 150, 40));
    art.Disc(170, 70, 6, ArtColour(255, 220, 90));
    art.Fill(30, 74, 90, 8, ArtColour(140, 96, 56));
    for (int leg : {36, 110}) art.Fill(leg, 82, 5, 14, ArtColour(110, 74, 44));
    for (int step = 0; step < 5; ++step) art.Fill(8 + step * 4, 80 - step * 12, 16, 4, ArtColour(120, 84, 50));
    art.Text(44, 14, "SLEEPING OX", 1, ArtColour(230, 200, 120));
    return art.Record();
}

void addInn(SSamplePackage& package) {
    package.pictures.push_back({"bres_inn", innPicture()});
    SInteriorTable interiors;
    auto inn = std::make_unique<SInterior>();
    inn->m_name.Set(kSampleInn);
    inn->m_text.Assign("The Sleeping Ox");
    auto layer = std::make_unique<SInteriorLayer>();
    layer->picture.Assign("bres_inn");
    inn->m_layers.Add(layer.release(), ListOrder::Appended);
    interiors.Add(std::move(inn));
    package.tables[SModuleTable::Interiors] =
        WriteOneRecord([&](SArchive& archive) { interiors.Write(archive, package.version); });
}

}  // namespace

void AddSampleMerchants(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package) {
    addTobin(persons, faces, package);
    addHale(persons, faces, package);
    extendCardPlayer(persons);
    addInn(package);
}

void AddSampleStock(SItemDatabase& items) {
    for (const char* name : {"base_phealsmall", "base_pmanasmall", "base_ring_copper"})
        if (SItemType* type = items.FindItemType(name)) type->m_level = 1;
}

void AddMerchantQuests(SQuestTable& quests) {
    auto quest = std::make_unique<SQuest>();
    quest->name.Set(kSampleQuest);
    quest->title.Assign("Silver Ring");
    quest->text.Assign("Tobin the trader lost his silver ring on the south road.");
    quests.Add(std::move(quest));
}
