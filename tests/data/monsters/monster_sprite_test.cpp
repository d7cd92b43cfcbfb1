#include <gtest/gtest.h>

#include "data/effects/effect_type.h"
#include "monster_fixture.h"

namespace monster_sprite_test {

namespace {

class MonsterSpriteTest : public MonsterTest {
protected:
    MonsterSpriteTest() {
        EXPECT_TRUE(Open("")) << error;
        pictureCache.Init();
        monsterNames = PictureNames("orc", 1);
        personNames = PictureNames("man", SMonsterBaseType::kKindPeople);
        for (const auto* names : {&monsterNames, &personNames}) {
            for (const std::string& name : *names) {
                auto entry = std::make_unique<SPictureEntry>();
                entry->name.Set(name.c_str());
                pictureCache.AddPicture(std::move(entry));
            }
        }
        pictureCache.AssignSlots();
        for (const std::string& name : monsterNames) base->m_pictureNames.Append(name.c_str());
        base->ResolvePictures(pictureCache, pictureCache.SlotFlags());
        // A kind without a stride picture.
        stiff = AddBaseType("base_stiff", 1);
        for (int i = 0; i < 7; ++i) stiff->m_pictureNames.Append(i == 2 ? nullptr : monsterNames[size_t(i)].c_str());
        stiff->ResolvePictures(pictureCache, pictureCache.SlotFlags());
        man = AddBaseType("base_man", SMonsterBaseType::kKindPeople);
        for (const std::string& name : personNames) man->m_pictureNames.Append(name.c_str());
        man->ResolvePictures(pictureCache, pictureCache.SlotFlags());
        smith = AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople);
        smith->m_baseType = man;
    }
    uint16_t Slot(const std::vector<std::string>& names, int picture) const {
        return uint16_t(pictureCache.FindPicture(names[size_t(picture)].c_str())->slot);
    }
    static uint16_t Flags(int frame, bool mirrored) {
        return uint16_t((frame << 8) | (mirrored ? SItemPileRecord::kMirrored : 0));
    }

