#pragma once
// SMapObjectDoor: a single or a double door that slides open over 64 steps (type codes 20 and 22).
// A door may be locked, opened by its key or a spell, and trapped; the play screen's door dialog
// offers the lockpick and the disarming. The object keeps the door's movement in its flags and the
// lock and trap levels in its state; how far it stands open lives in the top six bits of word 0 of
// its centre record; the cell's centre extra byte holds the facing (bits 0..1) and how it opens
// (bits 2..3: kNoHandle, kLockable or kPlain).
#include "data/map_objects/map_object_type.h"

class SMapObjectDoor : public SMapObjectType {
public:
    static constexpr int kFullyOpen = 63;
    // A spell has just acted on the door, which the play screen highlights for a few frames.
    static constexpr uint8_t kSpellHighlight = 0x80;
    static constexpr uint16_t kHighlightBit = 0x0080;  // in word 0 of the record
    // How the door opens, from the cell's centre extra byte.
    enum SMode { kNoHandle = 0, kLockable = 1, kPlain = 2 };

    // Starts the door moving; `x` and `y` are its grid cell, from which the player hears it.
    void Open(SPlacedObject& object, int x, int y);
    void Close(SPlacedObject& object, int x, int y);
    // Used: opens or closes the door, or says why not; where the player can pick the lock or disarm
    // the trap, the door dialog offers it.
    void Use(SMap* map, SPlacedObject& object, const SMapCell* cell, int x, int y);
    // A spell cast at the door may unlock it and disarm its trap.
    void CastAt(SPlacedObject& object);

    // Closed or closing.
    bool IsBlocking(const SPlacedObject* object) const override;
    void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) override;
    // The flames beside the door.
    void BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                 uint16_t& light) override;
    const char* GetAmbientSound(const SPlacedObject* object, const SMapCell& cell) const override;
    // Slides the door on, and counts down a spell's highlight.
    void Tick(SPlacedObject* object, int x, int y, SMapCell& cell, SObjectTypeRecord& record) override;
    // Opens and closes by moving; the lock and trap levels are held to what a door can have.
    int ExecuteCommand(SMap* map, SPlacedObject* object, int x, int y, int command, const SScriptValue& arg1,
                       const SScriptValue& arg2, const SScriptValue& arg3, std::optional<SScriptValue>& result,
                       bool& changed) override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;

private:
    void playAtDistance(const char* sound, int x, int y) const;
    int step() const;
    // The handle picture at that position of the door's movement.
    void setHandle(SObjectTypeRecord& record, int facing, int position, int switchPosition) const;
    void setFlames(SMapCell& cell, SObjectTypeRecord& record, uint16_t& light) const;
    bool seenFromItsCell(const SMapCell& cell) const;
    void useClosed(SMap* map, SPlacedObject& object, int mode, int x, int y);
    void offerChoice(SMap* map, SPlacedObject& object, const char* text, bool trapped, bool lockpick);
    // The trap lines of the door's texts, empty for a trap the player does not see.
    void appendTrapLines(const SPlacedObject& object, const char* seen, SString& text, bool& trapSeen) const;
};
