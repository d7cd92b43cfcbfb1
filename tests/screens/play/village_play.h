#pragma once
// The sample world played in Eastbrook: the player brought to the town portal's place, stood on a
// cell of the town, and the play screen run on through the messages it shows; the screens the
// play screen hands over to are switched to as the main loop does, and commands given to them.
#include <string>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/monsters/monster.h"
#include "screens/conversation/state_dialog.h"
#include "screens/play/sample_world_play.h"
#include "screens/screen_id.h"
#include "support/text_ctrl_lines.h"
#include "ui/dialogs/dialog_message.h"

class VillageTest : public SampleWorldPlayTest {
protected:
    // The player in Eastbrook, on the town portal's place.
    PlayDriver& StartInTown() {
        PlayDriver& driver = StartSampleWorld();
        Play().TravelToPosition("base_s0303townportal", 0);
        driver.RunUntilIdle(50);
        EXPECT_STREQ(Play().m_currentMap->Name(), "base_s0303");
        return driver;
    }
    // Frames until the play screen rests, each message it shows answered with Ok.
    void PlayOnThroughMessages(PlayDriver& driver) {
        for (int round = 0; round < 10; ++round) {
            driver.RunUntilIdle(200);
            if (Play().SubMode() != SPlaySubMode::kMessage) return;
            Play().OnCommand(SDialogMessage::kOk);
        }
    }
    // The grid place of the town's cell (x, y).
    void StandInTown(int x, int y, uint32_t heading) {
        Play().m_playerX = x + 7;
        Play().m_playerY = y + 7;
        Play().m_heading = heading;
        Play().UpdatePersonsInView();
    }
    // The first creature on the town's map whose monster has that name.
    SCreature* TownCreature(const char* monster) {
        SMap& town = *Play().m_currentMap;
        for (int i = 0; i < town.Creatures().Count(); ++i) {
            SCreature* creature = town.Creatures()[i];
            if (creature->monster != nullptr && creature->monster->m_name.Text() == std::string(monster))
                return creature;
        }
        return nullptr;
    }
    // The screen a play-screen action answered becomes current, and a frame runs.
    void SwitchTo(uint32_t screen) {
        if (screen != 0 && screen != kStay) Game().SwitchState(ScreenId(screen));
        m_driver->Frame();
    }
    // A command to the current screen, and the screen it answers switched to.
    uint32_t Command(uint32_t id) {
        const uint32_t answer = Game().m_currentScreen->OnCommand(id);
        SwitchTo(answer);
        return answer;
    }
    SStateDialog& Talk() { return static_cast<SStateDialog&>(*Game().Screen(kConversationScreen)); }
    // The conversation's topic button of that caption pressed, and every page of the answer read
    // on: what the pages showed, or "" without such a topic.
    std::string AskAbout(const std::string& caption) {
        const auto& buttons = Talk().TopicButtons();
        for (size_t i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->m_topic.Text() != caption) continue;
            Command(SStateDialog::kFirstTopic + uint32_t(i));
            std::string heard = TalkText();
            for (int page = 0; page < 5 && Talk().m_continue.IsShown(); ++page) {
                Command(SStateDialog::kContinue);
                heard += " " + TalkText();
            }
            return heard;
        }
        return "";
    }
    std::string TalkText() { return TextCtrlLines(Talk().m_text); }
};
