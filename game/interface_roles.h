#pragma once
// Which interface-picture slots serve each role of the interface kit. The package decides what
// each picture looks like and the slot table (interface_pictures.h) which record fills a slot;
// this table decides which slot a widget or dialog takes for a role, so that they ask for a role
// and never for a slot number. A role of several pictures takes consecutive slots, in the order
// its users read them:
// - frame sets and panels: top-left, left, bottom-left, top, centre, bottom, top-right, right,
//   bottom-right;
// - bars: left cap, middle, right cap; the hit-point and spell-point bar sets: the moving end,
//   the middle that is cut to length, the fixed end;
// - buttons: normal, pressed and, where there is one, disabled;
// - the compass: strip, overlay, left cap, right cap.
#include <cstdint>

enum class SInterfaceRole : uint8_t {
    kDefaultPicture,  // shown where a picture is missing; portrait-sized
    kDialogBackground,
    kSmallFrameSet,
    kLargeFrameSet,
    kPictureFrameSet,  // around pictures (the ship)
    kMessagePanel,
    kTextButtonBarUp,
    kTextButtonBarDown,
    kMessageButtonBarUp,
    kMessageButtonBarDown,
    kKeyboardKeyBarUp,
    kKeyboardKeyBarDown,
    kKeyboardBackground,
    kOkButton,
    kCancelButton,
    kCloseButton,
    kUpArrowButton,
    kDownArrowButton,
    kPreviousPageButton,
    kNextPageButton,
    kLoadingPictures,  // four
    kShipTravel,
    kBookPage,
    kSpellBookPage,
    kParchment,
    kRacePictures,  // one per race number 0 to 5
    kMapBackground,
    kMapCloseButton,
    kWorldMapButton,
    kAreaMapButton,
    kAutomapTile,
    kAutomapPictures,  // the map picture table: floors, sides, decorations
    kAutomapMarkers,
    kSectionBorders,   // four corners, four edges
    kPlayerArrow,      // north, west, south, east (as headings grow), and one to rotate
    kWorldMapMarkers,  // where the player is, and a marked place
    kPaperDoll,        // the doll and its three overlays
    kEquipMarks,       // equipped, equippable, unusable
    kEmptyItemSlot,
    kItemMark,
    kPortraitMarks,  // two
    kFirstVerticalBar,
    kSecondVerticalBar,
    kFirstHorizontalBar,
    kSecondHorizontalBar,
    kCompass,
    kSpellBookBackground,
    kSpellBookTabs,     // seven schools, each normal and pressed
    kSpellBookButtons,  // Cast and Close, each normal and pressed
    kFireFrames,        // eight
    kPotionBackground,
    kEnchantChooserPictures,  // background, page, confirm and cancel buttons
    kSettingsBackground,
    kPreviousChoiceButton,
    kNextChoiceButton,
    kWorldEnabledMark,  // the add-on worlds' row buttons
    kWorldDisabledMark,
    kWorldDeleteButton,
    kInventoryPageTab,      // normal and checked, under the page's caption
    kInventoryCategoryTab,  // normal, checked and disabled, under the category's caption
    kInventoryMenuButton,
    kTakeButton,
    kDropButton,
    kUseButtons,            // read a book, view a letter or map, mix, repair: each normal and pressed
    kViewButtons,           // the description view and the compact view, each normal and pressed
    kRaiseButtons,          // a raise, normal and pressed, then the greyed raise, normal and pressed
    kRenameButton,          // normal and pressed
    kPortraitChoiceButton,  // normal and pressed
    kLoadSaveButtons,       // load, save and remove a saved game, each normal and pressed
    kDeathPictures,         // the death screen's three
    kQuestStateMarks,       // the journal's quest rows: solved, failed, active
    kHurtPictures,          // over the portrait while the player is hurt: by a blow, by poison
    kCount
};

struct SRoleSlots {
    uint16_t first = 0;
    uint16_t count = 0;
};

SRoleSlots InterfaceRoleSlots(SInterfaceRole role);
