#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/headless/headless.h"
#include "support/named_record.h"
#include "support/picture_entry.h"
#include "support/picture_record.h"
#include "support/temp_folder.h"
#include "support/world_package.h"
#include "ui/widgets/anim_ctrl.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/pic_ctrl.h"
#include "ui/widgets/portrait_source.h"
#include "widget_fixture.h"

namespace picture_test {

namespace {

constexpr uint16_t kRed = 0xF800, kBlue = 0x001F, kGreen = 0x07E0, kYellow = 0xFFE0, kCyan = 0x07FF;

class PicCtrlTest : public WidgetTest {};

TEST_F(PicCtrlTest, aPictureOfTheControlsSizeIsDrawnAsItIsAndAnyOtherSizeIsStretched) {
    auto picture = SolidPicture(50, 50, kRed);
    struct Row {
        int w, h;
        uint32_t keepAspect;
        bool stretched;
        const char* drawn;
    };
    for (Row row :
         {Row{50, 50, 0, false, "10,5 50x50"}, Row{51, 50, 0, true, "10,5 51x50"}, Row{40, 40, 0, true, "10,5 40x40"},
          Row{60, 56, 0, true, "10,5 60x56"}, Row{60, 56, 1, true, "10,5 60x60"}}) {
        clearScreen();
        SPicCtrl pic;
        place(pic, 10, 5, row.w, row.h);
        pic.m_keepAspect = row.keepAspect;
        pic.SetPicture(picture.get(), 0, 0, 0);
        EXPECT_EQ(pic.m_stretched != 0, row.stretched) << row.w << "x" << row.h;
        pic.Draw();
        EXPECT_EQ(boundsOf(kRed), row.drawn) << row.w << "x" << row.h;
    }
}

TEST_F(PicCtrlTest, keepingTheAspectDrawsAWidePictureAtHalfItsHeight) {
    auto wide = SolidPicture(100, 50, kBlue);
    SPicCtrl pic;
    place(pic, 0, 0, 50, 50);
    pic.m_keepAspect = 1;
    pic.SetPicture(wide.get(), 0, 0, 1);
    pic.Draw();
    EXPECT_EQ(boundsOf(kBlue), "0,0 50x25");
    EXPECT_EQ(at(0, 30), 0) << "the background below it, black";
    EXPECT_EQ(pic.OnPen(10, 24, 1, 0), 0u) << "no picture id: 0";
    pic.m_id = 9;
    EXPECT_EQ(pic.OnPen(10, 24, 1, 0), 9u);
    EXPECT_EQ(pic.OnPen(10, 25, 1, 0), 0u) << "below the picture";
    EXPECT_EQ(pic.OnPen(10, 24, 1, 1), 0u) << "a move";
}

TEST_F(PicCtrlTest, aKeyedPictureIsDrawnOnlyAtItsOwnSize) {
    auto keyed = MakePictureEntry(8, 8, [](int x, int) { return x < 4 ? kGreen : SPicture::kTransparent; });
    SPicCtrl pic;
    place(pic, 0, 0, 8, 8);
    pic.SetPicture(keyed.get(), 1, 0, 0);
    pic.Draw();
    EXPECT_EQ(boundsOf(kGreen), "0,0 4x8");
    EXPECT_EQ(at(6, 0), kGround) << "the key colour leaves the screen alone";
    clearScreen();
    place(pic, 0, 0, 9, 8);
    pic.SetPicture(keyed.get(), 1, 0, 0);
    pic.Draw();
    EXPECT_EQ(boundsOf(kGreen), "none");
}

TEST_F(PicCtrlTest, aRawImageLargerThanTheControlShowsItsMiddle) {
    // An 8x6 image whose pixel (x, y) is 100 + 10y + x.
    std::vector<uint16_t> image;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) image.push_back(uint16_t(100 + 10 * y + x));
    struct Row {
        int w, h;
        uint16_t topLeft;
    };
    // Too small both ways: from (2, 1); wide enough but too low: from (0, 2); large enough: all.
    for (Row row : {Row{4, 4, 112}, Row{10, 2, 120}, Row{8, 6, 100}}) {
        SPicCtrl pic;
        place(pic, 20, 20, row.w, row.h);
        pic.SetRaw(image, 8, 6);
        pic.Draw();
        EXPECT_EQ(at(20, 20), row.topLeft) << row.w << "x" << row.h;
    }
    SPicCtrl pic;
    place(pic, 20, 20, 4, 4);
    pic.SetRaw(std::span<const uint16_t>(image).first(40), 8, 6);
    EXPECT_TRUE(pic.m_raw.empty()) << "an image shorter than its size is not shown";
}

TEST_F(PicCtrlTest, withoutAPictureTheDefaultPictureStandsKeyedInTheMiddle) {
    game.m_interfacePictures[0] = SolidPicture(10, 10, kYellow);
    SPicCtrl pic;
    place(pic, 0, 0, 30, 20);
    pic.SetPicture(nullptr, 0, 0, 0);
    pic.Draw();
    EXPECT_EQ(boundsOf(kYellow), "10,5 10x10");
    auto own = SolidPicture(4, 4, kCyan);
    pic.m_placeholder = own.get();
    pic.Draw();
    EXPECT_EQ(boundsOf(kCyan), "13,8 4x4");
}

TEST_F(PicCtrlTest, aFrameStandsFourPixelsAroundThePicture) {
    auto picture = SolidPicture(20, 20, kRed);
    std::unique_ptr<SPictureEntry> pieces[9];
    SFrameSet set;
    for (int i = 0; i < 9; ++i) {
        pieces[i] = SolidPicture(2, 2, kBlue);
        set[size_t(i)] = pieces[i].get();
    }
    SPicCtrl pic;
    place(pic, 30, 30, 20, 20);
    pic.SetPicture(picture.get(), 0, 0, 0);
    pic.SetFrame(set);
    pic.Draw();
    EXPECT_EQ(boundsOf(kBlue), "26,26 28x28");
    EXPECT_EQ(at(28, 28), kGround) << "the margin is left alone";
}

// Portraits by name: the face half from the game's face table, read from a package written with
// the table's own writer; the monster half from a stand-in.
class FakePortraits : public SPortraitSource {
public:
    explicit FakePortraits(const SFaceTable& faces) : m_faces(faces) {}

