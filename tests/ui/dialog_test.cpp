#include "ui/dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "engine/draw/picture.h"
#include "recording_ui.h"
#include "support/memory_display.h"
#include "support/picture_record.h"

namespace dialog_test {

namespace {

using ui_test::Log;
using ui_test::RecordingCtrl;
using ui_test::RecordingDialog;

constexpr uint32_t kPenDown = 1, kPenMoved = 1, kPenUp = 0;

// A dialog opened in frame 10 and looked at in frame 11, with a clean log.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Init(&game);
        game.m_frameCounter = 10;
        dialog.Reopen();
        game.m_frameCounter = 11;
    }

    // Adds a control attached to the dialog.
    RecordingCtrl& add(RecordingCtrl& ctrl) {
        ctrl.Attach(&dialog);
        dialog.AddCtrl(&ctrl);
        return ctrl;
    }
    // Draws away every dirty mark and forgets the drawing.
    void settle() {
        dialog.Draw();
        log.clear();
    }

    SGameData game;
    Log log;
    RecordingDialog dialog{log, "dialog"};
};

TEST_F(DialogTest, theControlAddedLastIsOfferedEventsFirstAndDrawnOnTop) {
    RecordingCtrl below(log, "below", SCtrlInput::kKeys | SCtrlInput::kPen, 1);
    RecordingCtrl above(log, "above", SCtrlInput::kKeys | SCtrlInput::kPen, 2);
    add(below);
    add(above);
    dialog.m_result = 77;

    EXPECT_EQ(dialog.OnKey(13), 77u);
    EXPECT_EQ(log, (Log{"above key 13", "dialog draw", "below draw", "above draw", "dialog command 2"}));

    log.clear();
    dialog.OnPen(4, 6, kPenDown, 0);
    EXPECT_EQ(log.front(), "above pen 4,6 10");
}

// Only the low 16 bits of an answer are a command; an answer without them is no answer, and the
// event goes on to the controls below.
TEST_F(DialogTest, anAnswerWithoutACommandPassesTheEventOn) {
    RecordingCtrl bottom(log, "bottom", SCtrlInput::kTicks, 0x30007);
    RecordingCtrl middle(log, "middle", SCtrlInput::kTicks, 0);
    RecordingCtrl top(log, "top", SCtrlInput::kTicks, 0x10000);
    add(bottom);
    add(middle);
    add(top);
    settle();
    dialog.OnTick(3);
    EXPECT_EQ(log, (Log{"top tick 3", "middle tick 3", "bottom tick 3", "dialog draw", "dialog command 7"}));
}

// Which controls take part in each walk, by their flags and input mask.
struct OfferCase {
    const char* name;
    uint16_t flags;
    uint8_t input;
    bool key, pen, tick;
};
std::ostream& operator<<(std::ostream& out, const OfferCase& c) { return out << c.name; }

class DialogOfferTest : public DialogTest, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(DialogOfferTest, offersEachEventOnlyToControlsThatTakeIt) {
    const OfferCase& c = GetParam();
    RecordingCtrl ctrl(log, "ctrl", c.input);
    add(ctrl);
    ctrl.m_flags = c.flags;
    settle();
    auto offered = [&](auto event) {
        log.clear();
        event();
        return !log.empty() && log.front().rfind("ctrl ", 0) == 0 && log.front() != "ctrl draw";
    };
    EXPECT_EQ(offered([&] { dialog.OnKey(1); }), c.key);
    EXPECT_EQ(offered([&] { dialog.OnPen(1, 1, kPenDown, 0); }), c.pen);
    EXPECT_EQ(offered([&] { dialog.OnTick(0); }), c.tick);
}

