#include "screens/creation/state_generate.h"

#include <algorithm>
#include <cctype>

#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/dialog_placing.h"

namespace {

// Colour words: red in the lowest byte.
constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kSkillColour = 0x64C8C8;

// The frames' elements, and the other elements that are not commands.
constexpr uint32_t kFrameElements[6] = {19, 551, 552, 558, 559, 553};
constexpr uint32_t kTitle = 16;
constexpr uint32_t kNameLabel = 139;
constexpr uint32_t kNameFrame = 155;
constexpr uint32_t kName = 140;
constexpr uint32_t kGenderLabel = 145;
constexpr uint32_t kRaceLabel = 142;
constexpr uint32_t kRaceName = 143;
constexpr uint32_t kFaceLabel = 148;
constexpr uint32_t kPortrait = 149;
constexpr uint32_t kSkillsLabel = 150;
constexpr uint32_t kClassHint = 152;
constexpr uint32_t kSkillsHint = 156;

constexpr uint32_t kRightAligned = 4;  // neither left nor centred

// What every new character starts as.
constexpr const char* kDefaultName = "Player";
constexpr uint8_t kDefaultGender = 1;
constexpr uint32_t kDefaultRace = 2;
constexpr const char* kDefaultRaceName = "Etherim";
constexpr std::array<uint8_t, 6> kDefaultSkills = {2, 5, 1, 8, 15, 14};
constexpr const char* kDefaultFace = "bres_head00_raceetherim";

uint8_t skillForRace(uint8_t skill, uint32_t race) {
    if (race == SStateGenerate::kUndeadRace)
        return skill == SStateGenerate::kLivingSkill ? SStateGenerate::kUndeadSkill : skill;
    return skill == SStateGenerate::kUndeadSkill ? SStateGenerate::kLivingSkill : skill;
}

// The portrait a race's new character starts with: "bres_head00_race" and the race, lower case.
std::string racePortrait(uint32_t race, const std::string& raceName) {
    std::string name = "bres_head00_race" + (race == SStateGenerate::kUndeadRace ? std::string("undead") : raceName);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return name;
}

}  // namespace

void SStateGenerate::Init(SGameData* game) {
    SState::Init(game);
    for (SBorderCtrl& frame : m_frames) frame.Attach(this);
    for (STopicButtonCtrl& slot : m_slots) slot.Attach(this);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{
             &m_title,    &m_nameLabel,   &m_nameFrame, &m_name,        &m_rename,     &m_genderLabel, &m_female,
             &m_male,     &m_raceLabel,   &m_race,      &m_changeRace,  &m_faceLabel,  &m_portrait,    &m_previousFace,
             &m_nextFace, &m_skillsLabel, &m_classHint, &m_selectClass, &m_skillsHint, &m_ok,          &m_cancel})
        ctrl->Attach(this);
    for (SDialog* dialog : std::initializer_list<SDialog*>{&m_loading, &m_nameEntry, &m_raceChoice, &m_classChoice,
                                                           &m_skillChoice, &m_message})
        dialog->Init(game);
}

void SStateGenerate::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    resetChoice();
    build();
    collectFaces();
    showFace();
    updateFaceButtons();
    m_subMode = kPlain;
    UpdateSkillLabels();
    SetDirty();
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

void SStateGenerate::resetChoice() {
    m_choice = SCharacterChoice{};
    m_choice.name = kDefaultName;
    m_choice.gender = kDefaultGender;
    m_choice.race = kDefaultRace;
    m_choice.majorSkills = kDefaultSkills;
    m_choice.face = kDefaultFace;
    m_raceName = kDefaultRaceName;
    m_slot = 0;
}

void SStateGenerate::placeLabel(STextCtrl& label, uint32_t element, const char* text) {
    if (PlaceCtrl(label, element)) label.SetTextEx(text, kRightAligned, 1, kLightGrey, kInk);
}

void SStateGenerate::placeTextButton(SButtonCtrl& button, uint32_t element, const char* caption) {
    if (!PlaceCtrl(button, element)) return;
    button.SetupBar(m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarDown),
                    m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarUp), caption, element, 1, kLightGrey, kInk,
                    kWhite, kInk, 0);
}

void SStateGenerate::placeOption(STopicButtonCtrl& option, uint32_t element, const char* caption) {
    if (PlaceCtrl(option, element)) option.SetupSimple(caption, element, kLightGrey, kYellow, kInk);
}

