#include "screens/interior/state_dialog_interior.h"

#include "data/persons/npc_type.h"
#include "data/player/item_phrase.h"
#include "data/player/player.h"
#include "data/world/interior.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/conversation/state_dialog.h"
#include "screens/gold_rules.h"
#include "screens/merchant_level.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "ui/colour_word.h"
#include "ui/widgets/interior_animation.h"

namespace {

constexpr uint32_t kInteriorNameColour = 0xBEC8D2;
constexpr uint32_t kWelcomeColour = 0xC8C8C8;
constexpr uint32_t kInteriorButtonInk = 0xC8C8C8;
constexpr uint32_t kInteriorButtonShade = 0x585858;
// Names are centred on one line, as the character page's.
constexpr uint32_t kInteriorNameAlign = 18;
// A room costs five times the keeper's level, before the player's trade skill.
constexpr uint64_t kRoomTenths = 50;

struct SMenuService {
    uint8_t bit;
    const char* caption;
    uint32_t command;
};
// The order the services stand in after Talk; Cards comes last, when there is room.
constexpr SMenuService kMenuServices[] = {
    {SNpcType::kTrade, "Buy/sell", SStateDialogInterior::kBuySell},
    {SNpcType::kTraining, "Training", SStateDialogInterior::kTraining},
    {SNpcType::kRepair, "Repair", SStateDialogInterior::kRepair},
    {SNpcType::kEnchanting, "Enchant", SStateDialogInterior::kEnchant},
    {SNpcType::kSleep, "Sleep", SStateDialogInterior::kSleep},
    {SNpcType::kCards, "Cards", SStateDialogInterior::kCards},
};

}  // namespace

void SStateDialogInterior::Init(SGameData* game) {
    SState::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_portraitFrame, &m_welcomeFrame, &m_picture, &m_portrait,
                                                     &m_name, &m_welcome, &m_leave, &m_messageText})
        ctrl->Attach(this);
    for (SButtonCtrl& button : m_menu) button.Attach(this);
    for (SDialog* dialog :
         std::initializer_list<SDialog*>{&m_repair, &m_rest, &m_training, &m_enchant, &m_cardBet, &m_message})
        dialog->Init(game);
    m_door = false;
}

void SStateDialogInterior::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_subMode = kMenu;
    m_timePassed = false;
    SStateGame* play = SStateGame::Of(*m_game);
    if (play) play->StopAmbientSounds(true);
    if (m_door)
        if (auto* talk = dynamic_cast<SStateDialog*>(m_game->Screen(kConversationScreen))) talk->SetDoor(false);
    m_keeper = reinterpret_cast<SNpcType*>(p2);
    m_trader = p3;
    m_building = m_keeper ? m_game->m_interiors.Find(m_keeper->BuildingName()) : nullptr;
    // Pictures the package lacks are drawn as nothing; the building still opens.
    if (m_building) m_building->LoadPictures(m_game->m_cache);
    if (play) play->UpdateMusic();
    placeCtrls();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
    SetDirty();
    Draw();
}

void SStateDialogInterior::Leave() {
    releaseBuilding();
    SState::Leave();
}

void SStateDialogInterior::releaseBuilding() {
    if (m_building) m_building->ReleasePictures(m_game->m_cache);
    m_building = nullptr;
    m_picture.SetAnimation({});
}

