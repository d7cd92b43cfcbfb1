#pragma once
// The load and save screen over a game of the sample world: the play driver's new game in the
// cellar, the screen opened over the play screen in either mode, and the rows, buttons and the
// message box worked through the game object's own input entries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "game/feldmar2.h"
#include "screens/loadsave/state_load_save.h"
#include "screens/play/sample_world_play.h"
#include "screens/screen_id.h"
#include "support/text_ctrl_lines.h"

class LoadSaveTest : public SampleWorldPlayTest {
protected:
    // Opens the screen over the current one, which keeps itself, as the main menu opens it.
    SStateLoadSave& Open(uintptr_t mode) {
        SState& opener = *Game().m_currentScreen;
        opener.m_keep = 1;
        opener.m_param[0] = mode;
        Game().SwitchState(kLoadSaveScreen);
        m_driver->Frame();
        EXPECT_EQ(Game().m_currentScreen, &Screen());
        return Screen();
    }
    SStateLoadSave& Screen() { return static_cast<SStateLoadSave&>(*Game().Screen(kLoadSaveScreen)); }
    bool Saved(uint32_t file) {
        std::string error;
        const bool saved = Game().m_saveNames.SaveGame(file, error);
        EXPECT_TRUE(saved) << error;
        return saved;
    }
    void TapOn(const SCtrl& ctrl) {
        ASSERT_TRUE(ctrl.IsShown()) << "control " << ctrl.m_id << " is not on the screen";
        m_driver->Rig().Tap(ctrl.m_x + ctrl.m_w / 2, ctrl.m_y + ctrl.m_h / 2);
    }
    // Taps the row's text, away from the thumbnail, as a player picks a slot.
    void TapRow(int slot) {
        const STextCtrl& text = Screen().m_rows[slot].text;
        m_driver->Rig().Tap(text.m_x + text.m_w / 2, text.m_y + text.m_h / 2);
    }
    // The open box's first button (Ok or Yes) or its second (No).
    void AnswerYes() { m_driver->Rig().Key(kActionUse); }
    void AnswerNo() { m_driver->Rig().Key(3007); }
    std::string RowText(int slot) { return Screen().m_rows[slot].text.m_words.Text(); }
    // What the open message box says, its lines joined by spaces.
    std::string MessageText() {
        const SStateLoadSave& screen = Screen();
        return screen.m_child == &screen.m_message ? TextCtrlLines(screen.m_messageText) : "";
    }
    std::vector<char> FileBytes(const std::string& name) {
        std::ifstream file(Folder() + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // Every file of the program folder with its bytes.
    std::map<std::string, std::vector<char>> FolderBytes() {
        std::map<std::string, std::vector<char>> files;
        for (const auto& entry : std::filesystem::directory_iterator(Folder()))
            if (entry.is_regular_file()) files[entry.path().filename().string()] = FileBytes(entry.path().filename());
        return files;
    }
};
