#pragma once
// SGameData: the one game object. It owns everything that lives for the whole run (generator,
// drawing surface, text, interface package, sound, settings, resource cache, tables, screens) and
// every screen and dialog reaches the rest of the game through it.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cards/card_table.h"
#include "data/alchemy/recipe_table.h"
#include "data/dialogue/dialog_table.h"
#include "data/effects/ability.h"
#include "data/effects/disease.h"
#include "data/effects/effect_lookups.h"
#include "data/effects/effect_types.h"
#include "data/items/item_database.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/maps/map_items.h"
#include "data/monsters/monster_table.h"
#include "data/package/module_context.h"
#include "data/package/module_list.h"
#include "data/persons/face_table.h"
#include "data/persons/npc_table.h"
#include "data/player/player.h"
#include "data/quest_table.h"
#include "data/rules/attribute_table.h"
#include "data/rules/class_table.h"
#include "data/rules/race_table.h"
#include "data/rules/skill_table.h"
#include "data/scene_table.h"
#include "data/script_table.h"
#include "data/sky_table.h"
#include "data/sound_table.h"
#include "data/spells/spell_effect.h"
#include "data/spells/spell_table.h"
#include "data/world/global_table.h"
#include "data/world/interior.h"
#include "engine/audio/sound.h"
#include "engine/audio/sound_type.h"
#include "engine/base/format_count.h"
#include "engine/base/ptr_array.h"
#include "engine/base/random.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/display.h"
#include "engine/draw/text.h"
#include "engine/files/file_layer.h"
#include "engine/files/pdb.h"
#include "engine/files/settings.h"
#include "engine/packages/loading_steps.h"
#include "engine/packages/resource_cache.h"
#include "game/game_music.h"
#include "game/game_portraits.h"
#include "game/interface_roles.h"
#include "game/layout_record.h"
#include "game/save_names.h"
#include "render/view_descriptor.h"
#include "screens/screen_id.h"
#include "script/script.h"

class SDialog;
class SDialogMessage;
class SDialogTextCtrl;
class SRender;
class SScriptContext;
class SPortraitSource;
class SState;
class SString;

class SGameData {
public:
    static constexpr int kInterfacePictures = 480;

    SGameData();
    ~SGameData();
    SGameData(const SGameData&) = delete;
    SGameData& operator=(const SGameData&) = delete;

    // The whole start-up for a screen mode: opens the interface package, reads the settings, makes
    // the display, sound and fonts, shows the "Starting" frame, creates every screen and makes the
    // splash screen current. False, with a message naming the file or record, when the interface
    // package or one of its records is missing.
    bool Init(uint32_t screenMode, platform::Window* window, uint32_t screenWidth, uint32_t screenHeight,
              std::string& error);
    // The world's tables with their built-in entries, and the resource cache they take pictures from,
    // ready for packages to open: the part of Init that needs no window, package or sound.
    void InitTables();
    // The interface pictures of the screen mode's slots and the two interface sounds, from the
    // interface package. False, with the fault naming the record, when one is missing or damaged.
    bool LoadInterfaceRecords(SReadError& error);

    // The index-th interface picture of a role (interface_roles.h); null past the role's pictures
    // or for a slot without a picture.
    const SPictureEntry* InterfacePicture(SInterfaceRole role, int index = 0) const;
    // The pictures of a role in the role's order; places past the role's count stay null.
    template <size_t N>
    std::array<const SPictureEntry*, N> InterfaceSet(SInterfaceRole role) const {
        std::array<const SPictureEntry*, N> set{};
        for (size_t i = 0; i < N; ++i) set[i] = InterfacePicture(role, int(i));
        return set;
    }

    // The frame pieces the screens draw their boxes with: the small set on small screen types, else
    // the large one.
    std::array<const SPictureEntry*, 9> ScreenFrameSet() const;