void SStateGenerate::build() {
    ClearCtrls();
    const bool small = IsSmallScreenType(m_game->m_screenMode);
    const SFrameSet frameSet = m_game->ScreenFrameSet();
    for (size_t i = 0; i < m_frames.size(); ++i)
        if (PlaceCtrl(m_frames[i], kFrameElements[i])) m_frames[i].Setup(frameSet, 0, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_title, kTitle)) m_title.SetTextEx("Create new player", STextAlign::kCentred, 2, kWhite, kInk);

    placeLabel(m_nameLabel, kNameLabel, "Name:");
    PlaceSmallFrame(*this, m_nameFrame, kNameFrame, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_name, kName)) m_name.SetTextEx(m_choice.name.c_str(), STextAlign::kLeft, 1, kLightGrey, kInk);
    placeTextButton(m_rename, kRename, "Rename");

    placeLabel(m_genderLabel, kGenderLabel, "Gender:");
    placeOption(m_female, kFemale, "Female");
    placeOption(m_male, kMale, "Male");
    setGender(m_choice.gender);

    placeLabel(m_raceLabel, kRaceLabel, "Race:");
    if (PlaceCtrl(m_race, kRaceName)) m_race.SetTextEx(m_raceName.c_str(), STextAlign::kCentred, 1, kYellow, kInk);
    placeTextButton(m_changeRace, kChangeRace, "Change");

    placeLabel(m_faceLabel, kFaceLabel, "Face:");
    PlaceCtrl(m_portrait, kPortrait);
    PlacePictureButton(*this, m_previousFace, kPreviousFace, SInterfaceRole::kPreviousPageButton);
    PlacePictureButton(*this, m_nextFace, kNextFace, SInterfaceRole::kNextPageButton);

    placeLabel(m_skillsLabel, kSkillsLabel, "Skills:");
    if (PlaceCtrl(m_classHint, kClassHint))
        m_classHint.SetTextEx(small ? "a pre-defined class," : "select a pre-defined class:", STextAlign::kLeft, 1,
                              kLightGrey, kInk);
    placeTextButton(m_selectClass, kSelectClass, "Select");
    if (PlaceCtrl(m_skillsHint, kSkillsHint))
        m_skillsHint.SetTextEx("and/or modify the primary skills:", STextAlign::kLeft, 1, kLightGrey, kInk);
    for (int i = 0; i < kSlots; ++i) {
        const uint32_t element = kFirstSlot + uint32_t(i);
        if (PlaceCtrl(m_slots[size_t(i)], element))
            m_slots[size_t(i)].SetupSimple("", element, kSkillColour, kYellow, kInk);
    }
    PlacePictureButton(*this, m_ok, kOk, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_cancel, kCancel, SInterfaceRole::kCancelButton);
}

void SStateGenerate::collectFaces() {
    m_faces = m_game->m_faces.PlayerPortraitNames();
    const auto found = std::find(m_faces.begin(), m_faces.end(), m_choice.face);
    if (found != m_faces.end()) {
        m_faceIndex = int32_t(found - m_faces.begin());
    } else if (!m_faces.empty()) {
        // A default the world does not offer gives way to the first face it does.
        m_faceIndex = 0;
        m_choice.face = m_faces.front();
    } else {
        m_faceIndex = -1;
    }
}

void SStateGenerate::showFace() {
    // The portraits are pictures of the same name; the face table resolves none before a game's
    // tables are built, so the picture is found by name.
    m_portrait.SetPictureName(m_choice.face.c_str());
    SetDirty();
}

void SStateGenerate::updateFaceButtons() {
    m_previousFace.SetEnabled(m_faceIndex > 0);
    m_nextFace.SetEnabled(m_faceIndex < int32_t(m_faces.size()) - 1);
}

void SStateGenerate::stepFace(int32_t delta) {
    // The buttons are disabled at the ends, but a command can still arrive: it never leaves the list.
    const int32_t next = std::clamp(m_faceIndex + delta, std::min(m_faceIndex, 0), int32_t(m_faces.size()) - 1);
    if (next != m_faceIndex && next >= 0) {
        m_faceIndex = next;
        m_choice.face = m_faces[size_t(next)];
        showFace();
    }
    updateFaceButtons();
}

void SStateGenerate::setGender(uint8_t gender) {
    m_choice.gender = gender;
    m_female.SetChecked(gender == 0);
    m_male.SetChecked(gender == 1);
    SetDirty();
}

void SStateGenerate::FixSkillsForRace() {
    for (uint8_t& skill : m_choice.majorSkills) skill = skillForRace(skill, m_choice.race);
}

void SStateGenerate::UpdateSkillLabels() {
    // The small screens have room for the short names only, as the skill choice shows them there.
    const bool small = IsSmallScreenType(m_game->m_screenMode);
    for (int i = 0; i < kSlots; ++i) {
        const int skill = m_choice.majorSkills[size_t(i)];
        const char* name = small ? m_game->m_skills.ShortName(skill) : m_game->m_skills.Name(skill);
        m_slots[size_t(i)].SetText(name ? name : "");
    }
    SetDirty();
}

