#include "tools/sampledata/sample_people.h"

#include "data/dialogue/dialog_table.h"
#include "data/items/item_classes.h"
#include "data/persons/face_table.h"
#include "data/persons/npc_table.h"
#include "engine/draw/picture.h"
#include "tools/sampledata/sample_cards.h"
#include "tools/sampledata/sample_merchants.h"
#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sample_spell_vendor.h"
#include "tools/sampledata/sample_village_folk.h"
#include "tools/sampledata/sample_village_quest.h"

namespace {

constexpr int kFaceSize = 50;
constexpr int8_t kShopOpenCode = 29;

std::unique_ptr<SDialogTopic> topic(const char* name, const char* display, const char* answerText) {
    auto made = std::make_unique<SDialogTopic>();
    made->name.Set(name);
    made->display.Assign(display);
    auto answer = std::make_unique<SDialogAnswer>();
    answer->text.Assign(answerText);
    made->answers.Add(answer.release(), ListOrder::Appended);
    return made;
}

// The world's topic in a person's set: its name alone.
std::unique_ptr<SDialogTopic> shared(const char* name) {
    auto made = std::make_unique<SDialogTopic>();
    made->name.Set(name);
    made->shared = 1;
    return made;
}

// A round face on a warm ground: skin, hair and two eyes.
std::vector<uint8_t> facePicture() {
    std::vector<uint32_t> indices;
    for (int y = 0; y < kFaceSize; ++y) {
        for (int x = 0; x < kFaceSize; ++x) {
            const int dx = x - 25, dy = y - 27;
            const bool head = dx * dx + dy * dy < 18 * 18;
            const bool eye = (y == 24 || y == 25) && (x == 19 || x == 20 || x == 30 || x == 31);
            indices.push_back(eye ? 3 : head ? (y < 16 ? 2 : 1) : 0);
        }
    }
    const std::vector<uint16_t> colours = {MakeColor565(90, 60, 40), MakeColor565(235, 190, 150),
                                           MakeColor565(120, 70, 30), MakeColor565(20, 20, 20)};
    return BuildPictureRecord(0, kFaceSize, kFaceSize, indices, colours);
}

}  // namespace

void AddSamplePeople(SSamplePackage& package) {
    SDialogTable world;
    world.AddTopic(topic("base_job", "Work", "I bake for the whole vale, from before dawn."));
    world.AddGreeting(topic("base_hello", "Hello", "Welcome, traveller!"));

    SFaceTable faces;
    auto face = std::make_unique<SFaceType>();
    face->name.Set("bres_baker");
    faces.Add(std::move(face));

    auto baker = std::make_unique<SNpcType>();
    baker->name.Set("base_baker");
    baker->texts[0].Assign("Marra the baker");
    baker->texts[1].Assign("bres_baker");
    baker->texts[3].Assign("Fresh bread, still warm.");
    baker->shopLevel = 1;
    baker->classMask = BuiltInItemCategory(kItemComestible).bit | BuiltInItemCategory(kItemIngredient).bit;
    baker->race = 2;
    baker->topics = std::make_unique<SDialogTopicSet>();
    // She names her prices only to a customer her shop serves.
    auto bread = topic("base_bread", "Bread", "Three coppers a loaf, and the rye is best.");
    auto open = std::make_unique<SCondition>();
    open->code = kShopOpenCode;
    open->value = 1;
    bread->answers[0]->conditions[0] = std::move(open);
    baker->topics->AddTopic(std::move(bread));
    baker->topics->AddTopic(shared("base_job"));
    baker->topics->AddGreeting(shared("base_hello"));
    SNpcTable persons;
    persons.Add(std::move(baker));
    AddSampleCardPlayer(persons, faces, package);
    AddSampleMerchants(persons, faces, package);
    AddSpellVendor(persons, faces, package);
    AddLocketOwner(persons, faces, package);
    AddVillageFolk(persons, faces, package);

    const int version = package.version;
    package.tables[SModuleTable::Dialogue] = world.Write(version);
    package.tables[SModuleTable::Faces] = WriteOneRecord([&](SArchive& archive) { faces.Write(archive, version); });
    package.tables[SModuleTable::NpcTypes] = persons.Write(version);
    package.pictures.push_back({"bres_baker", facePicture()});
}