void SStateDialogInterior::placeCtrls() {
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    SetBackgroundColor();
    const uint32_t type = m_game->m_screenMode;
    const SFrameSet frames = m_game->ScreenFrameSet();
    if (PlaceCtrl(m_portraitFrame, kPortraitFrame)) m_portraitFrame.Setup(frames, 0, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_welcomeFrame, kWelcomeFrame)) m_welcomeFrame.Setup(frames, 0, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_picture, kPicture) && m_building) {
        const std::vector<SAnimFrame> animation = InteriorAnimation(*m_building, m_game->m_cache);
        m_picture.SetAnimation(animation);
    }
    if (PlaceCtrl(m_portrait, kPortrait)) {
        const char* face = m_keeper && *m_keeper->FaceName() ? m_keeper->FaceName() : nullptr;
        if (face == nullptr && m_game->m_scriptContext) face = m_game->m_scriptContext->GetPartnerFace();
        m_portrait.SetFace(face ? face : SScriptContext::kUnknownFace);
    }
    if (PlaceCtrl(m_name, kName))
        m_name.SetTextEx(m_keeper ? m_keeper->DisplayName() : "", kInteriorNameAlign, 1, kInteriorNameColour, 0);
    if (PlaceCtrl(m_welcome, kWelcome)) {
        const char* welcome = m_keeper && *m_keeper->WelcomeText() ? m_keeper->WelcomeText() : nullptr;
        m_welcome.SetTextEx(welcome ? welcome : "- welcome message not found -", type == 16 ? 18 : 17, 2,
                            kWelcomeColour, 0);
    }
    placeMenu();
}

void SStateDialogInterior::placeMenuButton(SButtonCtrl& button, uint32_t element, const char* caption, uint32_t command,
                                           uint16_t hotkey) {
    if (!PlaceCtrl(button, element)) return;
    const uint32_t font = IsLargeScreenType(m_game->m_screenMode) ? 2 : 1;
    button.SetupBar(m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarDown),
                    m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarUp), caption, command, font,
                    kInteriorButtonInk, kInteriorButtonShade, kWhite, kInteriorButtonShade, hotkey);
}

void SStateDialogInterior::placeMenu() {
    m_menuCommands.fill(0);
    int slot = 0;
    auto add = [&](const char* caption, uint32_t command) {
        placeMenuButton(m_menu[size_t(slot)], kFirstMenuElement + uint32_t(slot), caption, command, 0);
        m_menuCommands[size_t(slot++)] = command;
    };
    add("Talk", kTalk);
    const uint8_t services = m_keeper ? m_keeper->ServiceMask() : 0;
    // Five places: a keeper with more services than they hold shows the first of them, and never
    // two buttons in one place.
    for (const SMenuService& service : kMenuServices)
        if ((services & service.bit) && slot < kMenuSlots) add(service.caption, service.command);
    placeMenuButton(m_leave, kLeaveElement, "Leave", kLeave, uint16_t(kLeaveKey));
}

uint32_t SStateDialogInterior::RoomPrice() const {
    const uint64_t level = m_keeper ? MerchantLevel(*m_keeper, m_game->m_globals) : 0;
    return m_game->m_player.AdjustPrice(ClampGold(level * kRoomTenths / 10), true);
}

void SStateDialogInterior::showMessage(const char* text, uint32_t buttons) {
    m_game->ShowChildMessageBox(text, buttons, m_messageText, m_message, *this);
    SetDirty();
}

void SStateDialogInterior::rentRoom() {
    m_subMode = kRentQuestion;
    const uint32_t price = RoomPrice();
    SString text;
    if (!m_game->m_player.HasGold(price)) {
        text.Format("You don't have enough money to rent a room (%u%c).", price, kCoinSign);
        showMessage(text.Text(), SDialogMessage::kOk);
    } else {
        text.Format("Do you want to rent a room for %u%c?", price, kCoinSign);
        showMessage(text.Text(), SDialogMessage::kYes | SDialogMessage::kNo);
    }
}

void SStateDialogInterior::takeRoom() {
    const uint32_t price = RoomPrice();
    SStateGame* play = SStateGame::Of(*m_game);
    // The inn is quiet while the player sleeps.
    if (play) play->StopMusic();
    m_game->m_player.RemoveGold(price, false);
    m_subMode = kResting;
    m_rest.Open(m_keeper ? m_keeper->DisplayName() : nullptr);
    SetChild(&m_rest);
    if (play) play->PassHours(kSleepHours);
    m_timePassed = true;
}

uint32_t SStateDialogInterior::handOver(uint32_t screen, bool keep) {
    m_param[0] = 0;
    m_param[1] = reinterpret_cast<uintptr_t>(m_keeper);
    m_param[2] = m_trader;
    m_keep = keep ? 1 : 0;
    return screen;
}