    // Layout of dialogs and controls for the current screen mode. The first two words of a mode
    // block are the dialog's width and height (dialogs centre themselves from them); they are left
    // as they were when the record has no entry.
    void GetLayoutSize(uint32_t dialogId, uint32_t& width, uint32_t& height) const;
    std::optional<SLayoutRow> GetLayoutCtrl(uint32_t dialogId, uint32_t controlId) const;
    // Reads the layout record of the screen mode from the interface package. False when it is
    // missing.
    bool LoadLayoutRecord();
    // The layout record of the screen mode: 3001, or 3003 on the square and large modes.
    uint16_t LayoutRecordId() const;

    // A registry file that could not be read is reported on the standard error.
    void LoadSettings();
    void SaveSettings() const { ::SaveSettings(m_settings); }
    void ReloadSettings() { LoadSettings(); }

    // The screens by id (screens/screen_id.h).
    SState* Screen(ScreenId id) const { return id < kScreenTableSize ? m_screens[id].get() : nullptr; }
    void SetScreen(ScreenId id, std::unique_ptr<SState> screen);
    // Leaves (or sets aside, when its keep flag is set) the current screen and enters the next one:
    // a screen's answer, so kGoBack returns and an id without a screen stays.
    void SwitchState(ScreenId id);
    // The frame tick of the current screen; answers what the screen answered.
    uint32_t OnTimer();
    void OnKey(uint32_t action);
    // A stylus event in window coordinates, turned here for the display's orientation.
    void OnStylus(int32_t x, int32_t y, uint32_t pressed, uint32_t moved);
    void PopAllStates();
    void PopStatesAboveFirst();
    int StackDepth() const { return m_stateStack.Count(); }

    // Empties the world tables before a new game or a load: the packages close, the resource cache
    // forgets its entries, sounds stop. Harmless when run twice.
    void ClearTables();
    // Loads the pictures the tables draw with, one loading step per table group.
    void LoadTablePictures(SLoadingSteps* loading);
    // Numbers the resource cache's slots and resolves the tables' pictures after packages opened.
    void BuildTables(SLoadingSteps* loading);
    // A new empty package at the end of the package list.
    SModule* AddModule() { return m_packages.Add(); }

    // Fills the text control with the text (wrapped at four fifths of the 3-D view's width) and
    // lays the message box out around it with the buttons of the set, centred on the screen. The
    // owner becomes the box's parent, which its answers go to; an owner that reads the answers
    // itself passes none. The owner then makes the box its child.
    void ShowMessageBox(const char* text, uint32_t buttons, SDialogTextCtrl& textCtrl, SDialogMessage& box,
                        SDialog* owner);
    // The same around a text control that holds its text already, wrapped at that width.
    void ShowFilledMessageBox(uint32_t buttons, SDialogTextCtrl& textCtrl, SDialogMessage& box, SDialog* owner);
    // The same, and the box opens at once as the parent's modal child.
    void ShowChildMessageBox(const char* text, uint32_t buttons, SDialogTextCtrl& textCtrl, SDialogMessage& box,
                             SDialog& parent);

    // Plays the sound of that name at volume 0 .. 10 and answers its channel; a name the sound
    // table lacks plays nothing and answers 0.
    int PlaySound(const char* name, int volume);

    // The tables effect texts and enchanting costs read, and the player whose Alchemy they ask.
    SEffectLookups EffectLookups() const {
        return {&m_skills, &m_attributes, &m_diseases, &m_spells, &m_monsters, &m_player};
    }

    // The play screen's view record: where the 3-D view lies on the screen, and the screen's size.
    SViewDescriptor& PlayView() { return m_playView; }
    // Places the 3-D view from the layout's view row, shrunk on large screens by the player's view
    // size for the display orientation.
    void ComputeViewport();
    // Computes the viewport, then gives the display the screen mode (recreating the framework
    // display unless told to keep it), the view record the screen's size and the 3-D view its new
    // projection.
    void SetDisplayMode(bool keepDisplay);