    const char* FacePictureName(const char* name) const override { return m_faces.PictureName(name); }
    std::optional<SBaseTypePictures> FindBaseType(const char* name) const override {
        auto found = types.find(name);
        if (found == types.end()) return std::nullopt;
        return SBaseTypePictures{found->second.first, found->second.second};
    }
    std::map<std::string, std::pair<uint8_t, std::vector<const SPictureEntry*>>> types;

private:
    const SFaceTable& m_faces;
};

class FaceCtrlTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        game.InitTables();
        // "bres_lira" has a picture; the package lacks "bres_ghost"'s.
        SFaceTable faces;
        for (const char* name : {"bres_lira", "bres_ghost"}) faces.Add(NamedRecord<SFaceType>(name));
        TestWorldPackage world;
        world.pictures = {{"bres_lira", PictureRecord(0, 50, 50, std::vector<uint32_t>(2500, 0), {kGreen})}};
        world.tables[SModuleTable::Faces] = {TableRecord(faces, world.version)};
        ASSERT_TRUE(world.Write(folder, "Brimvale"));
        game.m_moduleContext.folder = &folder;
        ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();
        ASSERT_TRUE(game.m_cache.LoadPicture("bres_lira"));
        liraPicture = game.m_cache.FindPicture("bres_lira");