uint32_t SStateDialogInterior::OnTick(uint32_t arg) {
    // A person whose building the world lacks is talked to instead, and the talk goes back to
    // where the player came from.
    if (m_building == nullptr && m_keeper != nullptr && m_subMode == kMenu) return handOver(kConversationScreen, false);
    const uint32_t answer = SDialog::OnTick(arg);
    Draw();
    return answer;
}

uint32_t SStateDialogInterior::OnCommand(uint32_t id) {
    return m_subMode == kMenu ? onMenuCommand(id) : onDialogCommand(id);
}

uint32_t SStateDialogInterior::onMenuCommand(uint32_t id) {
    if (id == SDialogMessage::kOk) {
        if (m_child == &m_message) Reopen();
        return kStay;
    }
    if (id >= kTalk && id <= kCards && id != kLeave) m_game->PlaySound("bsnd_click", 10);
    auto* talk = dynamic_cast<SStateDialog*>(m_game->Screen(kConversationScreen));
    switch (id) {
        case kTalk:
            if (m_door && talk) talk->SetDoor(false);
            return handOver(kConversationScreen, true);
        case kBuySell: return handOver(kShopScreen, true);
        case kEnchant:
            if (m_keeper == nullptr) return kStay;
            if (!m_game->m_player.HasEnchantableItem()) {
                showMessage("You don't have anything to enchant.", SDialogMessage::kOk);
                return kStay;
            }
            m_subMode = kEnchantOpen;
            m_enchant.Open(m_keeper, 0, false);
            SetChild(&m_enchant);
            return kStay;
        case kRepair:
            if (m_keeper == nullptr) return kStay;
            m_subMode = kRepairOpen;
            m_repair.Open(MerchantLevel(*m_keeper, m_game->m_globals));
            SetChild(&m_repair);
            return kStay;
        case kTraining:
            if (m_keeper == nullptr) return kStay;
            m_subMode = kTrainingOpen;
            m_training.Open(*m_keeper);
            SetChild(&m_training);
            return kStay;
        case kSleep: rentRoom(); return kStay;
        case kCards:
            if (m_keeper == nullptr) return kStay;
            m_subMode = kCardBetOpen;
            m_cardBet.Show(*m_keeper);
            SetChild(&m_cardBet);
            return kStay;
        case kLeave: {
            m_game->PlaySound(m_door ? "bsnd_cdoorclose" : "bsnd_clickh", 10);
            if (m_door && talk) talk->SetDoor(false);
            m_door = false;
            SStateGame* play = SStateGame::Of(*m_game);
            if (m_timePassed && play) {
                play->ShowTimeOfDay();
            }
            return kGoBack;
        }
        default: return kStay;
    }
}

uint32_t SStateDialogInterior::onDialogCommand(uint32_t id) {
    const uint32_t mode = m_subMode;
    if (mode == kRentQuestion) {
        if (id == SDialogMessage::kYes) {
            Reopen();
            takeRoom();
        } else if (id == SDialogMessage::kOk || id == SDialogMessage::kNo) {
            m_subMode = kMenu;
            Reopen();
        }
        return kStay;
    }
    m_subMode = kMenu;
    Reopen();
    if (mode == kResting) {
        if (SStateGame* play = SStateGame::Of(*m_game)) play->UpdateMusic();
        return kStay;
    }
    if (mode != kCardBetOpen || id != SDialogCardBet::kAccept) return kStay;
    const uint32_t stake = m_cardBet.Stake();
    if (!m_game->m_player.HasGold(stake)) {
        showMessage("You don't have enough money.", SDialogMessage::kOk);
        return kStay;
    }
    m_param[0] = stake;
    m_param[1] = reinterpret_cast<uintptr_t>(m_keeper);
    m_param[2] = 0;
    m_param[3] = 0;
    m_keep = 1;
    return kCardGameScreen;
}
