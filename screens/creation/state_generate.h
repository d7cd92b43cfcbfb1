#pragma once
// SStateGenerate: character creation (screen 10), where the intro of a new game ends. The player
// names the character and chooses gender, race, face and six primary skills, one by one or from a
// class; OK starts the new game on the play screen, cancel returns to the main menu. Every visit
// starts from the same defaults. A new game that fails keeps the player here with the reason.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/player/character_choice.h"
#include "screens/screen_id.h"
#include "ui/dialogs/dialog_loading.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/dialogs/dialog_race_select.h"
#include "ui/dialogs/dialog_select_class.h"
#include "ui/dialogs/dialog_select_skill.h"
#include "ui/dialogs/dialog_text_edit.h"
#include "ui/state.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/dialog_text_ctrl.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

class SStateGenerate : public SState {
public:
    static constexpr uint32_t kLayout = 16;
    static constexpr int kSlots = 6;
    // The race whose people are undead: its portraits are named for that, and it cannot take the
    // skill kLivingSkill, only kUndeadSkill in its place.
    static constexpr uint32_t kUndeadRace = 1;
    static constexpr uint8_t kLivingSkill = 8;
    static constexpr uint8_t kUndeadSkill = 12;

    // The commands, which are the controls' layout elements.
    enum Command : uint32_t {
        kOk = 25,
        kCancel = 26,
        kFirstSlot = 57,  // to 62
        kRename = 141,
        kChangeRace = 144,
        kFemale = 146,
        kMale = 147,
        kSelectClass = 151,
        kPreviousFace = 153,
        kNextFace = 154,
    };
    // Which dialog is open over the screen.
    enum SubMode : uint32_t {
        kPlain = 0,
        kNaming = 1,
        kChoosingRace = 2,
        kChoosingClass = 3,
        kChoosingSkill = 4,
        kNewGameFailed = 5,  // the message box says why
    };

    void Init(SGameData* game) override;
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    uint32_t OnCommand(uint32_t id) override;

    // Every slot's skill kLivingSkill becomes kUndeadSkill for the undead race, and back for the others.
    void FixSkillsForRace();
    // The names of the slots' skills on their buttons; an id without a skill shows nothing.
    void UpdateSkillLabels();
    // The selected slot takes the skill (by the race rule); a slot that held it takes the selected
    // slot's old one, so that no skill is in two slots.
    void SetPrimarySkill(uint8_t skill);
    // The class's six primary skills, then the race rule; an unknown class changes nothing.
    void ApplyClass(uint32_t classId);

    const SCharacterChoice& Choice() const { return m_choice; }
    const std::string& RaceName() const { return m_raceName; }
    SubMode CurrentSubMode() const { return m_subMode; }
    int32_t FaceIndex() const { return m_faceIndex; }
    const std::vector<std::string>& Faces() const { return m_faces; }

    std::array<SBorderCtrl, 6> m_frames;
    STextCtrl m_title;
    STextCtrl m_nameLabel;
    SBorderCtrl m_nameFrame;
    STextCtrl m_name;
    SButtonCtrl m_rename;
    STextCtrl m_genderLabel;
    STopicButtonCtrl m_female;
    STopicButtonCtrl m_male;
    STextCtrl m_raceLabel;
    STextCtrl m_race;
    SButtonCtrl m_changeRace;
    STextCtrl m_faceLabel;
    SFaceCtrl m_portrait;
    SButtonCtrl m_previousFace;
    SButtonCtrl m_nextFace;
    STextCtrl m_skillsLabel;
    STextCtrl m_classHint;
    SButtonCtrl m_selectClass;
    STextCtrl m_skillsHint;
    std::array<STopicButtonCtrl, kSlots> m_slots;
    SButtonCtrl m_ok;
    SButtonCtrl m_cancel;

    SDialogLoading m_loading;
    SDialogTextEdit m_nameEntry;
    SDialogRaceSelect m_raceChoice;
    SDialogSelectClass m_classChoice;
    SDialogSelectSkill m_skillChoice;
    SDialogTextCtrl m_messageText;
    SDialogMessage m_message;

private:
    void resetChoice();
    void build();
    void placeLabel(STextCtrl& label, uint32_t element, const char* text);
    void placeTextButton(SButtonCtrl& button, uint32_t element, const char* caption);
    void placeOption(STopicButtonCtrl& option, uint32_t element, const char* caption);
    void collectFaces();
    void showFace();
    void updateFaceButtons();
    void stepFace(int32_t delta);
    void setGender(uint8_t gender);
    void open(SDialog& dialog, SubMode subMode);
    // The open dialog's answer: it closes, and OK takes what it chose.
    uint32_t closeDialog(uint32_t id);
    void takeRace(uint32_t race);
    uint32_t startGame();
    uint32_t leaveTo(ScreenId screen);

    SCharacterChoice m_choice;
    std::string m_raceName;
    // The selectable portraits' names, copied: a new game that fails empties the face table.
    std::vector<std::string> m_faces;
    int32_t m_faceIndex = -1;
    uint32_t m_slot = 0;
    SubMode m_subMode = kPlain;
};
