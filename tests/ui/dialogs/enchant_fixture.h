#pragma once
// The enchanting dialogs on the interface rig: an enchanter built as a person type, spells with a
// chosen cost, wands of a chosen spell and charges, and items with enchant storage, all made with
// the item and spell writers and put in the game's tables and the player's pack.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/effects/disease.h"
#include "data/items/item_classes.h"
#include "data/monsters/monster_base_type.h"
#include "data/persons/npc_type.h"
#include "ui/dialogs/play_dialog_fixture.h"
#include "ui/widgets/dialog_text_ctrl.h"

class EnchantTest : public PlayDialogTest {
protected:
    static constexpr uint8_t kHuman = 2;

    UiRig& StartEnchanting(uint32_t mode = 7) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        Player().SetRace(kHuman);
        host.texts[0].Assign("Ilse the enchanter");
        host.roomPrice = 10;
        host.smallValues[2] = 10;
        return rig;
    }

    void SetGold(uint32_t gold) {
        Player().RemoveGold(Player().Gold(), false);
        Player().ReceiveGold(gold, false, false);
    }
    // A global of the world with that value, which the host names for its price factor.
    void SetPriceGlobal(int32_t value) {
        if (Game().m_globals.Find("base_enchant_price") == nullptr) {
            auto global = std::make_unique<SGlobalVar>();
            global->m_name.Set("base_enchant_price");
            Game().m_globals.Add(std::move(global));
        }
        Game().m_globals.Find("base_enchant_price")->m_value.SetNumber(value);
        host.globalName.Assign("base_enchant_price");
    }

    // A spell of the attack school whose casting costs `cost` mana, learnt by the player unless
    // told otherwise. Restore hp grows with the caster's skill; Dispel does not.
    const SSpellType& AddSpell(const char* name, const char* displayName, uint16_t cost, bool learn = true,
                               uint8_t effectType = kScaledEffect) {
        auto spell = MakeSpell(name, kSchoolAttack, {{effectType, 10}});
        spell->m_displayName.Assign(displayName);
        spell->m_baseCost = cost;
        Game().m_spells.Add(std::move(spell));
        if (learn) Player().LearnSpell(name, false);
        return *Game().m_spells.FindSpell(name);
    }
    // A wand type that casts the spell with `full` charges.
    SItemType& WandType(const char* name, const char* spell, int16_t full) {
        SItemType& type = AddItemType(name, kItemMagic, kMagicWand, "Mending");
        type.m_effects = EffectListOf({});
        type.m_effects->Add(ItemEffect(kEffectCastSpell, full, 0, spell, kSourceSpellCharge));
        return type;
    }
    // An item type without effects that enchanting may fill up to `storage`.
    SItemType& BlankType(const char* name, uint8_t itemClass, uint8_t subtype, const char* displayName,
                         uint16_t storage) {
        SItemType& type = AddItemType(name, itemClass, subtype, displayName);
        type.m_enchantCapacity = storage;
        return type;
    }
    void AddDisease(const char* name) {
        auto disease = std::make_unique<SDisease>();
        disease->m_name.Set(name);
        Game().m_diseases.Add(std::move(disease));
    }
    void AddMonsterKind(const char* name, uint8_t kind) {
        auto type = std::make_unique<SMonsterBaseType>();
        type->m_name.Set(name);
        type->m_kind = kind;
        Game().m_monsters.Add(std::move(type));
    }

    // The words of a message box's text, its lines joined by spaces.
    static std::string MessageOf(const SDialogTextCtrl& text) {
        std::string words;
        for (const STextLineArray* lines : {&text.m_shown, &text.m_pending})
            for (int i = 0; i < lines->Count(); ++i) {
                const char* line = (*lines)[i].text.Text();
                if (line[0] == '\0') continue;
                if (!words.empty()) words += ' ';
                words += line;
            }
        return words;
    }

    static constexpr uint8_t kScaledEffect = 3;  // Restore hp
    static constexpr uint8_t kFixedEffect = 19;  // Dispel

    SNpcType host;
};
