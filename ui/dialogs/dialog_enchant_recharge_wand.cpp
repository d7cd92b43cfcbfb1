#include "ui/dialogs/dialog_enchant_recharge_wand.h"

#include "data/items/effect_wand_pricing.h"
#include "data/items/item.h"
#include "data/items/item_type.h"
#include "data/player/item_phrase.h"
#include "game/game_data.h"
#include "ui/dialogs/enchant_dialog_parts.h"
#include "ui/dialogs/enchant_pricing.h"
#include "ui/dialogs/wand_charges.h"

void SDialogEnchantRechargeWand::Init(SGameData* game) {
    SDialog::Init(game);
    m_message.Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_frame, &m_title, &m_wandText, &m_costText, &m_recharge, &m_cancel})
        ctrl->Attach(this);
}

void SDialogEnchantRechargeWand::Open(const SNpcType& host, SItem& wand) {
    ClearCtrls();
    SetLayout(kLayout);
    CenterOnScreen();
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    PlaceOuterFrame(*this, m_frame);
    PlaceTitle(*this, m_title, "Recharge wand");
    PlaceCtrl(m_wandText, kWandText);
    m_wandText.Setup(2, kEnchantBright, kEnchantText, kEnchantBlend, 0, 2, 2, kEnchantBright, kEnchantBright);
    PlaceText(*this, m_costText, kCostText, "", kEnchantText);
    PlacePictureButton(*this, m_recharge, kEnchantConfirm, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_cancel, kEnchantCancel, SInterfaceRole::kCancelButton);
    m_state = kNormal;
    m_wand = &wand;

    // The charge list is the wand's own one when that holds a spell, else its type's: both the
    // charges shown and the price follow it.
    m_fullCharges = FullWandCharges(wand);
    SString name, charges;
    wand.m_type->GetDisplayName(&wand, name, false, m_game->m_spells);
    charges.Format("%u/%u charges", wand.m_amount, m_fullCharges);
    m_wandText.SetText(name.Text(), charges.Text(), 0, 0);

    // What the filled wand is worth more than it is now; the wand's base value plays no part.
    const SEffectList* chargeList = WandChargeList(wand);
    const SEffectWandPricing pricing(m_game->EffectLookups());
    const int64_t base = chargeList ? int64_t(pricing.WandValue(*chargeList, m_fullCharges)) -
                                          int64_t(pricing.WandValue(*chargeList, wand.m_amount))
                                    : 0;
    m_cost = ApplyPriceFactor(base, EnchantPriceFactor(*m_game, host));

    SString cost, gold, text;
    FormatGoldAmount(m_cost, cost);
    FormatGoldAmount(m_game->m_player.Gold(), gold);
    text.Format("Recharge cost: %s\rYour gold: %s", cost.Text(), gold.Text());
    m_costText.SetText(text.Text());
    SetDirty();
    ResetPenGate();
}

void SDialogEnchantRechargeWand::Recharge() {
    SPlayer& player = m_game->m_player;
    if (!player.HasGold(m_cost)) {
        showMessage("You don't have enough gold.");
        return;
    }
    m_wand->m_amount = m_fullCharges;
    player.RemoveGold(m_cost, false);
    SString text;
    text.Format("The wand has been recharged.\rYou pay %u%c.", m_cost, kCoinSign);
    showMessage(text.Text());
    // After the message opened, which leaves the refusal state: closing this one closes the dialog.
    m_state = kRecharged;
}

void SDialogEnchantRechargeWand::showMessage(const char* text) {
    m_game->ShowChildMessageBox(text, SDialogMessage::kOk, m_messageText, m_message, *this);
    m_message.ResetPenGate();
    m_state = kRefused;
    Draw();
}

uint32_t SDialogEnchantRechargeWand::OnCommand(uint32_t id) {
    switch (m_state) {
        case kRefused:
            m_game->PlaySound("bsnd_clickh", 10);
            m_state = kNormal;
            Reopen();
            return 0;
        case kRecharged:
            m_game->PlaySound("bsnd_clickh", 10);
            m_state = kNormal;
            Reopen();
            return m_parent ? m_parent->OnCommand(kEnchantConfirm) : 0;
        case kNormal: break;
    }
    switch (id) {
        case kEnchantConfirm:
            m_game->PlaySound("bsnd_click", 10);
            Recharge();
            return 0;
        case kEnchantCancel:
            m_game->PlaySound("bsnd_clickh", 10);
            return m_parent ? m_parent->OnCommand(kEnchantCancel) : 0;
        default: return 0;
    }
}
