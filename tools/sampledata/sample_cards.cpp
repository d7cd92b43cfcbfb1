#include "tools/sampledata/sample_cards.h"

#include <memory>

#include "data/persons/face_table.h"
#include "data/persons/npc_table.h"
#include "tools/sampledata/interface_art_parts.h"
#include "tools/sampledata/sample_package.h"

namespace {

constexpr const char* kFace = "bres_cardplayer";
constexpr int kRace = 3;

}  // namespace

void AddSampleCardPlayer(SNpcTable& persons, SFaceTable& faces, SSamplePackage& package) {
    auto face = std::make_unique<SFaceType>();
    face->name.Set(kFace);
    faces.Add(std::move(face));

    auto player = std::make_unique<SNpcType>();
    player->name.Set(kSampleCardPlayer);
    player->texts[0].Assign("Wenna the card player");
    player->texts[1].Assign(kFace);
    player->race = kRace;
    player->signedValue = int16_t(kSampleCardPlayerStake);
    persons.Add(std::move(player));

    package.pictures.push_back({kFace, interface_art::Portrait(kRace).Record()});
}
