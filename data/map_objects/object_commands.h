#pragma once
// The script commands a map object answers, by the command ids of the script language.
enum SObjectCommand : int {
    kIsOpened = 102,
    kOpen = 103,
    kClose = 104,
    kGetLockedState = 105,
    kSetLockedState = 106,
    kGetTrappedState = 107,
    kSetTrappedState = 108,
    kIsVisible = 109,
    kSetVisible = 110,
    kSetHidden = 111,
    kIsOn = 112,
    kSetOn = 113,
    kSetOff = 114,
    kGetState = 115,
    kSetState = 116,
    kIsDead = 126,
    kFindItem = 138,
    kReceiveItem = 139,
    kRemoveItem = 140,
    kHasItem = 141,
};
