#pragma once
// SStateDialogInterior: the inside of a building kept by one person (screen 3): the building's
// picture, the keeper's portrait, name and welcome, and a menu of big buttons: Talk, the keeper's
// services, Sleep, Cards and Leave. Sleeping pays for a room, rests eight hours and, on leaving,
// has the play screen show the sky and the views of the new hour. A person whose building the
// world lacks is talked to on the conversation screen instead.
#include <array>
#include <cstdint>

#include "ui/dialogs/dialog_card_bet.h"
#include "ui/dialogs/dialog_enchant_item.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/dialogs/dialog_repair_shop.h"
#include "ui/dialogs/dialog_rest.h"
#include "ui/dialogs/dialog_training.h"
#include "ui/state.h"
#include "ui/widgets/anim_ctrl.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SInterior;
class SNpcType;

class SStateDialogInterior : public SState {
public:
    static constexpr uint32_t kLayout = 30;
    static constexpr uint32_t kLeaveKey = 1002;
    static constexpr uint32_t kSleepHours = 8;
    // The menu's places: slots 0 to 4 at these elements, Leave at its own.
    static constexpr uint32_t kFirstMenuElement = 296;
    static constexpr int kMenuSlots = 5;

    enum Element : uint32_t {
        kBackground = 19,
        kWelcome = 110,
        kWelcomeFrame = 132,
        kPortrait = 288,
        kName = 289,
        kPortraitFrame = 292,
        kPicture = 295,
        kLeaveElement = 301,
    };
    enum Command : uint32_t {
        kTalk = 256,
        kBuySell = 257,
        kEnchant = 258,
        kRepair = 259,
        kTraining = 260,
        kLeave = 261,
        kSleep = 262,
        kCards = 263,
    };
    enum SubMode : uint32_t {
        kMenu = 1,
        kRepairOpen = 2,
        kEnchantOpen = 3,
        kTrainingOpen = 4,
        kRentQuestion = 5,
        kResting = 6,
        kCardBetOpen = 8,
    };

    void Init(SGameData* game) override;
    // p2 the keeper's person type, p3 the object that stands for the keeper and p4 the map, both
    // handed on to the conversation and the shop.
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    void Leave() override;
    uint32_t OnCommand(uint32_t id) override;
    uint32_t OnTick(uint32_t arg) override;

    // What a room costs at this keeper's: the level's room base, with the player's trade skill.
    uint32_t RoomPrice() const;
    // Set by a city door that lets the player in: leaving closes the door.
    void SetDoor(bool door) { m_door = door; }
    uint32_t SubModeNow() const { return m_subMode; }
    bool TimePassed() const { return m_timePassed; }
    const SInterior* Building() const { return m_building; }
    // The commands of the menu, slot by slot; 0 for an empty slot.
    const std::array<uint32_t, kMenuSlots>& MenuCommands() const { return m_menuCommands; }

    SBorderCtrl m_portraitFrame;
    SBorderCtrl m_welcomeFrame;
    SAnimCtrl m_picture;
    SFaceCtrl m_portrait;
    STextCtrl m_name;
    STextCtrl m_welcome;
    std::array<SButtonCtrl, kMenuSlots> m_menu;
    SButtonCtrl m_leave;
    SDialogRepairShop m_repair;
    SDialogRest m_rest;
    SDialogTraining m_training;
    SDialogEnchantItem m_enchant;
    SDialogCardBet m_cardBet;
    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;

private:
    void placeCtrls();
    void placeMenu();
    void placeMenuButton(SButtonCtrl& button, uint32_t element, const char* caption, uint32_t command, uint16_t hotkey);
    void releaseBuilding();
    void showMessage(const char* text, uint32_t buttons);
    void rentRoom();
    void takeRoom();
    uint32_t onMenuCommand(uint32_t id);
    uint32_t onDialogCommand(uint32_t id);
    // The hand-over words to the conversation or the shop.
    uint32_t handOver(uint32_t screen, bool keep);

    SNpcType* m_keeper = nullptr;
    const SInterior* m_building = nullptr;
    std::array<uint32_t, kMenuSlots> m_menuCommands{};
    uintptr_t m_trader = 0;
    uint32_t m_subMode = kMenu;
    bool m_timePassed = false;
    bool m_door = false;
};
