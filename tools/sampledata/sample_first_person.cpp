#include "tools/sampledata/sample_first_person.h"

#include <memory>

#include "data/items/equip_picture.h"
#include "data/items/fps_item.h"
#include "data/items/item_database.h"
#include "tools/sampledata/first_person_art.h"
#include "tools/sampledata/sample_package.h"

namespace {

constexpr uint8_t kNoStrikeFrame = 255;

struct SSampleSprite {
    const char* name;
    const char* picture;
    SFirstPersonArt art;
    // The picture a stroke shows, when it is not the resting one.
    const char* strokePicture;
    SFirstPersonArt strokeArt;
    // The sprite record's bytes: strike frame, rest frame, horizontal and vertical offset in
    // percent, and whether a stroke may show either way.
    uint8_t strikeFrame;
    uint8_t horizontal, vertical;
    uint16_t holdOffset;  // where the arrow sits on the drawn bow
    const char* sound;
};

// Frame 0 is the resting picture; a stroke shows its strike frame and moves it by the stroke's
// percentages. The sword strikes with a picture of its own, frame 1; the others with the same one.
constexpr const char* kSame = nullptr;
const SSampleSprite kSprites[] = {
    {"bres_fpsfist", "bres_fps_fist", SFirstPersonArt::Fist, kSame, {}, 0, 4, 6, 0, "bsnd_hitclub"},
    {"bres_fpssword", "bres_fps_sword", SFirstPersonArt::Sword, "bres_fps_swordswing", SFirstPersonArt::SwordSwing, 1,
     4, 4, 0, "bsnd_hitclub"},
    {"bres_fpsshield", "bres_fps_shield", SFirstPersonArt::Shield, kSame, {}, kNoStrikeFrame, 2, 2, 0, "bsnd_hitclub"},
    {"bres_fpsbow", "bres_fps_bow", SFirstPersonArt::Bow, kSame, {}, 0, 4, 4, 0, "bsnd_hitclub"},
    // The arrow: frame 0 held on the bow, frame 1 in flight.
    {"bres_fpsarrow", "bres_fps_arrow", SFirstPersonArt::Arrow, kSame, {}, kNoStrikeFrame, 0, 0, 90, nullptr},
};

// Which of the kit's items the sprites show.
struct SWielded {
    const char* item;
    const char* sprite;
};
const SWielded kWielded[] = {
    {"base_weap_shortswordcheap", "bres_fpssword"}, {"base_weap_dirkcheap", "bres_fpssword"},
    {"base_weap_greatcudgel2", "bres_fpssword"},    {"base_weap_shortbowcheap", "bres_fpsbow"},
    {"base_quiver_cheap", "bres_fpsarrow"},         {"base_shield_smallwooden", "bres_fpsshield"},
    {"base_shield_woodenround", "bres_fpsshield"},
};

}  // namespace

void AddFirstPersonSprites(SItemDatabase& items) {
    for (const SSampleSprite& sample : kSprites) {
        auto sprite = std::make_unique<SFpsItem>();
        sprite->m_name.Set(sample.name);
        sprite->m_frameNames.Append(sample.picture);
        sprite->m_frameNames.Append(sample.strokePicture != kSame ? sample.strokePicture : sample.picture);
        sprite->m_bytes = {sample.strikeFrame, 0, sample.horizontal, sample.vertical, 0};
        sprite->m_numberA = sample.holdOffset;
        if (sample.sound != nullptr) sprite->m_soundName.Assign(sample.sound);
        items.Sprites().Add(std::move(sprite));
    }
    for (const SWielded& wielded : kWielded) {
        const SItemType* type = items.FindItemType(wielded.item);
        SEquipPicture* equipment = type ? items.FindEquipPicture(type->m_equipName.Text()) : nullptr;
        if (equipment != nullptr) equipment->m_spriteName.Assign(wielded.sprite);
    }
}

void AddFirstPersonPictures(SSamplePackage& resources) {
    for (const SSampleSprite& sample : kSprites) {
        resources.pictures.push_back({sample.picture, FirstPersonPicture(sample.art)});
        if (sample.strokePicture != kSame)
            resources.pictures.push_back({sample.strokePicture, FirstPersonPicture(sample.strokeArt)});
    }
}