void SStateGenerate::SetPrimarySkill(uint8_t skill) {
    skill = skillForRace(skill, m_choice.race);
    const uint8_t old = m_choice.majorSkills[m_slot];
    for (uint8_t& held : m_choice.majorSkills)
        if (held == skill) held = old;
    m_choice.majorSkills[m_slot] = skill;
    UpdateSkillLabels();
}

void SStateGenerate::ApplyClass(uint32_t classId) {
    const SClassDef* entry = m_game->m_classes.Entry(int(classId));
    if (entry == nullptr || !entry->available) return;
    m_choice.majorSkills = entry->primarySkills;
    FixSkillsForRace();
    UpdateSkillLabels();
}

void SStateGenerate::open(SDialog& dialog, SubMode subMode) {
    m_subMode = subMode;
    SetChild(&dialog);
}

uint32_t SStateGenerate::OnCommand(uint32_t id) {
    if (m_subMode != kPlain) return closeDialog(id);
    switch (id) {
        case kOk: return startGame();
        case kCancel: m_game->PlaySound("bsnd_clickh", 10); return leaveTo(kMainMenuScreen);
        case kFemale:
        case kMale:
            m_game->PlaySound("bsnd_click", 10);
            setGender(id == kFemale ? 0 : 1);
            return kStay;
        case kRename:
            m_game->PlaySound("bsnd_click", 10);
            m_nameEntry.Open();
            m_nameEntry.SetText(m_choice.name.c_str());
            open(m_nameEntry, kNaming);
            return kStay;
        case kChangeRace:
            m_game->PlaySound("bsnd_click", 10);
            m_raceChoice.Open(m_choice.race);
            open(m_raceChoice, kChoosingRace);
            return kStay;
        case kSelectClass:
            m_game->PlaySound("bsnd_click", 10);
            m_classChoice.Open();
            open(m_classChoice, kChoosingClass);
            return kStay;
        case kPreviousFace:
        case kNextFace:
            m_game->PlaySound("bsnd_click", 10);
            stepFace(id == kNextFace ? 1 : -1);
            return kStay;
        default: break;
    }
    if (id < kFirstSlot || id >= kFirstSlot + kSlots) return kStay;
    m_game->PlaySound("bsnd_click", 10);
    m_slot = id - kFirstSlot;
    m_skillChoice.Open(m_choice.majorSkills[m_slot]);
    open(m_skillChoice, kChoosingSkill);
    return kStay;
}

uint32_t SStateGenerate::closeDialog(uint32_t id) {
    const SubMode closed = m_subMode;
    m_subMode = kPlain;
    Reopen();
    m_openFrame = m_game->m_frameCounter;
    if (id != kOk) return kStay;
    switch (closed) {
        case kNaming:
            m_choice.name = m_nameEntry.GetText();
            m_name.SetText(m_choice.name.c_str());
            break;
        case kChoosingRace: takeRace(m_raceChoice.m_race); break;
        case kChoosingClass: ApplyClass(m_classChoice.m_selected); break;
        case kChoosingSkill:
            if (m_skillChoice.m_selected != 0) SetPrimarySkill(uint8_t(m_skillChoice.m_selected));
            break;
        default: break;
    }
    return kStay;
}

void SStateGenerate::takeRace(uint32_t race) {
    const SRaceDef* entry = m_game->m_races.Entry(int(race));
    // No row chosen, or the creatures' race: nothing a player can be.
    if (entry == nullptr || race == 0) return;
    m_choice.race = race;
    m_raceName = entry->name.Text() ? entry->name.Text() : "";
    m_race.SetText(m_raceName.c_str());
    m_choice.face = racePortrait(race, m_raceName);
    showFace();
    FixSkillsForRace();
    UpdateSkillLabels();
}

uint32_t SStateGenerate::startGame() {
    m_game->PlaySound("bsnd_clickh", 10);
    m_game->m_music.Stop();
    m_loading.Open();
    SetChild(&m_loading);
    std::string error;
    const bool started = m_game->m_saveNames.NewGame(m_loading, m_choice, error);
    ResetOpen();
    if (!started) {
        // The tables went with the failed world: the portrait is looked up again, in what is left.
        showFace();
        m_subMode = kNewGameFailed;
        m_game->ShowChildMessageBox(error.c_str(), SDialogMessage::kOk, m_messageText, m_message, *this);
        SetDirty();
        Draw();
        return kStay;
    }
    if (SState* play = m_game->Screen(kPlayScreen)) play->m_keep = 0;
    m_param[0] = 1;
    return leaveTo(kPlayScreen);
}

uint32_t SStateGenerate::leaveTo(ScreenId screen) {
    m_param[0] = 1;
    m_param[1] = 0;
    m_param[2] = 0;
    m_param[3] = 0;
    m_keep = 0;
    return screen;
}
