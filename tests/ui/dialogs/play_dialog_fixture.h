#pragma once
// The play screen's dialogs on the interface rig: the recording play screen is their parent, the
// game's player is built with the item and spell writers, and the sound table holds the sounds the
// dialogs play, so that the sound log names them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/items/item.h"
#include "support/item_records.h"
#include "support/sound_fixtures.h"
#include "support/spell_records.h"
#include "support/ui_rig.h"
#include "ui/widgets/dialog_list_ctrl.h"

class PlayDialogTest : public UiRigTest {
protected:
    UiRig& StartPlay(uint32_t mode) {
        UiRig& rig = Start(mode);
        if (HasFailure()) return rig;
        AddSounds({"bsnd_click", "bsnd_clickh", "bsnd_clicks", "bsnd_bookpage", "bsnd_bookclose", "bsnd_fire",
                   "bsnd_shiptravel"});
        return rig;
    }
    // Short tones under those names in the game's sound table.
    void AddSounds(std::initializer_list<const char*> names) { AddToneSounds(Game().m_soundTable, names); }

    SGameData& Game() { return m_rig->Game(); }
    SPlayer& Player() { return m_rig->Game().m_player; }
    RecordingPlayScreen& Play() { return m_rig->PlayScreen(); }

    // An item type the game's item database owns.
    SItemType& AddItemType(const char* name, uint8_t itemClass, uint8_t subtype, const char* displayName) {
        Game().m_items.AddItemType(MakeItemType(name, itemClass, subtype, displayName));
        return *Game().m_items.FindItemType(name);
    }
    // One item of the type put in the pack with that amount.
    SItem& Give(const SItemType& type, uint32_t amount = 0) {
        SItem* item = Player().AddItems(type, 1);
        item->m_amount = amount;
        return *item;
    }
    // A spell of the game's spell table, which the player learns when the race allows it.
    void Learn(const char* name, uint8_t school, const char* displayName) {
        auto spell = MakeSpell(name, school);
        spell->m_displayName.Assign(displayName);
        Game().m_spells.Add(std::move(spell));
        Player().LearnSpell(name, false);
    }

    std::vector<std::string> Rows(const SDialogListCtrl& list) const {
        std::vector<std::string> rows;
        for (int i = 0; i < list.RowCount(); ++i) rows.emplace_back(list.Row(i).text.Text());
        return rows;
    }
};
