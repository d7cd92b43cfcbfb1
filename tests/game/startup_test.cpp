#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "engine/files/pdb_writer.h"
#include "framework/drivers/video_detect.h"
#include "game/brimvale_main.h"
#include "game/game_data.h"
#include "game/interface_pictures.h"
#include "game/script/script_context.h"
#include "game/script/script_text_output.h"
#include "platform/device.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "render/render.h"
#include "screens/play/state_game.h"
#include "support/picture_entry.h"
#include "support/temp_folder.h"
#include "support/test_window.h"
#include "support/text_ctrl_lines.h"
#include "tools/sampledata/interface_layout.h"
#include "tools/sampledata/interface_package.h"
#include "tools/sampledata/script_assembler.h"
#include "tools/sampledata/wave_writer.h"

namespace startup_test {

namespace {

// The interface package's records that are not interface pictures: layouts, font strips, sounds.
constexpr uint16_t kReservedRecords[] = {3001, 3003, 3010, 3011, 3012, 3013, 3014, 4031, 4032};

// The game object started on the sample interface package in a fresh program folder.
class StartupTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        HAL::VideoDetect::Forget();
        std::string error;
        ASSERT_TRUE(WriteInterfacePackage(SFileFolder(Folder()), error)) << error;
    }
    void TearDown() override {
        game.reset();
        HAL::VideoDetect::Forget();
        TempFolderTest::TearDown();
    }

    bool start(uint32_t mode, int width, int height, std::string& error) {
        platform::Window* window = OpenTestWindow(width, height);
        game = std::make_unique<SGameData>();
        return game->Init(mode, window, uint32_t(width), uint32_t(height), error);
    }

    // The sample package again, with record `id` replaced by `bytes` or, for none, left out.
    void rewritePackage(uint16_t id, const std::optional<std::vector<uint8_t>>& bytes) {
        SFileFolder folder(Folder());
        SPdb full;
        full.Attach(folder);
        ASSERT_TRUE(full.Open("BrimvaleData"));
        SPdbWriter writer;
        writer.Attach(folder);
        writer.SetTypeAndCreator("DATA", kPackageCreator);
        std::vector<uint16_t> ids = AllInterfacePictureRecords();
        ids.insert(ids.end(), std::begin(kReservedRecords), std::end(kReservedRecords));
        for (uint16_t kept : ids) {
            auto record = full.LoadRecord(kept);
            ASSERT_TRUE(record) << kept;
            if (kept != id)
                writer.AddRecord(kept, record->Data(), record->Size());
            else if (bytes)
                writer.AddRecord(kept, bytes->data(), uint32_t(bytes->size()));
        }
        full.Close();
        ASSERT_TRUE(writer.Write("BrimvaleData"));
    }

    // The message a start-up on the package ends with.
    std::string refusal() {
        const char* argv[] = {"brimvale", "--screen", "240x320"};
        EXPECT_NE(BrimvaleMain(3, argv), 0);
        const auto& boxes = platform::headless::MessageBoxes();
        return boxes.size() == 1 ? boxes[0].text : "expected one message box";
    }

    std::unique_ptr<SGameData> game;
};

TEST_F(StartupTest, theSlotsHoldTheRecordsOfTheScreenModeClass) {
    struct Row {
        uint32_t mode;
        int width, height;
        uint16_t slot1, slot405;
        std::vector<uint8_t> layout;  // which layout record the mode reads
        uint16_t layoutId;
    };
    for (Row row : {Row{6, 240, 320, 3670, 3918, {}, 3001}, Row{8, 240, 240, 3670, 4055, {}, 3003},
                    Row{9, 480, 640, 3015, 4088, {}, 3001}, Row{16, 640, 240, 3670, 3918, {}, 3003}}) {
        std::string error;
        ASSERT_TRUE(start(row.mode, row.width, row.height, error)) << error;
        EXPECT_EQ(game->m_interfacePictures[1]->recordId, row.slot1) << "mode " << row.mode;
        EXPECT_EQ(game->m_interfacePictures[405]->recordId, row.slot405) << "mode " << row.mode;
        EXPECT_EQ(game->m_interfacePictures[0]->recordId, 3200);
        int loaded = 0;
        for (const auto& picture : game->m_interfacePictures) loaded += picture != nullptr;
        EXPECT_EQ(loaded, 468);
        EXPECT_EQ(game->m_interfacePictures[20], nullptr);
        EXPECT_EQ(game->m_layoutBytes->bytes, game->m_dataPackage->LoadRecord(row.layoutId)->bytes)
            << "mode " << row.mode;
        HAL::VideoDetect::Forget();
    }
}

