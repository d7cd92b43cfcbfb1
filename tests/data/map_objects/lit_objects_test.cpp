// Animated and lit objects: torches and lamps on walls, town windows at night, floor decorations
// and walls of force, frame by frame, with their light and their sounds.
#include <gtest/gtest.h>

#include "data/map_objects/map_object_play_fixture.h"

namespace {

constexpr uint16_t kLight = 256;

class LitObjectsTest : public MapObjectPlayTest {
protected:
    void SetUp() override {
        MapObjectPlayTest::SetUp();
        expected.Seed(RecordingMapObjectScreen::kSeed);
        Type("torch").m_param2 = "bsnd_torch";
        Type("fountain").m_param2 = "bsnd_fountain";
        Type("rug").m_param2 = "bsnd_bubbles";
        Type("stillrug").m_param2 = "bsnd_bubbles";
        Type("force").m_param2 = "bsnd_force";
    }

    // The animated record of the type on side `side` of a wall cell; `light` in and out.
    SSideOverlayRecord Animate(const char* name, int side, SPlacedObject* object, uint16_t& light,
                               bool secondLayer = false) {
        SMapCell cell = SideCell(name, side);
        SSideOverlayRecord record;
        if (secondLayer) {
            SMapCellShadow shadow;
            for (int s = 0; s < 4; ++s) shadow.sides[s] = cell.sides[s];
            Type(name).BuildAnimatedShadowSideRecord(object, shadow, side, record, light);
        } else {
            Type(name).BuildAnimatedSideRecord(object, cell, side, record, light);
        }
        return record;
    }

    // The same roll as the screen's next one.
    int32_t NextRoll(int32_t n) { return expected.Next(n); }