constexpr uint8_t kAllInput = SCtrlInput::kKeys | SCtrlInput::kPen | SCtrlInput::kTicks;

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogOfferTest,
    ::testing::Values(OfferCase{"placed", 0x36, kAllInput, true, true, true},
                      OfferCase{"disabledStillGetsKeysAndTicks", 0x32, kAllInput, true, false, true},
                      OfferCase{"hidden", 0x26, kAllInput, false, false, false},
                      OfferCase{"notInTheLayout", 0x16, kAllInput, false, false, false},
                      OfferCase{"noInputMask", 0x36, 0, false, false, false},
                      OfferCase{"penOnly", 0x36, SCtrlInput::kPen, false, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, anOpenChildTakesEveryEventEvenWhenOwnControlsWouldAnswer) {
    RecordingCtrl own(log, "own", kAllInput, 1);
    add(own);
    RecordingDialog child(log, "child");
    child.Init(&game);
    child.m_result = 9;
    RecordingCtrl inChild(log, "inChild", kAllInput, 4);
    inChild.Attach(&child);
    child.AddCtrl(&inChild);
    child.Reopen();
    dialog.SetChild(&child);
    EXPECT_EQ(child.m_parent, &dialog);
    game.m_frameCounter = 12;
    settle();

    EXPECT_EQ(dialog.OnKey(1), 9u);
    EXPECT_EQ(dialog.OnTick(2), 9u);
    dialog.OnPen(3, 3, kPenDown, 0);
    for (const std::string& line : log) {
        EXPECT_EQ(line.find("own"), std::string::npos) << line;
        EXPECT_NE(line, "dialog draw") << "the parent does not draw itself for its child's events";
    }
    EXPECT_NE(std::find(log.begin(), log.end(), "inChild pen 3,3 10"), log.end());
}

TEST_F(DialogTest, aKeyNoControlAnswersRedrawsOnlyDirtyPartsAndAnswers0) {
    RecordingCtrl clean(log, "clean", SCtrlInput::kKeys);
    RecordingCtrl touched(log, "touched", SCtrlInput::kKeys);
    add(clean);
    add(touched);
    settle();
    touched.SetChecked(true);
    EXPECT_EQ(dialog.OnKey(1), 0u);
    EXPECT_EQ(log, (Log{"touched key 1", "clean key 1", "dialog draw", "touched draw"}));
}

// After a command the dialog draws again only while it is still shown: the current screen, or the
// current screen's open child. A command that switched screens must not paint over the next one,
// and one that closed the dialog (its owner may have deleted it) must not touch it again.
TEST_F(DialogTest, aCommandRedrawsAgainOnlyOnTheCurrentScreen) {
    RecordingCtrl ctrl(log, "ctrl", kAllInput, 3);
    add(ctrl);
    SState screen;
    SState other;
    dialog.m_parent = &screen;
    struct Case {
        SState* current;
        bool open;  // the screen still has the dialog as its child
        int drawsAfterKey;
    };
    for (Case c : {Case{&screen, true, 2}, Case{&screen, false, 1}, Case{&other, true, 1}, Case{nullptr, true, 1}}) {
        game.m_currentScreen = c.current;
        screen.m_child = c.open ? &dialog : nullptr;
        log.clear();
        dialog.OnKey(1);
        EXPECT_EQ(std::count(log.begin(), log.end(), "dialog draw"), c.drawsAfterKey);
        log.clear();
        dialog.OnPen(1, 1, kPenDown, 0);
        EXPECT_EQ(std::count(log.begin(), log.end(), "dialog draw"), c.drawsAfterKey);
        log.clear();
        dialog.OnTick(0);
        EXPECT_EQ(std::count(log.begin(), log.end(), "dialog draw"), 1) << "a tick's command draws no second time";
    }
}

TEST_F(DialogTest, aPressInTheOpeningFrameIsIgnoredWithItsDragAndRelease) {
    RecordingCtrl ctrl(log, "ctrl", SCtrlInput::kPen, 1);
    add(ctrl);
    game.m_frameCounter = 10;
    EXPECT_EQ(dialog.OnPen(5, 5, kPenDown, 0), 0u);
    game.m_frameCounter = 11;
    EXPECT_EQ(dialog.OnPen(6, 6, kPenDown, kPenMoved), 0u);
    EXPECT_EQ(dialog.OnPen(6, 6, kPenUp, 0), 0u);
    EXPECT_TRUE(log.empty()) << "ignored events draw nothing";

    dialog.OnPen(7, 7, kPenDown, 0);
    dialog.OnPen(8, 8, kPenDown, kPenMoved);
    dialog.OnPen(8, 8, kPenUp, 0);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("ctrl pen", 0) == 0; }),
              3);
}

TEST_F(DialogTest, reopeningClosesTheGateAgain) {
    dialog.OnPen(1, 1, kPenDown, 0);
    EXPECT_EQ(dialog.m_penArmed, 1u);
    dialog.Reopen();
    EXPECT_TRUE(dialog.IsOpenFrame());
    EXPECT_EQ(dialog.m_penArmed, 0u);
    game.m_frameCounter = 12;
    EXPECT_TRUE(dialog.PenBlocked(kPenUp, 0)) << "a release with no press since opening";
    EXPECT_FALSE(dialog.PenBlocked(kPenDown, 0));
    EXPECT_FALSE(dialog.PenBlocked(kPenUp, 0));
}

