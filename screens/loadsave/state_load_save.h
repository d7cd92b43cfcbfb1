#pragma once
// SStateLoadSave: the load and save screen (screen 8), which the main menu opens over itself, to
// load (p1 = 1) or to save (p1 = 0). It lists the saved games 1 to 4, each with its view
// thumbnail, map title and date, or "- empty -"; the auto-save (0) is never listed. The player
// picks a row and loads it, writes the game into it (asked first when it holds a game) or removes
// it. A save that failed says so and the row keeps what its file still holds; a load is read and
// checked whole before any screen is left, so that a refused one leaves everything as it was.
#include <cstdint>
#include <memory>

#include "game/save_slot_info.h"
#include "ui/dialogs/dialog_loading.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/state.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/pic_ctrl.h"
#include "ui/widgets/text_ctrl.h"

struct SSoundType;

class SStateLoadSave : public SState {
public:
    static constexpr uint32_t kLayout = 11;
    static constexpr int kSlots = 4;

    // Element ids, which are also the commands of the buttons placed at them.
    enum Element : uint32_t {
        kTitle = 16,
        kBack = 26,
        kAction = 94,  // load or save
        kRemove = 95,
    };
    // Row i stands for saved game i + 1: its frame, its thumbnail and its text.
    static constexpr uint32_t kFrames[kSlots] = {86, 87, 88, 89};
    static constexpr uint32_t kThumbnails[kSlots] = {90, 91, 92, 93};
    static constexpr uint32_t kTexts[kSlots] = {96, 97, 98, 99};

    // Enter's first word.
    static constexpr uintptr_t kSaveMode = 0;
    static constexpr uintptr_t kLoadMode = 1;

    // What the open message box says or asks; closing it goes back to kList, except after
    // kSaved, which closes the screen.
    enum SubMode : uint32_t {
        kList = 0,
        kAskOverwrite = 2,
        kAskRemove = 3,
        kRemoved = 4,
        kSaved = 5,
        kSaveFailed = 6,
        kRemoveFailed = 7,
        kLoadFailed = 8,
    };

    struct SSlotRow {
        SBorderCtrl frame;  // shown around the selected row only
        SPicCtrl thumbnail;
        STextCtrl text;
    };

    void Init(SGameData* game) override;
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    void Leave() override;
    uint32_t OnCommand(uint32_t id) override;
    uint32_t OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) override;

    // Selects row `slot` (-1 none): drawn inverted, and the action and remove buttons follow what
    // the row holds.
    void SelectSlot(int slot);
    // Shows the row's summary, or "- empty -".
    void UpdateSlot(int slot);

    bool LoadMode() const { return m_param[0] == kLoadMode; }
    int Selected() const { return m_selected; }
    SubMode CurrentSubMode() const { return m_subMode; }
    // What row `slot` shows; null for an empty row.
    const SSaveSlotInfo* Summary(int slot) const { return m_summaries[slot].get(); }

    STextCtrl m_title;
    SSlotRow m_rows[kSlots];
    SButtonCtrl m_action;
    SButtonCtrl m_remove;
    SButtonCtrl m_back;
    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;
    SDialogLoading m_loading;

private:
    void build();
    void readSummary(int slot);
    // Shows a box with the text and the buttons over the screen.
    void tell(const char* text, uint32_t buttons, SubMode subMode);
    uint32_t answer(uint32_t id);
    void askOverwrite();
    void save();
    void askRemove();
    void remove();
    uint32_t load();
    void playSound(SSoundType& sound) const;

    int m_selected = -1;
    SubMode m_subMode = kList;
    std::unique_ptr<SSaveSlotInfo> m_summaries[kSlots];
};
