#pragma once
// SCharacterPage: the Main sheet of the inventory's character page: race, level and experience,
// fame with its bar, crime, damage, armour class, hit points, mana and outfit, the five
// attributes with their raise buttons and the unspent points, and the four resistances. Points
// spent on attributes can be undone until the page is rebuilt.
#include <cstdint>

#include "screens/inventory/pending_raises.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/gradient_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SDialog;
class SGameData;

class SCharacterPage {
public:
    static constexpr int kAttributes = 5;
    static constexpr int kLabels = 22;
    static constexpr int kValues = 20;
    // The raise buttons of attributes 1..5; their commands are their element ids.
    static constexpr uint32_t kRaises[kAttributes] = {373, 374, 377, 385, 388};
    static constexpr uint32_t kUndo = 411;
    static constexpr uint32_t kFameBar = 379;
    static constexpr uint32_t kAttributeFrame = 400;
    // The value elements: race, level, experience, fame, crime, damage, armour class, hit points,
    // mana, outfit, attributes 1..5, the unspent points and the four resistances.
    enum Value : int {
        kRace,
        kLevel,
        kExperience,
        kFame,
        kCrime,
        kDamage,
        kArmourClass,
        kHitPoints,
        kMana,
        kOutfit,
        kFirstAttribute,
        kPoints = kFirstAttribute + kAttributes,
        kFirstResistance,
    };
    static constexpr uint32_t kValueIds[kValues] = {143, 368, 366, 380, 382, 390, 392, 394, 410, 397,
                                                    370, 372, 376, 384, 387, 399, 403, 405, 407, 409};

    // The text of a label element on a screen mode, shortened on the small screens; "" for an id
    // that is no label.
    static const char* LabelText(uint32_t id, uint32_t mode);
    // The attribute 1..5 a raise button's command raises, or 0.
    static uint32_t AttributeOf(uint32_t command);

    void Attach(SDialog* owner);
    // Places the controls by the owner's layout and shows the player's values; no raise is
    // pending afterwards.
    void Build(SDialog& owner, SGameData& game);
    // Rewrites every value that raises and effects change, and shows the raise buttons that can
    // raise.
    void UpdateValues();
    // Spends a point on the attribute of the button; the button shows only where that is possible.
    void Increase(uint32_t command);
    // Gives back every point spent since the page was built.
    void Undo();
    // The raises made become final.
    void ForgetRaises();
    const SPendingRaises<kAttributes + 1>& Pending() const { return m_raises; }

    STextCtrl m_labels[kLabels];
    STextCtrl m_values[kValues];
    SButtonCtrl m_raiseButtons[kAttributes];
    SGradientCtrl m_fameBar;
    SBorderCtrl m_attributeFrame;
    STopicButtonCtrl m_undo;

private:
    void setValue(int value, const char* text);
    void showUndo();

    SDialog* m_owner = nullptr;
    SGameData* m_game = nullptr;
    SPendingRaises<kAttributes + 1> m_raises;  // by attribute 1..5
};
