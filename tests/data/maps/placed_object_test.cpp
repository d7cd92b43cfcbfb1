#include "data/maps/placed_object.h"

#include <gtest/gtest.h>

#include "support/record_bytes.h"

namespace placed_object_test {

namespace {

// A door with every field set, so that a field read into the wrong place shows.
void makeDoor(SPlacedObject& door) {
    door.name.Set("base_door");
    door.textA.Assign("to");
    door.textB.Assign("");
    door.state = 0x0241;
    door.id = 7;
    door.containerId = 3;
    door.byteA = 4;
    door.byteB = 5;
    door.flags = SPlacedObject::kVisible | SPlacedObject::kClosed;
}

// Each version's record, byte for byte: a changed layout means old level data no longer reads.
TEST(PlacedObjectTest, theLevelRecordKeepsItsLayoutAtEachDataVersion) {
    struct Case {
        int version;
        std::vector<uint8_t> bytes;
        uint8_t byteA, byteB;  // as read back
    };
    const Case cases[] = {
        // Up to version 52 the state comes after the texts (aligned to 2), ByteA and ByteB are absent.
        {52, {'b', 'a', 's', 'e', '_', 'd', 'o', 'o', 'r', 0, 't', 'o', 0, 0, 0x41, 0x02, 7, 3, 3}, 255, 255},
        {53, {0x41, 0x02, 'b', 'a', 's', 'e', '_', 'd', 'o', 'o', 'r', 0, 't', 'o', 0, 0, 7, 3, 3}, 255, 255},
        {54, {0x41, 0x02, 'b', 'a', 's', 'e', '_', 'd', 'o', 'o', 'r', 0, 't', 'o', 0, 0, 7, 3, 4, 5, 3}, 4, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        SPlacedObject door;
        makeDoor(door);
        EXPECT_EQ(WrittenBytes([&](SArchive& a) { door.Serialize(a, c.version); }), c.bytes);
        SPlacedObject read;
        EXPECT_EQ(ReadBytes(c.bytes, [&](SArchive& a) { read.Serialize(a, c.version); }), int(c.bytes.size()));
        EXPECT_STREQ(read.name.Text(), "base_door");
        EXPECT_TRUE(read.name.OwnsText());
        EXPECT_EQ(read.NameKey().Hash(), HashName("base_door"));
        EXPECT_STREQ(read.textA.Text(), "to");
        EXPECT_STREQ(read.textB.Text(), "");
        EXPECT_EQ(read.state, 0x0241);
        EXPECT_EQ(read.id, 7);
        EXPECT_EQ(read.containerId, 3);
        EXPECT_EQ(read.byteA, c.byteA);
        EXPECT_EQ(read.byteB, c.byteB);
        EXPECT_EQ(read.flags, 3);
    }
}

TEST(PlacedObjectTest, theSavedStateHoldsOnlyTheFieldsThatAreNotZero) {
    struct Case {
        const char* name;
        uint8_t containerId;
        uint16_t state;
        uint8_t flags, stateByte;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"visibleOnly", 0, 0, SPlacedObject::kVisible, 0, {7, 0x04, 0x01}},
        {"nothing", 0, 0, 0, 0, {7, 0x00}},
        // The state word is aligned to 2 from the record's start.
        {"everything", 3, 0x1234, 0x43, 9, {7, 0x0F, 3, 0, 0x34, 0x12, 0x43, 9}},
        {"stateByteOnly", 0, 0, 0, 200, {7, 0x08, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SPlacedObject object;
        object.id = 7;
        object.containerId = c.containerId;
        object.state = c.state;
        object.flags = c.flags;
        object.stateByte = c.stateByte;
        EXPECT_EQ(WrittenBytes([&](SArchive& a) { object.SaveState(a); }), c.bytes);

        // Read over an object with every field set: what the mask leaves out comes back as 0.
        SPlacedObject read;
        makeDoor(read);
        read.stateByte = 77;
        EXPECT_EQ(ReadBytes(c.bytes,
                            [&](SArchive& a) {
                                uint8_t id = 0;
                                a.SerializeU8(id);
                                read.LoadState(a);
                            }),
                  int(c.bytes.size()));
        EXPECT_EQ(read.containerId, c.containerId);
        EXPECT_EQ(read.state, c.state);
        EXPECT_EQ(read.flags, c.flags);
        EXPECT_EQ(read.stateByte, c.stateByte);
    }
}

TEST(PlacedObjectTest, resetGivesTheDefaultsOfANewObject) {
    SPlacedObject object;
    makeDoor(object);
    object.stateByte = 4;
    object.Reset();
    EXPECT_EQ(object.name.Text(), nullptr);
    EXPECT_STREQ(object.textA.Text(), "");
    EXPECT_EQ(object.state, 0);
    EXPECT_EQ(object.id, 0);
    EXPECT_EQ(object.containerId, 0);
    EXPECT_EQ(object.flags, SPlacedObject::kVisible);
    EXPECT_EQ(object.byteA, 255);
    EXPECT_EQ(object.byteB, 255);
    EXPECT_EQ(object.stateByte, 0);
}

}  // namespace

}  // namespace placed_object_test