TEST_F(StartupTest, theSplashScreenIsCurrentAndTheStackEmpty) {
    std::string error;
    ASSERT_TRUE(start(7, 240, 320, error)) << error;
    EXPECT_EQ(game->m_currentScreen, game->Screen(kSplashScreen));
    EXPECT_EQ(game->StackDepth(), 0);
    EXPECT_EQ(game->m_frameCounter, 0u);
    EXPECT_NE(game->Screen(kPlayScreen), nullptr);
    for (ScreenId id : kScreensAfterPlay) EXPECT_NE(game->Screen(id), nullptr) << id;
    EXPECT_EQ(game->Screen(ScreenId(13)), nullptr);
    EXPECT_FALSE(game->m_interfaceSound1.sampleImage.empty());
    EXPECT_GT(platform::headless::PresentCount(), 0) << "the Starting frame was shown";
}

TEST_F(StartupTest, theRuleTablesHoldTheirBuiltInEntries) {
    std::string error;
    ASSERT_TRUE(start(7, 240, 320, error)) << error;
    EXPECT_EQ(game->m_attributes.Find("str"), 1);
    EXPECT_STREQ(game->m_skills.Name(20), "Stealth");
    EXPECT_STREQ(game->m_races.Entry(1)->name.Text(), "Rasvim");
    EXPECT_TRUE(game->m_classes.Entry(6)->available);
    EXPECT_STREQ(game->m_effectTypes.Name(58), "Fortify outfit");
    EXPECT_EQ(game->m_effectTypes.Permissions(kContextSpell).size(), 43u);
    EXPECT_STREQ(game->m_spells.GetSchoolName(kSchoolUndead), "Undead spells");
    EXPECT_EQ(game->m_spells.Schools().Skill(kSchoolHeal), 8u);
    EXPECT_EQ(game->m_items.CategoryBit(kItemCard), 16384);
    EXPECT_EQ(game->m_items.BaseStock(kItemWeapon), 10);
}

TEST_F(StartupTest, thePlayerIsMarkedAsTheGamesOwnAndReadsItsTables) {
    std::string error;
    ASSERT_TRUE(start(7, 240, 320, error)) << error;
    EXPECT_EQ(game->m_player.HeaderKind(), SPlayer::kHeaderKindInGame);
    EXPECT_STREQ(game->m_player.RaceName(), "Rasvim");
}

TEST_F(StartupTest, aFailedScriptTellsThePlayScreenAndTheScriptsReachTheWorldThroughTheContext) {
    std::string error;
    ASSERT_TRUE(start(7, 240, 320, error)) << error;
    auto* play = dynamic_cast<SStateGame*>(game->Screen(kPlayScreen));
    ASSERT_NE(play, nullptr);
    // The context starts out writing to the play screen's log, where the player's messages go.
    game->m_player.ReceiveGold(3, true, false);
    ASSERT_EQ(play->Events().size(), 1u);
    EXPECT_EQ(play->Events()[0]->type, SGameEvent::kMessage);

    const uint32_t gold = game->m_player.Gold();
    const std::vector<uint8_t> image = SScriptAssembler::Assemble("@player . receivegold ( 5 ) ; @nobody . close ( ) ;",
                                                                  {{"receivegold", 147}, {"close", 104}});
    ASSERT_EQ(game->m_script->Load(image.data(), uint32_t(image.size())), kScriptOk);
    game->m_scriptContext->SetupForScene();
    EXPECT_FALSE(game->m_script->Execute());
    ASSERT_EQ(play->Events().size(), 2u);
    EXPECT_EQ(TextCtrlLines(*play->Events()[1]->textCtrl), "Script error!");
    // The player's commands reach the player through the play screen, before the error stops the script.
    EXPECT_EQ(game->m_player.Gold(), gold + 5);

    // A play screen put in later is the one scripts reach.
    game->SetScreen(kPlayScreen, std::make_unique<SStateGame>());
    auto* replaced = dynamic_cast<SStateGame*>(game->Screen(kPlayScreen));
    replaced->Init(game.get());
    EXPECT_FALSE(game->m_script->Execute());
    ASSERT_EQ(replaced->Events().size(), 1u);
    game->m_scriptContext->SetupForCreature(kEventUse, nullptr, nullptr, nullptr, SScriptOutputMode::PlayScreen);
    game->m_player.ReceiveGold(3, true, false);
    // The player's line joins the error's box.
    ASSERT_EQ(replaced->Events().size(), 1u);
    const std::string joined = TextCtrlLines(*replaced->Events()[0]->textCtrl);
    EXPECT_EQ(joined.rfind("Script error! ", 0), 0u) << joined;
}