TEST_F(DialogTest, addingAControlTwiceKeepsOneEntryAndResetsItsFlags) {
    RecordingCtrl ctrl(log, "ctrl", SCtrlInput::kKeys);
    add(ctrl);
    ctrl.m_flags = SCtrlFlags::kChecked | SCtrlFlags::kActive;
    add(ctrl);
    EXPECT_EQ(dialog.m_ctrls.Count(), 1);
    EXPECT_EQ(ctrl.m_flags, SCtrlFlags::kPlaced);
}

TEST_F(DialogTest, removingAndClearingHideTheControlsWithoutDeletingThem) {
    std::vector<std::unique_ptr<RecordingCtrl>> ctrls;
    for (int i = 0; i < 6; ++i) add(*ctrls.emplace_back(std::make_unique<RecordingCtrl>(log, "c", 0)));
    settle();

    dialog.RemoveCtrl(ctrls[2].get());
    EXPECT_EQ(dialog.m_ctrls.Count(), 5);
    EXPECT_EQ(dialog.m_ctrls[2], ctrls[3].get());
    EXPECT_FALSE(ctrls[2]->IsShown());
    EXPECT_TRUE(dialog.IsDirty());

    settle();
    dialog.ClearCtrls();
    EXPECT_EQ(dialog.m_ctrls.Count(), 0);
    EXPECT_EQ(dialog.m_ctrls.Capacity(), 4);
    EXPECT_TRUE(dialog.IsDirty());
    for (const auto& ctrl : ctrls) EXPECT_FALSE(ctrl->IsShown());
    EXPECT_EQ(ctrls[0]->m_owner, &dialog) << "the controls live on with their dialog";
}

TEST_F(DialogTest, aDirtyDialogRepaintsItsChildAndACleanOneOnlyItsChild) {
    RecordingCtrl own(log, "own", 0);
    add(own);
    RecordingDialog child(log, "child");
    child.Init(&game);
    RecordingCtrl inChild(log, "inChild", 0);
    inChild.Attach(&child);
    child.AddCtrl(&inChild);
    dialog.SetChild(&child);
    settle();

    dialog.SetDirty();
    dialog.Draw();
    EXPECT_EQ(log, (Log{"dialog draw", "own draw", "child draw", "inChild draw"}));

    log.clear();
    own.SetDirty();
    dialog.Draw();
    EXPECT_EQ(log, (Log{"dialog draw", "child draw"})) << "the dialog's own dirty control waits for the child";
    EXPECT_TRUE(own.IsDirty());
}

TEST_F(DialogTest, theLayoutGivesTheSizeAndPlacesTheControls) {
    const std::vector<uint8_t> bytes =
        SLayoutRecord::Build({{12, {{7, 200, 120, {{301, 4, 8, 50, 20}}}, {9, 400, 240, {}}}}});
    game.m_layout = SLayoutRecord(bytes);
    game.m_screenMode = 7;
    dialog.m_w = 1;
    dialog.m_h = 2;
    dialog.SetLayout(13);
    EXPECT_EQ(dialog.m_w, 1) << "no entry keeps the size";
    EXPECT_EQ(dialog.m_h, 2);
    dialog.SetLayout(12);
    EXPECT_EQ(dialog.m_w, 200);
    EXPECT_EQ(dialog.m_h, 120);

    dialog.SetPos(10, 30);
    RecordingCtrl placed(log, "placed", 0), missing(log, "missing", 0);
    placed.Attach(&dialog);
    missing.Attach(&dialog);
    EXPECT_TRUE(dialog.PlaceCtrl(placed, 301));
    EXPECT_FALSE(dialog.PlaceCtrl(missing, 302));
    EXPECT_EQ(dialog.m_ctrls.Count(), 1);
    EXPECT_EQ(dialog.m_ctrls[0], &placed);
    EXPECT_EQ(placed.m_x, 14);
    EXPECT_EQ(placed.m_y, 38);
    EXPECT_EQ(missing.m_flags, 0);
}

