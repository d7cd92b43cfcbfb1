#pragma once
// SMapObjectType: a kind of thing that stands on a map cell or against a cell side: a wall, a floor
// texture, a door, a chest, a teleport, a plant. A world package's types come from its map-object
// type chunk, where each type's code picks the class that gives it its behaviour (see
// SMapObjectTypeTable::CreateType). Objects placed on maps (SPlacedObject) refer to their type; the
// play screen and the script engine call the type's virtual operations with the object to build the
// view records, test whether it blocks, answer script commands and react to events.
#include <cstdint>
#include <optional>
#include <vector>

#include "data/map_objects/map_object_defaults.h"
#include "data/map_objects/placement.h"
#include "data/palette_holder.h"
#include "engine/base/ptr_array.h"
#include "render/view_descriptor.h"
#include "script/script_value.h"

class SArchive;
class SItemType;
class SMap;
class SMapObjectScreen;
class SMapObjectTypeTable;
class SResourceCache;
struct SMapCell;        // a cell of the play screen's grid
struct SMapCellShadow;  // the second-layer cell beside it
struct SMapCellSide;
struct SPlacedObject;
struct SSidePicture;

class SMapObjectType : public SPaletteHolder {
public:
    // Trees, bushes and blocks stand in the way.
    static constexpr uint16_t kSolid = 0x0040;
    // Set by the table for the block classes (codes 7, 8 and 41).
    static constexpr uint16_t kBlockClass = 0x0200;
    // How a block or a hole is drawn: raised (a block only), flat on the floor, or as a solid block.
    static constexpr uint16_t kRaised = 0x0400;
    static constexpr uint16_t kLiesFlat = 0x0800;
    static constexpr uint16_t kDrawnSolid = 0x8000;
    // A wall decoration stands out from its side instead of lying flat on it.
    static constexpr uint16_t kProjects = 0x1000;
    // Outdoors the object is lit, and sounds, only at night.
    static constexpr uint16_t kLitAtNight = 0x2000;
    // Used or stepped on, the object takes the player elsewhere; always set for city doors and stairs.
    static constexpr uint16_t kLeadsSomewhere = 0x4000;