// The "Starting Brim Vale..." frame as the sample package draws it, pinned by an FNV-1a hash of
// its pixels: a change here means the start-up frame looks different. Regenerate only for a
// change to the fonts, the sample package or the text drawing that is meant to show.
TEST_F(StartupTest, theStartingFrameKeepsItsPixels) {
    struct Row {
        uint32_t mode;
        int width, height;
        uint64_t hash;
    };
    for (Row row : {Row{7, 240, 320, 0x0ae50ae128742d8dull}, Row{10, 480, 640, 0x135f9e605bac72e3ull},
                    Row{9, 640, 480, 0x39c5457f776ef4e3ull}}) {
        std::string error;
        ASSERT_TRUE(start(row.mode, row.width, row.height, error)) << error;
        uint64_t hash = 14695981039346656037ull;
        int lit = 0;
        for (uint16_t pixel : platform::headless::Screen()) {
            hash = (hash ^ pixel) * 1099511628211ull;
            lit += pixel != 0;
        }
        EXPECT_GT(lit, 100) << "the text was drawn";
        EXPECT_EQ(hash, row.hash) << "mode " << row.mode << " hash 0x" << std::hex << hash;
        HAL::VideoDetect::Forget();
    }
}

// The 3-D view is made with the display and draws into the display's target at the play view's
// corner, and follows both a smaller view and a back buffer that moves.
TEST_F(StartupTest, theViewFollowsTheViewportAndTheBackBuffer) {
    std::string error;
    ASSERT_TRUE(start(9, 640, 480, error)) << error;
    ASSERT_NE(game->m_render, nullptr);
    const SRender::SProjection& projection = game->m_render->Projection();
    const SRasterTarget& target = game->m_display->Target();
    EXPECT_EQ(projection.viewTarget.m_pixels, target.PixelAddress(0, 0));
    EXPECT_EQ(projection.viewTarget.m_width, 640);

    game->m_settings.viewSize = 2;  // the smallest view, 380x320 in the middle of 640x400
    game->SetDisplayMode(true);
    EXPECT_EQ(projection.viewTarget.m_pixels, target.PixelAddress(130, 40));
    EXPECT_EQ(projection.viewTarget.m_width, 380);

    std::vector<uint16_t> moved(640 * 480);
    game->m_display->SetBackBuffer(moved.data(), 640);
    EXPECT_EQ(projection.viewTarget.m_pixels, moved.data() + 130 + 40 * 640);
    game.reset();  // before the buffer it now draws into goes
}

// The display's rotated blit is drawn by the 3-D view's rotated-picture filler.
TEST_F(StartupTest, theDisplaysRotatedBlitIsTheRenderersRotatedPicture) {
    std::string error;
    ASSERT_TRUE(start(9, 640, 480, error)) << error;
    std::vector<uint16_t> pixels(640 * 480, 0);
    game->m_display->SetBackBuffer(pixels.data(), 640);
    auto picture = SolidPicture(4, 2, 0x07E0);
    game->m_display->BlitRotated(*picture, 100, 50, 90);
    EXPECT_EQ(pixels[size_t(48) * 640 + 99], 0x07E0);  // turned upright: 2 wide, 4 high
    EXPECT_EQ(pixels[size_t(51) * 640 + 100], 0x07E0);
    EXPECT_EQ(pixels[size_t(50) * 640 + 102], 0);
    game.reset();
}

TEST_F(StartupTest, aPackageWithoutAFontStripIsRefusedByName) {
    rewritePackage(3010, std::nullopt);
    const std::string text = refusal();
    EXPECT_NE(text.find("3010"), std::string::npos) << text;
    EXPECT_NE(text.find(PathOf("BrimvaleData.pdb")), std::string::npos) << text;
}

TEST_F(StartupTest, aLayoutRecordWithoutTheMainMenuIsRefusedByName) {
    std::vector<SLayoutDialog> dialogs = SampleLayout(false);
    std::erase_if(dialogs, [](const SLayoutDialog& dialog) { return dialog.id == 3; });
    rewritePackage(3001, SLayoutRecord::Build(dialogs));
    const std::string text = refusal();
    EXPECT_NE(text.find("no layout 3 (the main menu) for screen mode 7 in its layout record 3001"), std::string::npos)
        << text;
    EXPECT_NE(text.find(PathOf("BrimvaleData.pdb")), std::string::npos) << text;
}

TEST_F(StartupTest, anInterfaceSoundAtOneHertzIsRefusedWithItsRate) {
    std::vector<uint8_t> sound = MakeWave(1, 1, std::vector<int16_t>(15000, 100));
    rewritePackage(4032, sound);
    const std::string text = refusal();
    EXPECT_NE(text.find("record 4032 (an interface sound): its sample rate 1 Hz is outside 2000..96000 Hz"),
              std::string::npos)
        << text;
}

TEST_F(StartupTest, theSamplePackageNamesEveryRecordOnce) {
    std::vector<uint16_t> ids = AllInterfacePictureRecords();
    for (uint16_t reserved : kReservedRecords)
        EXPECT_EQ(std::count(ids.begin(), ids.end(), reserved), 0) << reserved << " is also a picture";
}

}  // namespace

}  // namespace startup_test
