// Start-up: the game object goes from freshly built to running, the splash screen current.
#include <cstdio>

#include "engine/files/unix_time.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "render/render.h"
#include "screens/menu/state_main.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "ui/state.h"

namespace {

// The interface package opened, but a record the start-up needs is missing or damaged.
bool refuseInterfacePackage(const SReadError& fault, std::string& error) {
    error = "The interface package is damaged: " + fault.Message() + ".";
    return false;
}

}  // namespace

void SGameData::LoadSettings() {
    const std::string notice = ::LoadSettings(m_settings, int(m_screenMode));
    if (!notice.empty()) std::fprintf(stderr, "brimvale: %s\n", notice.c_str());
}

void SGameData::InitTables() {
    m_attributes.InitDefaults();
    m_skills.InitDefaults();
    m_races.InitDefaults();
    m_classes.InitDefaults();
    m_cache.Init();
    m_monsters.CreatureClasses().Init();
    m_mapObjectTypes.Attach(&m_cache);
    m_skyTable.Attach(&m_cache);
    m_faces.Attach(&m_cache);
    m_npcTypes.Attach(&m_dialogue);
    m_moduleContext.cache = &m_cache;
    m_spells.Schools().Init();
    m_items.InitCategories();
    m_effectTypes.Init();
}

bool SGameData::Init(uint32_t screenMode, platform::Window* window, uint32_t screenWidth, uint32_t screenHeight,
                     std::string& error) {
    // The play screen must exist before the first frame, which hands it the back buffer; it is
    // set up last of all.
    SetScreen(kPlayScreen, MakeScreen(kPlayScreen));
    m_saveNames.Attach(this);
    m_saveNames.RegisterQuitAutoSave();

    m_fileFolder = std::make_unique<SFileFolder>();
    m_random = std::make_unique<SRandom>();
    m_random->Seed(GetUnixTime());

    m_dataPackage = std::make_unique<SPdb>();
    m_dataPackage->Attach(*m_fileFolder);
    if (!m_dataPackage->Open("BrimvaleData")) {
        error = "The game's interface package cannot be read: " + m_dataPackage->Error().Message() +
                ". It belongs in the folder " + m_fileFolder->ProgramFolder() + ".";
        return false;
    }

    m_screenMode = screenMode;
    m_settings.startMode = 0;
    LoadSettings();
    if (!LoadLayoutRecord()) {
        error = "The interface package " + m_fileFolder->Resolve("BrimvaleData.pdb") +
                " has no layout record for screen mode " + std::to_string(screenMode) + ".";
        return false;
    }
    // Every start goes on to the main menu, which cannot be laid out without its layout.
    uint32_t menuWidth = 0, menuHeight = 0;
    if (!m_layout.FindSize(uint16_t(screenMode), SStateMain::kLayout, menuWidth, menuHeight)) {
        error = "The interface package " + m_fileFolder->Resolve("BrimvaleData.pdb") + " has no layout " +
                std::to_string(SStateMain::kLayout) + " (the main menu) for screen mode " + std::to_string(screenMode) +
                " in its layout record " + std::to_string(LayoutRecordId()) + ".";
        return false;
    }

    m_display = std::make_unique<SDisplay>();
    // The stored start mode is the display orientation, on the devices that can be turned.
    m_display->SetOrientation(int(DisplayOrientationFor(m_settings, int(m_screenMode))));
    m_display->Init(window, int(screenWidth), int(screenHeight), int(m_screenMode));
    m_render = std::make_unique<SRender>();
    m_render->SetView(&m_playView);
    m_render->SetSurface(&m_display->Target());
    // A back buffer that moves takes the 3-D view's addresses with it.
    m_display->SetSurfaceMoved([this] { m_render->UpdateProjection(); });
    m_display->SetRotatedDraw(
        [this](const SPicture& picture, int x, int y, int32_t angle) { m_render->DrawRotated(x, y, picture, angle); });
    SetDisplayMode(true);

    m_sound = std::make_unique<SSound>();
    m_sound->Open(m_settings);

    m_text = std::make_unique<SText>();
    SReadError fault;
    if (!m_text->Init(m_display.get(), int(m_screenMode), m_dataPackage.get(), fault))
        return refuseInterfacePackage(fault, error);

    if (m_display->BeginFrame()) {
        m_display->FillRect(0, 0, m_display->m_width, m_display->m_height, 0);
        m_text->SelectFont(1, 0xFFFFFF, 0);
        m_text->DrawText(30, 40, 300, 120, "Starting\rBrim Vale...", 0);
        m_display->Present();
    }

    if (!LoadInterfaceRecords(fault)) return refuseInterfacePackage(fault, error);

    m_cards.Init(m_screenMode);
    m_soundTable.Attach(m_sound.get());
    m_sound->Attach(&m_soundTable);
    m_music.Attach(m_sound.get(), &m_soundTable);
    InitTables();
    m_moduleContext.folder = m_fileFolder.get();
    m_moduleContext.random = m_random.get();
    m_mapItems = std::make_unique<SMapItems>(m_items, *m_random);
    m_mapObjectTypes.SetItems(m_mapItems.get());

    m_script = std::make_unique<SScript>();
    m_scriptContext = std::make_unique<SScriptContext>();
    // "Script error!" reaches the play screen's message queue through the context.
    m_script->Init(m_scriptContext.get());
    m_scriptContext->Init({&m_player, &m_npcTypes, &m_monsters, &m_mapObjectTypes, &m_globals, &m_scriptTable,
                           &m_spells, &m_items, &m_diseases, m_random.get(), &m_soundTable, &m_packages},
                          *m_script);
    bindPlayScreenToScripts();
    m_scriptTable.Attach(m_script.get());

    for (ScreenId id : kScreensAfterPlay) {
        SetScreen(id, MakeScreen(id));
        Screen(id)->Init(this);
    }
    Screen(kPlayScreen)->Init(this);
    m_player.Attach({&m_attributes, &m_skills, &m_races, &m_packages, m_random.get(), &m_items, &m_spells,
                     &m_questTable, &m_abilities, &m_diseases},
                    m_scriptContext.get(), SStateGame::Of(*this));
    m_player.SetHeaderKind();

    m_frameCounter = 0;
    m_currentScreen = nullptr;
    // The menu plays its music from the music package when it reads; without it the menu is
    // silent, and a new game names the damage.
    m_packages.Open(SModuleList::kMusicPackage);
    SwitchState(kSplashScreen);
    m_render->UpdateProjection();
    return true;
}