        for (int i = 0; i < 10; ++i) {
            monsterPictures.push_back(SolidPicture(50, 50, uint16_t(0x1000 + i)));
            pictures.push_back(monsterPictures.back().get());
        }
        portraits.types["Guard"] = {4, pictures};
        portraits.types["Wolf"] = {2, std::vector<const SPictureEntry*>(pictures.begin(), pictures.begin() + 7)};
        portraits.types["Scout"] = {4, std::vector<const SPictureEntry*>(pictures.begin(), pictures.begin() + 9)};
        game.m_portraits = &portraits;
        place(face, 0, 0, 50, 50);
    }

    STempFolder programFolder;
    SFileFolder folder{programFolder.Path() + "/"};
    FakePortraits portraits{game.m_faces};
    const SPictureEntry* liraPicture = nullptr;
    std::vector<std::unique_ptr<SPictureEntry>> monsterPictures;
    std::vector<const SPictureEntry*> pictures;
    SFaceCtrl face;
};

TEST_F(FaceCtrlTest, thePortraitComesFromTheFaceTableThenFromTheMonsterBaseType) {
    struct Row {
        const char* name;
        int picture;  // -2 none, -1 the face table's, else the base type's picture
    };
    for (Row row : {Row{"bres_lira", -1}, Row{"Guard", 9}, Row{"Wolf", 6}, Row{"Scout", -2}, Row{"bres_ghost", -2},
                    Row{"Nobody", -2}}) {
        face.SetPicture(liraPicture);
        face.SetFace(row.name);
        const SPictureEntry* expected = row.picture == -1  ? liraPicture
                                        : row.picture >= 0 ? pictures[size_t(row.picture)]
                                                           : nullptr;
        EXPECT_EQ(face.m_portrait, expected) << row.name;
        EXPECT_EQ(face.m_picW, expected ? 50 : 0) << row.name;
    }
    game.m_portraits = nullptr;
    face.SetFace("bres_lira");
    EXPECT_EQ(face.m_portrait, nullptr) << "without the tables no name is known";
}

TEST_F(FaceCtrlTest, aPortraitIsDrawnAsItIsShrunkOrStretchedByTheControlsSize) {
    struct Row {
        int size;
        const char* drawn;
    };
    for (Row row : {Row{50, "5,5 50x50"}, Row{40, "5,5 40x40"}, Row{56, "5,5 56x56"}}) {
        clearScreen();
        place(face, 5, 5, row.size, row.size);
        face.SetFace("bres_lira");
        face.Draw();
        EXPECT_EQ(boundsOf(kGreen), row.drawn) << row.size;
    }
}

TEST_F(FaceCtrlTest, anOverlayBlocksTapsUntilItIsCleared) {
    game.m_interfacePictures[49] =
        MakePictureEntry(50, 50, [](int x, int) { return x < 2 ? kRed : SPicture::kTransparent; });
    face.m_id = 31;
    face.SetFace("bres_lira");
    EXPECT_EQ(face.OnPen(10, 10, 1, 0), 0u) << "it answers the release, not the press";
    EXPECT_EQ(face.OnPen(10, 10, 0, 0), 31u);
    EXPECT_EQ(face.OnPen(50, 10, 0, 0), 0u) << "outside";
    face.SetMark(1, 0);
    face.Draw();
    EXPECT_EQ(boundsOf(kRed), "0,0 2x50") << "the mark over the portrait";
    EXPECT_EQ(face.OnPen(10, 10, 0, 0), 0u);
    face.ClearOverlay();
    EXPECT_EQ(face.OnPen(10, 10, 0, 0), 31u);
}

class AnimCtrlTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        platform::headless::SetTickCount(1000);
        base = SolidPicture(20, 20, kBlue);
        for (uint16_t colour : {kRed, kGreen, kYellow}) marks.push_back(SolidPicture(4, 4, colour));
        // The base, then three frames of 50, 100 and 200 ms at three places.
        frames = {
            {base.get(), 0, 0, 0}, {marks[0].get(), 2, 2, 5}, {marks[1].get(), 8, 2, 10}, {marks[2].get(), 14, 2, 20}};
    }
    // Which frame the screen shows: the colour of the mark drawn over the base.
    int shownFrame() const {
        if (countOf(kRed)) return 1;
        if (countOf(kGreen)) return 2;
        if (countOf(kYellow)) return 3;
        return 0;
    }
    // Moves the clock on and ticks; the screen is cleared first, so only what the tick drew shows.
    int tickAfter(uint32_t milliseconds) {
        clearScreen();
        platform::headless::AdvanceTime(milliseconds);
        EXPECT_EQ(anim.OnTick(0), 0u);
        return shownFrame();
    }

    std::unique_ptr<SPictureEntry> base;
    std::vector<std::unique_ptr<SPictureEntry>> marks;
    std::vector<SAnimFrame> frames;
    SAnimCtrl anim;
};

TEST_F(AnimCtrlTest, theFramesRunFromOneToTheLastAndBackToOneEachForItsDuration) {
    place(anim, 0, 0, 20, 20);
    anim.SetAnimation(frames);
    anim.Draw();
    EXPECT_EQ(shownFrame(), 1);
    EXPECT_EQ(tickAfter(49), 0) << "frame 1 lasts 50 ms";
    EXPECT_EQ(tickAfter(1), 2);
    EXPECT_EQ(tickAfter(99), 0);
    EXPECT_EQ(tickAfter(1), 3);
    EXPECT_EQ(tickAfter(200), 1) << "after the last comes frame 1, never the base's frame 0";
    EXPECT_EQ(tickAfter(50), 2);
    EXPECT_EQ(boundsOf(kGreen), "8,2 4x4");
    EXPECT_EQ(boundsOf(kBlue), "0,0 20x20") << "the base under it, with the mark's place cut out";

    clearScreen();
    anim.Draw();
    EXPECT_EQ(shownFrame(), 1) << "a full repaint shows frame 1 whatever frame is current";
}

TEST_F(AnimCtrlTest, aControlLargerThanTheBaseScalesTheBaseAndTheFrames) {
    place(anim, 0, 0, 40, 40);
    anim.SetAnimation(frames);
    anim.Draw();
    EXPECT_EQ(boundsOf(kBlue), "0,0 40x40");
    EXPECT_EQ(boundsOf(kRed), "4,4 8x8");
}

TEST_F(AnimCtrlTest, aRecordOfTheBaseAloneShowsTheBaseAndNeverSteps) {
    place(anim, 0, 0, 20, 20);
    anim.SetAnimation(std::span<const SAnimFrame>(frames).first(1));
    EXPECT_EQ(anim.m_frame, 0u);
    anim.Draw();
    EXPECT_EQ(boundsOf(kBlue), "0,0 20x20");
    EXPECT_EQ(tickAfter(10000), 0);
    EXPECT_EQ(countOf(kBlue), 0) << "a tick draws nothing";

    anim.SetAnimation({});
    clearScreen();
    anim.Draw();
    EXPECT_EQ(boundsOf(0), "0,0 20x20") << "no record: black";
}

TEST_F(AnimCtrlTest, aListOfFewerThanEightPicturesCyclesOverThoseItHas) {
    place(anim, 0, 0, 4, 4);
    const SPictureEntry* list[] = {marks[0].get(), marks[1].get(), marks[2].get()};
    anim.SetPictures(list);
    anim.Draw();
    EXPECT_EQ(shownFrame(), 1);
    EXPECT_EQ(tickAfter(199), 0);
    EXPECT_EQ(tickAfter(1), 2);
    EXPECT_EQ(tickAfter(200), 3);
    EXPECT_EQ(tickAfter(200), 1) << "back to the first after the third";
    clearScreen();
    anim.Draw();
    EXPECT_EQ(shownFrame(), 1) << "a repaint shows the current picture";
}

}  // namespace

}  // namespace picture_test
