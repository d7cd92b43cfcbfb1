#pragma once
// Item types whose inventory picture the game can find: the type, its equipment record, its item
// picture record and the picture in the resource cache, all under names made from the type's.
#include <memory>
#include <string>

#include "game/game_data.h"
#include "support/item_records.h"
#include "tools/sampledata/art_canvas.h"

// The type of the class and subtype worth `value`, owned by the game's item database; without a
// picture it has no picture chain.
inline SItemType& AddPicturedItemType(SGameData& game, const std::string& name, uint8_t kind, uint8_t subkind,
                                      uint32_t value, std::unique_ptr<SPictureEntry> picture) {
    auto type = MakeItemType(name.c_str(), kind, subkind);
    type->m_baseValue = value;
    if (picture) {
        const std::string equipName = name + "_eq", pictureName = name + "_pic";
        type->m_equipName.Assign(equipName.c_str());
        auto equipment = std::make_unique<SEquipPicture>();
        equipment->m_name.Set(equipName.c_str());
        equipment->m_pictureName.Assign(pictureName.c_str());
        game.m_items.Equipment().Add(std::move(equipment));
        auto record = std::make_unique<SItemPicture>();
        record->m_name.SetOwned();
        record->m_name.Set(pictureName.c_str());
        game.m_items.Pictures().Add(std::move(record));
        picture->name.SetOwned();
        picture->name.Set(pictureName.c_str());
        game.m_cache.AddPicture(std::move(picture));
    }
    game.m_items.AddItemType(std::move(type));
    return *game.m_items.FindItemType(name.c_str());
}

// A 50x50 item picture: a disc whose size and colour the seed picks, on a dark ground.
inline std::unique_ptr<SPictureEntry> DiscItemPicture(int seed) {
    SArtCanvas art(50, 50, ArtColour(24, 22, 28));
    art.Disc(25, 25, 12 + seed % 8, ArtColour(40 + seed * 6, 200 - seed * 5, 90));
    auto entry = std::make_unique<SPictureEntry>();
    entry->record = std::make_unique<SPdbRecord>();
    entry->record->bytes = art.Record();
    SReadError error;
    entry->Bind(entry->record->bytes, 0, error);
    return entry;
}