    std::unique_ptr<SRandom> m_random;
    std::unique_ptr<SDisplay> m_display;
    // The 3-D view's render context, made with the display; it reads the play view and draws into
    // the display's target.
    std::unique_ptr<SRender> m_render;
    std::unique_ptr<SText> m_text;
    std::unique_ptr<SScript> m_script;
    // The one context every script runs against; it hands the interpreter's command calls on.
    std::unique_ptr<SScriptContext> m_scriptContext;
    std::unique_ptr<SPdb> m_dataPackage;  // "BrimvaleData"
    std::unique_ptr<SSound> m_sound;
    std::unique_ptr<SFileFolder> m_fileFolder;
    SPtrArray<SState> m_stateStack{4, false};
    std::array<std::unique_ptr<SState>, kScreenTableSize> m_screens;
    SState* m_currentScreen = nullptr;
    // Set once the play screen has been entered since the last new game or load: every quit path
    // writes the auto-save only then.
    bool m_gameRunning = false;
    // The named position a new game begins at: the play screen takes the player there when a new
    // game enters it.
    std::string m_startPosition;
    uint32_t m_screenChanged = 0;  // set when a screen was entered or left, cleared on resume
    uint32_t m_screenMode = 0;
    uint32_t m_frameCounter = 0;
    SSettings m_settings;
    SModuleContext m_moduleContext;
    SModuleList m_packages{m_moduleContext};
    std::unique_ptr<SPdbRecord> m_layoutBytes;
    SLayoutRecord m_layout;
    uint32_t m_interfaceTextColour = 0x94D6EF;
    uint32_t m_interfaceShadeColour = 0x4294C6;
    std::array<std::unique_ptr<SPictureEntry>, kInterfacePictures> m_interfacePictures;
    SSoundType m_interfaceSound1;
    SSoundType m_interfaceSound2;
    SResourceCache m_cache;
    SAttributeTable m_attributes;
    SSkillTable m_skills;
    SRaceTable m_races;
    SClassTable m_classes;
    SRecipeTable m_recipes;
    SItemDatabase m_items;
    SEffectTypes m_effectTypes;
    SSpellEffectTable m_spellEffects;
    SSpellTable m_spells;
    SDiseaseTable m_diseases;
    SAbilityTable m_abilities;
    SMapObjectTypeTable m_mapObjectTypes;
    SMonsterTable m_monsters;
    // What map objects ask of the items in the maps' containers; made with the generator.
    std::unique_ptr<SMapItems> m_mapItems;
    SInteriorTable m_interiors;
    SGlobalTable m_globals;
    SScriptTable m_scriptTable;
    SSkyTable m_skyTable;
    SQuestTable m_questTable;
    SSoundTable m_soundTable;
    // The piece of music that plays, from the sound table's songs.
    SGameMusic m_music;
    SSceneTable m_sceneTable;
    // The world's topics before the persons, whose sets point into them.
    SDialogTable m_dialogue;
    SFaceTable m_faces;
    SNpcTable m_npcTypes;
    // Where face controls find portraits by name: the face and monster tables once they are built;
    // until then every name is unknown.
    const SPortraitSource* m_portraits = nullptr;
    SGamePortraits m_worldPortraits{m_faces, m_monsters};
    SCardTable m_cards;
    // Reports to the script context and the play screen once they take its messages.
    SPlayer m_player;
    // New games, saved games and their name tables.
    SSaveNames m_saveNames;

private:
    // Scripts reach the current play screen object, for requests and for their messages.
    void bindPlayScreenToScripts();

    SViewDescriptor m_playView;
};

// Four pairs (A, B) of 32-entry step tables, entries 0 to 30 filled, 31 left 0.
struct SStepTables {
    int32_t a[4][32];
    int32_t b[4][32];
};
const SStepTables& StepTables();
