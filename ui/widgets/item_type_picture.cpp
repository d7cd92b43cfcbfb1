#include "ui/widgets/item_type_picture.h"

#include "game/game_data.h"

const SPictureEntry* ItemTypePicture(const SGameData& game, const SItemType& type) {
    if (type.m_equipName.Length() == 0) return nullptr;
    const SEquipPicture* equipment = game.m_items.FindEquipPicture(type.m_equipName.Text());
    const SItemPicture* record = equipment && equipment->m_pictureName.Length() > 0
                                     ? game.m_items.FindItemPicture(equipment->m_pictureName.Text())
                                     : nullptr;
    const SPictureEntry* picture = record ? game.m_cache.FindPicture(record->NameKey().Text()) : nullptr;
    return picture && picture->data ? picture : nullptr;
}

const SPaletteEntry* ItemTypePalette(const SGameData& game, const SItemType& type) {
    if (type.m_paletteName.Length() == 0) return nullptr;
    const SPaletteEntry* palette = game.m_cache.FindPalette(type.m_paletteName.Text());
    return palette && palette->data ? palette : nullptr;
}
