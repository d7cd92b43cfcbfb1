// The world's dialogue chunk and a person's record, as their tables read them: the person's shared
// topics joined to the world's, every condition, answer and choice asked of a game whose player
// has every measure (asking outside them stops the run), and both written back, which must give
// the same bytes twice.
#include <cstdlib>
#include <vector>

#include "engine/base/archive.h"
#include "fuzz/dialogue_input.h"
#include "support/fake_dialog_world.h"

namespace {

std::vector<uint8_t> written(SDialogueInput& input) {
    SArchive archive;
    archive.OpenWrite();
    input.Serialize(archive);
    return {archive.Data(), archive.Data() + archive.GetSize()};
}

void askEverything(const SDialogTopicSet& set, const SDialogPerson& person, SDialogWorld& game) {
    for (const auto& list : {set.Topics(), set.Greetings()}) {
        for (const SDialogTopic* topic : list) {
            topic->FindAnswer(&person, nullptr, game);
            for (int i = 0; i < topic->answers.Count(); ++i) {
                SDialogAnswer::SChoiceSlots slots;
                topic->answers[i]->GetChoices(slots, &person, game);
                topic->FindAnswer(&person, topic->answers[i], game);
            }
        }
    }
    set.CollectTopics(&person, game);
    set.FindGreetingFor(&person, game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SDialogueInput input;
    SArchive archive;
    archive.OpenRead(data, uint32_t(size));
    input.Serialize(archive);
    if (input.person.topics) input.person.topics->ResolveShared(input.world);

    FakeDialogWorld game;
    game.prices = {10, 20};
    input.person.UpdateShopOpen(game);
    input.person.GetRoomPrice(game);
    askEverything(input.world, input.person.Person(), game);
    if (input.person.topics) askEverything(*input.person.topics, input.person.Person(), game);

    const std::vector<uint8_t> once = written(input);
    SDialogueInput again;
    archive.OpenRead(once.data(), uint32_t(once.size()));
    again.Serialize(archive);
    if (archive.Failed() || written(again) != once) std::abort();
    return 0;
}
