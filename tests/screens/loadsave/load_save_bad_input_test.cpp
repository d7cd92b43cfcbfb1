// Saved games that are not what they claim, each in a slot of its own beside a good one: the list
// shows what it can, a load of a damaged one is refused with its message before anything is left,
// and no file of the folder changes.
#include <gtest/gtest.h>

#include <fstream>

#include "engine/files/pdb.h"
#include "engine/files/pdb_writer.h"
#include "game/saved_game_layout.h"
#include "screens/loadsave/load_save_fixture.h"

namespace load_save_bad_input_test {

namespace {

using Screen = SStateLoadSave;

class LoadSaveBadInputTest : public LoadSaveTest {
protected:
    void WriteFile(const std::string& name, const std::vector<char>& bytes) {
        std::ofstream file(Folder() + name, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), std::streamsize(bytes.size()));
    }
    // Saved game `file` written again with record 3004 cut to 30 bytes: its header still reads.
    void CutPlayScreenRecord(uint32_t file) {
        SPdb save;
        save.Attach(*Game().m_fileFolder);
        ASSERT_TRUE(save.Open(SaveFileName(file).c_str(), "BrVS")) << save.Error().Message();
        SPdbWriter writer;
        writer.Attach(*Game().m_fileFolder);
        writer.InitSaveHeader(SaveFileName(file).c_str());
        int found = 0;
        for (uint32_t id = kSaveHeaderRecord; found < save.RecordCount() && id < 0x10000; ++id) {
            std::unique_ptr<SPdbRecord> record = save.LoadRecord(uint16_t(id));
            if (!record) continue;
            ++found;
            if (id == kSavePlayScreenRecord) record->bytes.resize(30);
            writer.AddRecord(uint16_t(id), record->bytes.data(), uint32_t(record->bytes.size()));
        }
        ASSERT_TRUE(writer.Write(SaveFileName(file).c_str()));
    }
};

TEST_F(LoadSaveBadInputTest, damagedSavesAreListedEmptyOrRefusedAtLoadAndTheGoodOneLoads) {
    StartSampleWorld();
    for (uint32_t file = 1; file <= 4; ++file) ASSERT_TRUE(Saved(file));
    const auto good = FileBytes("BrimvaleSave1.pdb");
    WriteFile("BrimvaleSave1.pdb", std::vector<char>(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2)));
    CutPlayScreenRecord(2);
    WriteFile("BrimvaleSave3.pdb", std::vector<char>(good.size(), 'x'));
    const int32_t x = Play().m_playerX, y = Play().m_playerY;
    Play().m_playerX = x - 1;
    Play().m_keep = 1;
    Game().SwitchState(kMainMenuScreen);
    m_driver->Frame();
    const auto files = FolderBytes();

    SStateLoadSave& screen = Open(Screen::kLoadMode);
    EXPECT_EQ(RowText(0), "- empty -") << "a file cut short";
    EXPECT_NE(RowText(1), "- empty -") << "a record cut short leaves the header whole";
    EXPECT_EQ(RowText(2), "- empty -") << "not a saved game";
    EXPECT_NE(RowText(3), "- empty -");
    for (int slot : {0, 2}) {
        TapRow(slot);
        EXPECT_FALSE(screen.m_action.IsShown());
        EXPECT_FALSE(screen.m_remove.IsShown());
    }

    TapRow(1);
    TapOn(screen.m_action);
    ASSERT_EQ(screen.CurrentSubMode(), Screen::kLoadFailed);
    EXPECT_NE(MessageText().find("3004"), std::string::npos) << MessageText();
    EXPECT_EQ(Game().m_currentScreen, &screen);
    EXPECT_EQ(Game().StackDepth(), 2) << "nothing was popped";
    EXPECT_EQ(Play().m_playerX, x - 1) << "the running game is as it was";
    EXPECT_TRUE(Game().m_gameRunning);
    AnswerYes();
    EXPECT_EQ(screen.CurrentSubMode(), Screen::kList);
    EXPECT_EQ(screen.Selected(), 1);
    EXPECT_EQ(FolderBytes(), files) << "no file changed";

    TapRow(3);
    TapOn(screen.m_action);
    EXPECT_EQ(Game().m_currentScreen, &Play());
    EXPECT_EQ(Play().m_playerX, x);
    EXPECT_EQ(Play().m_playerY, y);
    EXPECT_EQ(FolderBytes(), files) << "a load writes nothing";
}

}  // namespace

}  // namespace load_save_bad_input_test
