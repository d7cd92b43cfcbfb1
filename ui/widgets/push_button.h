#pragma once
// The stylus machine the push buttons share (SButtonCtrl, SCtrlMessageButton, STopicButtonCtrl):
// a button fires when the pen is lifted inside it after a press inside it, so that a press that
// slides off cancels. A repeating button instead fires on the press and on every move inside.
#include <cstdint>

class SCtrl;

// - pen-down inside a released button: pressed; fires (answers `command`) only when repeating;
// - move inside a pressed button: fires only when repeating;
// - pen-up inside a pressed button: released; fires unless repeating, when it is drawn released
//   at once instead;
// - anything outside: a pressed button is released without firing.
// A move or release inside a button that was not pressed does nothing, so a press made outside
// never fires. The caller tests the enabled bit where its button has one.
uint32_t PushByStylus(SCtrl& button, int32_t x, int32_t y, uint32_t down, uint32_t drag, bool repeat, uint32_t command);
