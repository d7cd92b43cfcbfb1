#include "tools/sampledata/sample_village_quest.h"

#include <memory>
#include <string>

#include "data/dialogue/dialog_topic_set.h"
#include "data/items/item_classes.h"
#include "data/persons/npc_table.h"
#include "data/quest_table.h"
#include "tools/sampledata/sample_abilities.h"
#include "tools/sampledata/sample_dialogue.h"
#include "tools/sampledata/sample_item_types.h"

namespace {

// The dialogue's tests of a quest held, a quest solved and the items the player owns.
constexpr int8_t kQuestHeld = 42;
constexpr int8_t kQuestSolved = 43;
constexpr int8_t kItemsOwned = 18;
constexpr uint8_t kAtLeast = 4;

const SSampleItemType kLocket[] = {
    {kLocketItem, "Family silver", kItemMiscellaneous, 0, 0, 0, 10,
     "A silver locket on a broken chain. Inside, a lock of grey hair and the letters I. M."},
};

// The answer that takes the locket back runs this.
const std::string kHandIn = std::string("@player . removeitem ( \"") + kLocketItem + "\" , 1 ) ;\n" +
                            "@player . solvequest ( \"" + kLocketQuest + "\" ) ;\n" + "@player . receivegold ( " +
                            std::to_string(kLocketGold) + " ) ;\n" + "@player . addxp ( " + std::to_string(kLocketXp) +
                            " ) ;\n" + "@player . addability ( \"" + kIlsesBlessing + "\" ) ;";
const std::string kAccept = std::string("@player . addquest ( \"") + kLocketQuest + "\" ) ;";

}  // namespace

void AddLocketItem(SItemDatabase& items) { AddSampleItemTypes(items, kLocket); }

void AddLocketQuest(SQuestTable& quests) {
    auto quest = std::make_unique<SQuest>();
    quest->name.Set(kLocketQuest);
    quest->title.Assign("Lost Locket");
    quest->text.Assign(
        "Ilse of Eastbrook lost her mother's silver locket in the dungeon below the cellar. Bring it "
        "back to her; she waits by the north street.");
    quests.Add(std::move(quest));
}

void AddLocketOwner(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package) {
    SNpcType& ilse = AddSamplePerson(persons, faces, package, kLocketOwner, "bres_ilse", "Ilse", 2);
    ilse.topics->AddGreeting(
        SampleTopic("base_ilsehello", "Hello", {{"Oh - a stranger. Forgive me, I have been crying all morning."}}));
    // The first answer whose tests hold is given: thanks once solved, the hand-in while she has the
    // locket's quest and the player the locket, a reminder while only the quest, else the question.
    ilse.topics->AddTopic(SampleTopic(
        "base_ilselocket", "Locket",
        {{.text = "You brought my mother's locket home. I will not forget it.",
          .tests = {{{kQuestSolved, 1, kLocketQuest}}}},
         {.text = "My locket! The silver is black with the damp, but it is hers. Take this, and my thanks.",
          .script = kHandIn.c_str(),
          .tests = {{{kQuestHeld, 1, kLocketQuest}, {kItemsOwned, 1, kLocketItem, kAtLeast}}}},
         {.text = "It fell from my neck in the dungeon below the cellar, when the goblins chased me out. Please "
                  "look for it.",
          .tests = {{{kQuestHeld, 1, kLocketQuest}}}},
         {.text = "My mother's silver locket lies somewhere in the dungeon below the cellar. I dare not go back. "
                  "Will you bring it to me?",
          .choices = {"I will bring it back.", "I cannot."}},
         {.text = "Bless you! I will wait here, by the north street.", .script = kAccept.c_str(), .reply = 1},
         {.text = "Then I will pray that someone braver comes by.", .reply = 2}}));
}