    SResourceCache pictureCache;
    std::vector<std::string> monsterNames, personNames;
    SMonsterBaseType *stiff, *man;
    SMonster* smith;
};

TEST_F(MonsterSpriteTest, aMonsterShowsThePictureOfItsPoseAndWalksThroughFourFrames) {
    const struct {
        const char* name;
        bool stiff;
        uint8_t state;
        uint8_t timer;
        int frame;
        int picture;
        bool mirrored;
        int frameAfter;
    } cases[] = {
        {"hit", false, SCreature::kHit | SCreature::kMotion, 3, 1, 5, false, 1},
        {"walking from 0", false, SCreature::kMotion, 0, 0, 0, false, 1},
        {"walking from 1", false, SCreature::kMotion, 0, 1, 2, false, 2},
        {"walking from 2", false, SCreature::kMotion, 0, 2, 2, false, 3},
        {"walking from 3", false, SCreature::kMotion, 0, 3, 0, false, 0},
        {"walking without a stride", true, SCreature::kMotion, 0, 1, 0, true, 2},
        {"winding up, late", false, 0x20, 4, 0, 3, false, 0},
        {"winding up, early", false, 0x20, 5, 1, 1, false, 1},
        {"striking", false, 0x40, 9, 2, 4, false, 2},
        {"standing 0", false, 0, 0, 0, 0, false, 0},
        {"standing 1", false, 0, 0, 1, 1, false, 1},
        {"standing 2", false, 0, 0, 2, 2, false, 2},
        {"standing 3", false, 0, 0, 3, 1, false, 3},
        {"standing 2 without a stride", true, 0, 0, 2, 0, true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        monster->m_baseType = c.stiff ? stiff : base;
        SCreature& creature = Place(monster, 3, 3, c.state);
        creature.displayTimer = c.timer;
        SItemPileRecord sprite;
        sprite.m_flags = Flags(c.frame, !c.mirrored);
        monster->SelectSprite(*context, creature, sprite);
        EXPECT_EQ(sprite.m_picture, Slot(monsterNames, c.picture));
        EXPECT_EQ(sprite.m_flags, Flags(c.frameAfter, c.mirrored));
        ASSERT_FALSE(screen.marks.empty());
        EXPECT_EQ(screen.marks.back(), std::pair(sprite.m_picture, uint8_t(15)));
        map->RemoveCreature(creature.id);
    }
}

TEST_F(MonsterSpriteTest, aPersonShowsTheSideThePlayerSeesAndItsStep) {
    const struct {
        int facing;
        int heading;
        int frame;
        uint8_t motion;
        uint8_t timer;
        int picture;
        bool mirrored;
        int frameAfter;
    } cases[] = {
        // Facing the way the player looks: seen from behind.
        {0, 0, 0, 0, 0, 0, false, 0},
        {1, 0, 1, 0, 0, 4, false, 1},
        {2, 0, 2, 0, 0, 8, false, 2},
        {3, 0, 0, 0, 0, 3, true, 0},
        {0, 90, 0, 0, 0, 3, true, 0},
        {1, 44, 0, 0, 0, 3, false, 0},
        {1, 45, 0, 0, 0, 0, false, 0},
        {2, 315, 0, 0, 0, 6, false, 0},
        // The fourth frame shows the second pose.
        {2, 0, 3, 0, 0, 7, false, 3},
        // Walking steps on when the timer is a multiple of 4, and starts at the second pose at 1.
        {2, 0, 1, SCreature::kMotion, 8, 8, false, 2},
        {2, 0, 3, SCreature::kMotion, 0, 6, false, 0},
        {2, 0, 2, SCreature::kMotion, 1, 7, false, 1},
        {2, 0, 2, SCreature::kMotion, 3, 8, false, 2},
        // A hit shows no picture of its own.
        {2, 0, 0, SCreature::kHit, 3, 6, false, 0},
    };
    for (const auto& c : cases) {
        screen.heading = c.heading;
        SCreature& creature = Place(smith, 3, 3, uint8_t((c.facing << 3) | c.motion));
        creature.displayTimer = c.timer;
        SItemPileRecord sprite;
        sprite.m_flags = Flags(c.frame, !c.mirrored);
        smith->SelectSprite(*context, creature, sprite);
        EXPECT_EQ(sprite.m_picture, Slot(personNames, c.picture)) << c.facing << " " << c.heading << " " << c.frame;
        EXPECT_EQ(sprite.m_flags, Flags(c.frameAfter, c.mirrored)) << c.facing << " " << c.heading << " " << c.frame;
        map->RemoveCreature(creature.id);
    }
}

TEST_F(MonsterSpriteTest, placingASpriteStandsItInTheMiddleAtItsSizeAndColouring) {
    monster->m_paletteSlot = 4;
    monster->m_paralysedPaletteSlot = 9;
    base->m_size = 10;
    SCreature& creature = Place(monster, 3, 3, 0);
    SItemPileRecord sprite;
    monster->PlaceSprite(*context, creature, sprite);
    EXPECT_EQ(sprite.m_picture, Slot(monsterNames, 0));
    EXPECT_EQ(sprite.m_x, 0x8000);
    EXPECT_EQ(sprite.m_y, 0x8000);
    EXPECT_EQ(sprite.m_height, 10 * 65536 / 31);
    EXPECT_EQ(sprite.m_palette, 4);

    map->Effects().AddTimed(creature.id, 1, 5, kEffectParalyze, 0, nullptr);
    // The largest size would not fit the word.
    base->m_size = 40;
    monster->PlaceSprite(*context, creature, sprite);
    EXPECT_EQ(sprite.m_palette, 9);
    EXPECT_EQ(sprite.m_height, 0xFFFF);

    // People are placed facing the player.
    SCreature& person = Place(smith, 3, 3, 2 << 3);
    SItemPileRecord personSprite;
    smith->PlaceSprite(*context, person, personSprite);
    EXPECT_EQ(personSprite.m_picture, Slot(personNames, 6));
}

}  // namespace

}  // namespace monster_sprite_test