TEST_F(DialogTest, centringDividesTowardZero) {
    SViewDescriptor& view = game.PlayView();
    view.m_viewX = 20;
    view.m_viewY = 10;
    view.m_viewWidth = 101;
    view.m_viewHeight = 40;
    dialog.m_w = 50;
    dialog.m_h = 45;  // taller than the view: (40 - 45) / 2 is -2, not -3
    dialog.CenterInView();
    EXPECT_EQ(dialog.m_x, 45);
    EXPECT_EQ(dialog.m_y, 8);

    game.m_display = std::make_unique<SDisplay>();
    game.m_display->m_width = 240;
    game.m_display->m_height = 320;
    dialog.Init(&game);
    dialog.CenterOnScreen();
    EXPECT_EQ(dialog.m_x, 95);
    EXPECT_EQ(dialog.m_y, 137);
}

// A dialog drawing into a 10 x 8 surface in memory, rows packed, filled with 0x0001.
class DialogPaintTest : public DialogTest {
protected:
    static constexpr int kWidth = 10, kHeight = 8;
    static constexpr uint16_t kUntouched = 0x0001;

    void SetUp() override {
        game.m_display = std::make_unique<SDisplay>();
        DrawIntoMemory(*game.m_display, pixels, kWidth, kHeight);
        DialogTest::SetUp();
        dialog.SetPos(1, 2);
        dialog.m_w = 7;
        dialog.m_h = 5;
    }

    // The surface as rows of characters: '.' untouched, else the letter the colour maps to.
    std::vector<std::string> picture(const std::map<uint16_t, char>& letters) const {
        std::vector<std::string> rows;
        for (int y = 0; y < kHeight; ++y) {
            std::string row;
            for (int x = 0; x < kWidth; ++x) {
                const uint16_t pixel = pixels[size_t(y) * kWidth + x];
                row += pixel == kUntouched ? '.' : letters.count(pixel) ? letters.at(pixel) : '?';
            }
            rows.push_back(row);
        }
        return rows;
    }

    std::vector<uint16_t> pixels = std::vector<uint16_t>(kWidth * kHeight, kUntouched);
};

TEST_F(DialogPaintTest, aDirtyDialogFillsItsRectangleWithItsRoundedColour) {
    dialog.m_bgColor = 0x10FF80;  // red 0x80, green 0xFF, blue 0x10
    dialog.SetDirty();
    dialog.Draw();
    const uint16_t colour = MakeColor565(0x80, 0xFF, 0x10);
    EXPECT_EQ(picture({{colour, 'c'}}), (std::vector<std::string>{
                                            "..........",
                                            "..........",
                                            ".ccccccc..",
                                            ".ccccccc..",
                                            ".ccccccc..",
                                            ".ccccccc..",
                                            ".ccccccc..",
                                            "..........",
                                        }));
}

TEST_F(DialogPaintTest, aBackgroundPictureIsTiledWithTheLastCopiesCut) {
    // 3 x 2: a b c / d e f
    const std::vector<uint8_t> record =
        PictureRecord(0, 3, 2, {0, 1, 2, 3, 4, 5}, {0x00A0, 0x00B0, 0x00C0, 0x00D0, 0x00E0, 0x00F0});
    SPictureEntry tile;
    SReadError error;
    ASSERT_TRUE(tile.Bind(record, 0, error)) << error.Message();
    dialog.SetBackgroundBitmap(&tile);
    dialog.SetDirty();
    dialog.Draw();
    EXPECT_EQ(picture({{0x00A0, 'a'}, {0x00B0, 'b'}, {0x00C0, 'c'}, {0x00D0, 'd'}, {0x00E0, 'e'}, {0x00F0, 'f'}}),
              (std::vector<std::string>{
                  "..........",
                  "..........",
                  ".abcabca..",
                  ".defdefd..",
                  ".abcabca..",
                  ".defdefd..",
                  ".abcabca..",
                  "..........",
              }));
}

TEST_F(DialogPaintTest, noBackgroundIsPaintedWhenSwitchedOffOrClean) {
    dialog.m_bgColor = 0xFFFFFF;
    dialog.NoBackground();
    dialog.SetDirty();
    dialog.Draw();
    dialog.SetBackgroundColor();
    dialog.Draw();  // clean now
    EXPECT_EQ(pixels, std::vector<uint16_t>(kWidth * kHeight, kUntouched));
}

}  // namespace

}  // namespace dialog_test
