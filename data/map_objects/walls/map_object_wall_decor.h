#pragma once
// SMapObjectWallDecor: a decoration hanging on a wall side (type code 9): a torch, a sign, a lamp.
// Its animated frames light the cell; with kLitAtNight it sleeps outdoors by day. Used, it takes
// the player where its object's text names (kLeadsSomewhere) or shows that text.
#include "data/map_objects/map_object_type.h"

class SString;
struct SMapCellSide;

class SMapObjectWallDecor : public SMapObjectType {
public:
    void InitInstance(SPlacedObject& object) override;
    void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                         uint16_t& light) override;
    void BuildShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side, SSideOverlayRecord& record,
                               uint16_t& light) override;
    void BuildAnimatedSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                                 uint16_t& light) override;
    void BuildAnimatedShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side,
                                       SSideOverlayRecord& record, uint16_t& light) override;
    const char* GetAmbientSound(const SPlacedObject* object, const SMapCell& cell) const override;
    const char* GetShadowAmbientSound(const SPlacedObject* object, const SMapCellShadow& cell) const override;
    int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed) override;

protected:
    // The side's wall type's pictures: the still one and its oblique view, then the frames of the
    // two from these on.
    static constexpr int kObliquePicture = 8;
    static constexpr int kFirstFrame = 1;
    static constexpr int kFirstObliqueFrame = 9;
    // A burning decoration's cell light.
    static constexpr uint16_t kLit = 512;

    // The side's record from the side's wall type, the decoration's own pictures: still, and each
    // frame while the decoration is awake. Called for sides 0 to 3 only.
    virtual void buildSide(const SMapCellSide& cellSide, int side, SSideOverlayRecord& record) const;
    virtual void buildAnimatedSide(SMapObjectScreen& screen, const SMapCellSide& cellSide, int side,
                                   SSideOverlayRecord& record, uint16_t& light);
    // Used without leading anywhere.
    virtual void showText(const SString& text);
    // Off, or outdoors by day while `wall` shines only at night.
    bool isAsleep(const SPlacedObject* object, const SMapObjectType& wall) const;
    // The step of the animation on side `side`: the second tick, set off by the side so that
    // neighbouring torches do not flicker as one.
    static uint32_t frameStep(const SMapObjectScreen& screen, int side);
    // The placement bit of a kProjects decoration.
    uint16_t projectingBit() const;

private:
    void animate(const SPlacedObject* object, const SMapCellSide (&sides)[4], int side, SSideOverlayRecord& record,
                 uint16_t& light);
};
