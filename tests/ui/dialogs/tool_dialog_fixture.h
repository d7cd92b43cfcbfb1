#pragma once
// The tool dialogs on the interface rig: the play screen's dialog fixture with the tools' sounds,
// the player's skills set plainly (no attribute bonus, no haggling), the game's generator seeded,
// and tools and items whose inventory pictures the dialogs can show.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/items/item_classes.h"
#include "engine/base/random.h"
#include "support/pictured_items.h"
#include "tools/sampledata/art_canvas.h"
#include "ui/dialogs/play_dialog_fixture.h"

class ToolDialogTest : public PlayDialogTest {
protected:
    static constexpr uint32_t kSeed = 20261210;

    UiRig& StartTools(uint32_t mode) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        AddSounds({"bsnd_repairok", "bsnd_repairfail", "bsnd_lockout", "bsnd_lockpicktry", "bsnd_alchemyfailed",
                   "bsnd_fillpotion", "bsnd_bookopen", "bsnd_letteropenclose"});
        for (uint32_t attribute = 1; attribute <= SPlayer::kLastAttribute; ++attribute)
            Player().SetBaseAttribute(attribute, 0);
        for (uint32_t skill = 1; skill <= SPlayer::kLastSkill; ++skill) Player().SetBaseSkill(skill, 0);
        Game().m_random->Seed(kSeed);
        return rig;
    }

    // A type of the class with the maximum condition, and a picture of the shape in the colour.
    SItemType& Tool(const char* name, uint8_t itemClass, uint8_t subtype, const char* displayName,
                    uint16_t maxCondition = 1000, uint16_t colour = 0x8410) {
        SItemType& type = AddPicturedItemType(Game(), name, itemClass, subtype, 10, picture(colour));
        type.m_displayName.Assign(displayName);
        type.m_maxCondition = maxCondition;
        return type;
    }

private:
    // A 50x50 picture: a bar and a knob of the colour on a dark ground.
    static std::unique_ptr<SPictureEntry> picture(uint16_t colour) {
        SArtCanvas art(50, 50, ArtColour(28, 26, 30));
        art.Line(12, 40, 36, 14, 6, colour);
        art.Disc(36, 14, 8, colour);
        auto entry = std::make_unique<SPictureEntry>();
        entry->record = std::make_unique<SPdbRecord>();
        entry->record->bytes = art.Record();
        SReadError error;
        EXPECT_TRUE(entry->Bind(entry->record->bytes, 0, error)) << error.Message();
        return entry;
    }
};
