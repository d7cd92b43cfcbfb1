// Emptying and refilling the world tables around a new game or a load.
#include "game/game_data.h"

void SGameData::ClearTables() {
    m_portraits = nullptr;
    m_packages.Clear();
    m_cache.Clear();
    m_recipes.Clear();
    m_items.Clear();
    m_spellEffects.Clear();
    m_spells.Clear();
    m_mapObjectTypes.Clear();
    m_monsters.Clear();
    m_diseases.Clear();
    m_abilities.Clear();
    m_interiors.Clear();
    m_globals.Clear();
    m_scriptTable.Clear();
    m_skyTable.Clear();
    m_questTable.Clear();
    // The sounds' library sounds go with them, so nothing may still play them.
    if (m_sound) m_sound->StopAllSounds();
    m_soundTable.Clear();
    m_sceneTable.Clear();
    // Persons go before the world's topics that their sets point to.
    m_npcTypes.Clear();
    m_faces.Clear();
    m_dialogue.Clear();
    // The rule tables a package may replace go back to the built-in ones, so that a world opened
    // next that keeps them finds them as the game defines them, not as the last world left them.
    m_attributes.InitDefaults();
    m_skills.InitDefaults();
    m_races.InitDefaults();
}

void SGameData::LoadTablePictures(SLoadingSteps* loading) {
    // Spell effects load before the first step, skies after it, faces after the second and the
    // item pictures after the third. Every table loads its pictures by name, before BuildTables
    // resolves the names to the slots that the loaded pictures fill.
    m_spellEffects.LoadPictures(m_cache);
    if (loading) loading->Step();
    m_skyTable.LoadPictures();
    if (loading) loading->Step();
    m_faces.LoadPictures();
    if (loading) loading->Step();
    m_items.LoadPictures(m_cache);
}

void SGameData::BuildTables(SLoadingSteps* loading) {
    m_cache.AssignSlots();
    // The loading dialog steps after the slots and after each table's pictures.
    if (loading) loading->Step();
    m_mapObjectTypes.ResolvePictures(m_cache.SlotFlags());
    if (loading) loading->Step();
    m_monsters.ResolvePictures(m_cache, m_cache.SlotFlags());
    m_portraits = &m_worldPortraits;
    if (loading) loading->Step();
    m_items.BuildTables(m_cache);
    if (loading) loading->Step();
    m_spellEffects.ResolvePictures(m_cache);
    if (loading) loading->Step();
}
