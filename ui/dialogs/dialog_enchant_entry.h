#pragma once
// SDialogEnchantEntry: what both enchant entry editors share: a copy of the entry under edit, the
// frame and title, the storage the entry needs and the storage left, and OK (25) and Cancel (26),
// which answer the enchant dialog. The editors place their own controls between the title and the
// storage texts.
#include <cstdint>

#include "data/effects/effect.h"
#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SDialogEnchantEntry : public SDialog {
public:
    void Init(SGameData* game) override;

    // The entry as edited so far; the enchant dialog copies it back on 25.
    SEffect m_entry;

    SBorderCtrl m_frame;
    STextCtrl m_title;
    STextCtrl m_neededLabel;
    STextCtrl m_needed;
    STextCtrl m_availableLabel;
    STextCtrl m_available;
    SButtonCtrl m_confirm;
    SButtonCtrl m_cancel;

protected:
    // Rebuilds the dialog from the layout, centred, up to its title, and takes a copy of the entry.
    void beginOpen(uint32_t layoutId, const SEffect& entry);
    // Places the storage texts and the buttons, after the editor's own controls, and shows the
    // storage left (below 0 while the other entries ask more than there is).
    void placeStorageAndButtons(int32_t available);
    // The storage the entry needs on an item of the context.
    void showNeededStorage(SEffectContext context);
    // 25 or 26, with the closing sound, to the enchant dialog; its answer.
    uint32_t answer(uint32_t id);
};
