#pragma once
// SPlayObjectScreen: the play screen as the map objects see it. Doors, chests, traps, city doors
// and the persons behind shop windows ask their questions of the play screen through this, and the
// counters they animate and highlight by live here. The play screen owns one and hands it to the
// map-object type table for as long as it lives.
#include <cstdint>

#include "data/map_objects/map_object_screen.h"

class SStateGame;

class SPlayObjectScreen : public SMapObjectScreen {
public:
    // Doors stay lit this many frames after a spell has acted on them.
    static constexpr int kHighlightFrames = 10;

    explicit SPlayObjectScreen(SStateGame& play) : m_play(play) {}

    // The nearby-cell update counts both counters up.
    void CountAnimationTicks() {
        ++m_tick;
        ++m_secondTick;
    }

    uint32_t AnimationTick() const override { return m_tick; }
    uint32_t SecondAnimationTick() const override { return m_secondTick; }
    uint32_t GameTime() const override;
    bool IsOutdoor() const override;
    const SMapCell* PlayerCell() const override;
    const SModule* CurrentWorld() const override;
    int32_t Random(int32_t n) override;
    void PlaySound(const char* name, int volume) override;
    void ShowMessage(const char* text) override;
    void SubstituteText(SString& text) override;
    bool TalkToObjectNpc(SMap* map, SPlacedObject* object, SMapObjectType& type) override;
    void MarkEnteredThroughCityDoor() override { m_cityDoor = true; }
    void TravelToPosition(const char* target, int kind) override;
    void QueueQuestion(const char* question, const char* target, int kind, int flag) override;
    void QueueTravelByName(const char* target, int kind) override;
    bool HasWallsEastAndWest() const override;
    int PlayerColumn() const override;
    int PlayerRow() const override;
    uint16_t HandlePicture(int facing) const override;
    int DoorHighlight() const override { return m_doorHighlight; }
    void SetDoorHighlight(int frames) override { m_doorHighlight = frames; }
    void SpikePosition(int k, uint16_t& x, uint16_t& y) const override;
    void SubPosition(int k, uint16_t& x, uint16_t& y) const override;
    void QueueDoorChoice(const char* text, SMap* map, SPlacedObject* object, SMapObjectType& type, bool trapped,
                         bool lockpick) override;
    void OpenContainer(SMap* map, SPlacedObject* object) override;
    const SSpellType* SpellBeingCast() const override;
    int32_t CasterLevel() const override;
    int32_t PlayerSkill(uint32_t skill) const override;
    bool PlayerOwnsItem(const char* itemType) const override;
    bool PlayerHasLockpick() const override;
    void PlayerLoseItem(const char* itemType) override;
    int32_t PlayerArmourClass() const override;
    void HurtPlayer(int32_t damage) override;
    void AddPlayerCrime(int32_t amount) override;
    void GiveItems(SItemType& type, int32_t count) override;
    void AppendItemPhrase(const SItemType& type, uint32_t count, SString& text) override;

    // Whether the conversation about to open was reached through a city door; asking forgets it.
    bool TakeCityDoorEntry() {
        const bool entered = m_cityDoor;
        m_cityDoor = false;
        return entered;
    }

private:
    SStateGame& m_play;
    uint32_t m_tick = 0;
    uint32_t m_secondTick = 0;
    int m_doorHighlight = 0;
    bool m_cityDoor = false;
};