    SRandom expected;
};

// Outdoors a night-lit decoration sleeps from 06:00 to 21:59; indoors, or without the flag, it
// burns whatever the hour; an object that is off never burns.
TEST_F(LitObjectsTest, aNightLitWallDecorationBurnsAndSoundsOnlyAtNightOutdoors) {
    struct Row {
        const char* label;
        uint32_t hour, minute;
        bool outdoor, nightLit, off, burns;
    };
    for (Row row : {
             Row{"outdoor2159", 21, 59, true, true, false, false},
             Row{"outdoor2200", 22, 0, true, true, false, true},
             Row{"outdoor0559", 5, 59, true, true, false, true},
             Row{"outdoor0600", 6, 0, true, true, false, false},
             Row{"indoorNoon", 12, 0, false, true, false, true},
             Row{"unflaggedNoon", 12, 0, true, false, false, true},
             Row{"offAtNight", 23, 0, true, true, true, false},
         }) {
        screen.SetTime(row.hour, row.minute);
        screen.outdoor = row.outdoor;
        screen.secondTick = 5;
        SMapObjectType& torch = Type("torch");
        torch.m_flags = row.nightLit ? SMapObjectType::kLitAtNight : 0;
        SPlacedObject object;
        if (row.off) object.flags |= SPlacedObject::kClosed;

        uint16_t light = kLight;
        const SSideOverlayRecord record = Animate("torch", 2, &object, light);
        SMapCell cell = SideCell("torch", 2);
        const char* sound = torch.GetAmbientSound(&object, cell);
        EXPECT_EQ(sound == nullptr ? "" : std::string(sound), row.burns ? "bsnd_torch" : "") << row.label;
        EXPECT_EQ(torch.GetShadowAmbientSound(&object, SMapCellShadow{}), sound) << row.label;
        if (!row.burns) {
            EXPECT_EQ(light, kLight) << row.label;
            EXPECT_EQ(record.m_picture[0], 0) << row.label;
            continue;
        }
        EXPECT_EQ(light, 512 + (16 << NextRoll(3))) << row.label;
        // Step 5 + side 2: frame 7 mod 3 of p5..p7, oblique frame 7 mod 2 of p9 and p10.
        EXPECT_EQ(record.m_picture[0], Picture(6)) << row.label;
        EXPECT_EQ(record.m_obliquePicture[0], Picture(10)) << row.label;
        EXPECT_EQ(record.m_position[0], PackPlacement(0, SizeOf(6), 0, 0)) << row.label;
        EXPECT_EQ(record.m_palette[0], wallPalette.slot) << row.label;
        EXPECT_EQ(record.m_drawCode[0], 44) << row.label;
    }
}

TEST_F(LitObjectsTest, aTorchInACellLitAlreadyAddsItsFlicker) {
    uint16_t light = 300;
    Animate("torch", 0, nullptr, light);
    EXPECT_EQ(light, 300 + (16 << NextRoll(3)));
}

// The frames of each side follow the second tick, set off by the side; the second layer's record
// is the same.
TEST_F(LitObjectsTest, torchFramesRunWithTheSecondTickOffsetBySide) {
    for (uint32_t tick = 0; tick < 6; ++tick) {
        screen.secondTick = tick;
        for (int side = 0; side < 4; ++side) {
            uint16_t light = kLight, shadowLight = kLight;
            const SSideOverlayRecord record = Animate("torch", side, nullptr, light);
            const SSideOverlayRecord shadow = Animate("torch", side, nullptr, shadowLight, true);
            const int e = (side + 2) % 4;
            EXPECT_EQ(record.m_picture[e], Picture(5 + (tick + side) % 3)) << tick << " " << side;
            EXPECT_EQ(record.m_obliquePicture[e], Picture(9 + (tick + side) % 2)) << tick << " " << side;
            EXPECT_EQ(shadow.m_picture[e], record.m_picture[e]);
            EXPECT_EQ(shadow.m_obliquePicture[e], record.m_obliquePicture[e]);
        }
    }
}

// A decoration without frames of both kinds stays as its still record shows it, and dark.
TEST_F(LitObjectsTest, aWallDecorationWithoutBothFrameCountsDoesNotAnimate) {
    SMapCell cell = SideCell("torch", 1);
    cell.sides[1].wallType = &Type("fountain");  // frames but no oblique frames
    SSideOverlayRecord record;
    uint16_t light = kLight;
    Type("torch").BuildAnimatedSideRecord(nullptr, cell, 1, record, light);
    EXPECT_EQ(light, kLight);
    EXPECT_EQ(record.m_picture[3], 0);
}

// The wall-and-floor decoration animates with frames alone, lights only when night-lit, and its
// placement stands out from the wall by the type's flag.
TEST_F(LitObjectsTest, aWallAndFloorDecorationAnimatesWithoutObliqueFrames) {
    SMapObjectType& fountain = Type("fountain");
    fountain.m_placeA = 3;
    fountain.m_placeB = 11;
    screen.secondTick = 4;
    uint16_t light = kLight;
    SSideOverlayRecord record = Animate("fountain", 3, nullptr, light);
    EXPECT_EQ(light, kLight) << "only night-lit ones light the cell";
    // Step 4 + side 3: frame 7 mod 2 of p5 and p6.
    EXPECT_EQ(record.m_picture[1], Picture(6));
    EXPECT_EQ(record.m_obliquePicture[1], 0);
    EXPECT_EQ(record.m_position[1], PackPlacementFlagged(1, SizeOf(6), false, 3, 11));
    EXPECT_EQ(record.m_drawCode[1], 49);

    fountain.m_flags = SMapObjectType::kLitAtNight | SMapObjectType::kProjects;
    screen.SetTime(23, 0);
    record = Animate("fountain", 3, nullptr, light);
    EXPECT_EQ(light, 512 + (16 << NextRoll(3)));
    EXPECT_EQ(record.m_position[1], PackPlacementFlagged(1, SizeOf(6), false, 3, 11) | 0x8000);
    SMapCell cell = SideCell("fountain", 3);
    EXPECT_STREQ(fountain.GetAmbientSound(nullptr, cell), "bsnd_fountain");
}

// Town windows: dark by day outdoors; at night a lit picture and an oblique one by chance, and a
// night-lit window brightens its cell the more, the brighter the picture drawn; upstairs more.
TEST_F(LitObjectsTest, townWindowsLightUpAtNightWithPicturesByChance) {
    SMapObjectType& window = Type("window");
    screen.outdoor = true;
    screen.SetTime(12, 0);
    uint16_t light = kLight;
    EXPECT_EQ(Animate("window", 0, nullptr, light).m_picture[2], 0);
    EXPECT_EQ(light, kLight);

    screen.SetTime(22, 30);
    for (int i = 0; i < 6; ++i) {
        light = kLight;
        const SSideOverlayRecord record = Animate("window", 0, nullptr, light);
        const int lit = NextRoll(2), oblique = NextRoll(2);
        EXPECT_EQ(record.m_picture[2], Picture(13 + lit)) << i;
        EXPECT_EQ(record.m_obliquePicture[2], oblique ? Picture(1) : Picture(15)) << i;
        EXPECT_EQ(record.m_position[2], PackPlacement(2, SizeOf(13 + lit), 0, 0)) << i;
        EXPECT_EQ(record.m_drawCode[2], 7) << i;
        EXPECT_EQ(light, kLight) << "only night-lit windows light the cell";
    }

    window.m_flags = SMapObjectType::kLitAtNight;
    for (bool upstairs : {false, true}) {
        light = kLight;
        Animate("window", 1, nullptr, light, upstairs);
        const int lit = NextRoll(2);
        NextRoll(2);
        EXPECT_EQ(light, (upstairs ? 512 : 384) + (16 << (2 - lit))) << upstairs;
    }

    SPlacedObject off;
    off.flags |= SPlacedObject::kClosed;
    light = kLight;
    EXPECT_EQ(Animate("window", 0, &off, light).m_picture[2], 0);
    EXPECT_EQ(light, kLight);
}

// A floor decoration's frames run forth and back with the animation tick while on; a still one,
// or one that is off, shows its first picture or none, and gives no sound.
TEST_F(LitObjectsTest, floorDecorationFramesRunForthAndBack) {
    SMapCell cell = CentreCell("rug");
    const int frames[] = {1, 2, 3, 3, 2, 1, 1, 2};
    for (uint32_t tick = 0; tick < 8; ++tick) {
        screen.tick = tick;
        SObjectTypeRecord record;
        uint16_t light = kLight;
        Type("rug").BuildAnimatedCellRecord(nullptr, cell, record, light);
        EXPECT_EQ(record.m_pictures[0], Picture(frames[tick])) << tick;
        EXPECT_EQ(record.m_palettes[0], centrePalette.slot);
    }
    EXPECT_STREQ(Type("rug").GetAmbientSound(nullptr, cell), "bsnd_bubbles");

    screen.tick = 4;
    SObjectTypeRecord still;
    uint16_t light = kLight;
    Type("stillrug").BuildCellRecord(nullptr, cell, still, light);
    EXPECT_EQ(still.m_pictures[0], Picture(1));
    EXPECT_EQ(Type("stillrug").GetAmbientSound(nullptr, cell), nullptr);

    SPlacedObject off;
    off.flags |= SPlacedObject::kClosed;
    EXPECT_EQ(Type("rug").GetAmbientSound(&off, cell), nullptr);
}

// A wall of force runs its frames on the animation tick; one without pictures draws none instead
// of dividing by its frame count of 0.
TEST_F(LitObjectsTest, wallOfForceFramesFollowTheTickAndNoPicturesShowNothing) {
    SMapCell cell = CentreCell("force");
    for (uint32_t tick : {0u, 1u, 2u, 3u, 7u}) {
        screen.tick = tick;
        SObjectTypeRecord record;
        uint16_t light = kLight;
        Type("force").BuildAnimatedCellRecord(nullptr, cell, record, light);
        EXPECT_EQ(record.m_pictures[0], Picture(12 + tick % 3)) << tick;
        EXPECT_EQ(record.m_x[0], 0x8000);

        SObjectTypeRecord bare;
        Type("bareforce").BuildCellRecord(nullptr, cell, bare, light);
        EXPECT_EQ(bare.m_kind, 10);
        EXPECT_EQ(bare.m_pictures[0], 0);
    }
    SPlacedObject off;
    off.flags |= SPlacedObject::kClosed;
    EXPECT_STREQ(Type("force").GetAmbientSound(nullptr, cell), "bsnd_force");
    EXPECT_EQ(Type("force").GetAmbientSound(&off, cell), nullptr);
}

}  // namespace