    // The operations each class gives its own body; the ones here do nothing, block nothing and
    // sound nothing. `light` is the cell's light word (256 full), which lit objects raise; a side
    // record's entry for `side` is (side + 2) mod 4, the side as seen from the cell in front.
    virtual void InitInstance(SPlacedObject& object);
    // `object` is null where a cell names the type without an object.
    virtual bool IsBlocking(const SPlacedObject* object) const;
    virtual void BuildCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record, uint16_t& light);
    virtual void BuildShadowCellRecord(SPlacedObject* object, SMapCellShadow& cell, SObjectTypeRecord& record,
                                       uint16_t& light);
    virtual void BuildSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                                 uint16_t& light);
    virtual void BuildShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side,
                                       SSideOverlayRecord& record, uint16_t& light);
    // The animated builders run every frame for the cells in view whose type IsAnimated().
    virtual void BuildAnimatedCellRecord(SPlacedObject* object, SMapCell& cell, SObjectTypeRecord& record,
                                         uint16_t& light);
    virtual void BuildAnimatedShadowCellRecord(SPlacedObject* object, SMapCellShadow& cell, SObjectTypeRecord& record,
                                               uint16_t& light);
    virtual void BuildAnimatedSideRecord(SPlacedObject* object, SMapCell& cell, int side, SSideOverlayRecord& record,
                                         uint16_t& light);
    virtual void BuildAnimatedShadowSideRecord(SPlacedObject* object, SMapCellShadow& cell, int side,
                                               SSideOverlayRecord& record, uint16_t& light);
    // The name of the sound the object gives off, or null.
    virtual const char* GetAmbientSound(const SPlacedObject* object, const SMapCell& cell) const;
    virtual const char* GetShadowAmbientSound(const SPlacedObject* object, const SMapCellShadow& cell) const;
    // Every frame, for the object at grid column x, row y.
    virtual void Tick(SPlacedObject* object, int x, int y, SMapCell& cell, SObjectTypeRecord& record);
    // A script command (SHandlerCommandId) on the object at grid column x, row y of `map`. A command
    // with a result stores it; `changed` is set when the object's cell must be built again. Answers
    // 0, which lets the script go on. The base answers the object commands 102 to 141; object
    // commands on no object answer nothing, but "hasitem" 0.
    virtual int ExecuteCommand(SMap* map, SPlacedObject* object, int x, int y, int command, const SScriptValue& arg1,
                               const SScriptValue& arg2, const SScriptValue& arg3, std::optional<SScriptValue>& result,
                               bool& changed);
    // The object's own reaction to an event bit (1 stepped on, 2 stepped off, 8 attacked, 16 a spell
    // cast at it, 32 used). Answers the screen to switch to, or 0.
    virtual int OnEvent(uint32_t event, SMap* map, SPlacedObject* object, SMapCell* cell, int x, int y, bool& changed);

    // The type record, both ways (data version `version`): name, text, type code, linked type, six
    // aligned i16 placement values, the parameter texts (Param1 from version 8, Param2 from 10,
    // Param3 from 106, Param4 from 108), from version 59 the initial state, from version 11 the
    // flags, then the picture names and the palette names, each an aligned u16 count and the texts.
    // Read texts point into the record, which must outlive the type. Reading gives data older than
    // version 11 the flags of the code's defaults row, and city doors and stairs kLeadsSomewhere.
    void Serialize(SArchive& archive, int version);

    const SMapObjectDefaults& Defaults() const { return MapObjectDefaults(m_typeCode); }
    // m_param2, the sound the object gives off, or null when it names none.
    const char* AmbientParam() const;
    SMapObjectTypeTable* Table() const { return m_table; }
    // The table whose resource cache, items and linked types the type uses; null for none.
    void SetTable(SMapObjectTypeTable* table) { m_table = table; }

    // Picture names in record order; an empty name keeps its place as null.
    int PictureNameCount() const { return m_pictureNames.Count(); }
    // Null outside 0 .. count-1.
    const char* PictureName(int k) const { return m_pictureNames.At(k); }
    // One resource-cache slot per picture name, 0 where the cache has no such picture, once
    // ResolvePictures has run. PictureId answers 0 outside the list, so that an index a class works
    // out from a frame count never reads past it.
    const std::vector<uint16_t>& PictureIds() const { return m_pictureIds; }
    uint16_t PictureId(int k) const { return k >= 0 && k < int(m_pictureIds.size()) ? m_pictureIds[k] : 0; }
    // Frame counts of the animation, by code: 0 for a type with nothing to animate.
    uint8_t Frames() const { return m_frames; }
    uint8_t Frames2() const { return m_frames2; }
    // The type has records to build every frame.
    bool IsAnimated() const { return m_animated; }

    // Looks every picture name up in the cache (whose slots are assigned), and works out the frame
    // counts and IsAnimated from the result. `marks` (one byte per picture slot) gets a mark for each
    // picture found: 20 for a door's third picture, 2 for a city door's second, otherwise the low
    // byte of m_place[2].
    void ResolvePictures(const SResourceCache* cache, std::vector<uint8_t>& marks);
    // Loads the named pictures into the table's cache, those of the linked type (and its linked type,
    // and so on) with them, and acquires the palettes. False when a picture is missing or cannot be
    // read; the others load all the same. Nothing happens while the type is loaded.
    bool LoadPictures();
    // Unloads the type's own pictures and releases its palettes.
    void ReleasePictures();
    bool IsLoaded() const { return m_loaded; }
    // Types whose pictures stay loaded whatever the view needs (see SMapObjectTypeTable).
    bool KeepLoaded() const { return m_keepLoaded; }
    void SetKeepLoaded(bool keep) { m_keepLoaded = keep; }

    // PackPlacement and PackPlacementFlagged (placement.h) of a picture on side `side` of a wall,
    // with the size of the picture in cache slot `picture` (0 by 0 when it is not loaded). The
    // placement goes into the record of the cell in front, which sees the picture on its own side
    // facing the wall: that face, the side's entry, is the one packed, so that the picture lies on
    // the wall and not on the far edge of the cell in front.
    uint16_t PlaceOnWall(int side, uint16_t picture, int a, int b) const;
    uint16_t PlaceOnWallFlagged(int side, uint16_t picture, bool flagged, int a, int b) const;

    // The items of the object's own container through the table's items. Nothing happens (and the
    // count is 0) without an object, a container id, a map or the table's items.
    uint32_t CountContainerItem(SMap* map, const SPlacedObject* object, const char* itemType) const;
    void AddContainerItem(SMap* map, const SPlacedObject* object, const char* itemType, int32_t amount) const;
    void RemoveContainerItem(SMap* map, const SPlacedObject* object, const char* itemType, int32_t amount) const;
    // The ingredient a plant yields: the ingredient named by m_param1, or null. A type with exactly
    // one picture name yields none.
    SItemType* FindIngredientType() const;

    const char* m_text = nullptr;
    uint8_t m_typeCode = 0;
    uint16_t m_flags = 0;
    uint8_t m_initialState = 0;  // ORed into a new object's state by the classes that use it
    // The map-object type whose pictures load and unload with this one's; null for none.
    const char* m_linkedType = nullptr;
    // Picture offsets the classes add to or take from their draw positions; A and B go to the
    // placement packers.
    int16_t m_place[4] = {};
    int16_t m_placeA = 0;
    int16_t m_placeB = 0;
    // Texts whose use is the class's: sound names, an ingredient's item type, a target.
    const char* m_param1 = nullptr;
    const char* m_param2 = nullptr;
    const char* m_param3 = nullptr;
    const char* m_param4 = nullptr;
    SPtrArray<const char> m_pictureNames{4, false};

protected:
    // The play screen's services through the table; null while none is attached.
    SMapObjectScreen* Screen() const;
    // Off, torn, picked or closed: the object's kClosed. No object is never off.
    static bool IsOff(const SPlacedObject* object);
    // A visible object that is not off; false for no object.
    static bool IsVisibleAndOn(const SPlacedObject* object);
    // The cell names the type without an object, or its object is visible.
    static bool IsThere(const SPlacedObject* object);
    // kSolid types block where the object is visible, and where a cell names them without one.
    bool BlocksWhenSolid(const SPlacedObject* object) const;
    // The picture of the side's wall type fixed to side `side` (0 to 3), placed by m_placeA and
    // m_place[3], with its picture `oblique` for oblique views; no draw code.
    SSidePicture FacePicture(const SMapCellSide& cellSide, int side, int oblique) const;
    // Sets that picture with its draw code on the record; nothing for a side outside 0 to 3.
    void BuildFace(const SMapCellSide (&sides)[4], int side, int oblique, uint16_t drawCode,
                   SSideOverlayRecord& record) const;
    // How a class sends the player on: the transition kind (see SMapObjectScreen::TravelToPosition)
    // of a travel at once and of one asked first, the asking class's flag, and whether the travel
    // waits for the end of the frame.
    struct STravelKinds {
        int kind = 0;
        int askedKind = 0;
        int askFlag = 0;
        bool queued = false;
    };
    // Sends the player to the target of a travel text: "target", or "question#target" asked first;
    // nothing for an empty text or one that begins with '#'.
    void TravelTo(const char* travelText, const STravelKinds& kinds) const;
    // The picture of the side's wall type standing out from side `side` (0 to 3), placed by
    // m_placeA and m_placeB; no second picture, no draw code.
    SSidePicture MountedPicture(const SMapCellSide& cellSide, int side) const;
    // The item commands (finditem, receiveitem, removeitem, hasitem) on the map's container
    // `containerId` (0 for none: hasitem counts 0). False for any other command.
    bool RunItemCommand(SMap* map, uint8_t containerId, int command, const SScriptValue& arg1, const SScriptValue& arg2,
                        std::optional<SScriptValue>& result) const;

private:
    SPictureSize pictureSize(uint16_t slot) const;
    uint8_t markOfPicture(int k) const;
    void countFrames();
    bool animates() const;
    bool loadOwnPictures(SResourceCache& cache) const;
    uint32_t countItems(SMap* map, uint8_t containerId, const char* itemType) const;
    void addItems(SMap* map, uint8_t containerId, const char* itemType, int32_t amount) const;
    void removeItems(SMap* map, uint8_t containerId, const char* itemType, int32_t amount) const;

    SMapObjectTypeTable* m_table = nullptr;
    std::vector<uint16_t> m_pictureIds;
    uint8_t m_frames = 0;
    uint8_t m_frames2 = 0;
    bool m_animated = false;
    bool m_loaded = false;
    bool m_keepLoaded = false;
};
