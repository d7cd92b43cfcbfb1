#include "tools/sampledata/sample_item_pictures.h"

#include <memory>

#include "data/items/item_database.h"

namespace {

struct SPicturedItem {
    const char* item;
    const char* picture;
};

const SPicturedItem kPictures[] = {{"base_water", "bres_water"},
                                   {"base_money_100", "bres_gold"},
                                   {"base_alc_alkieberries", "bres_berries"}};

}  // namespace

void AddItemPictures(SItemDatabase& items) {
    for (const SPicturedItem& pictured : kPictures) {
        // The equipment record takes the item's name, the item picture the picture's.
        if (SItemType* type = items.FindItemType(pictured.item)) type->m_equipName.Assign(pictured.item);
        auto equipment = std::make_unique<SEquipPicture>();
        equipment->m_name.Set(pictured.item);
        equipment->m_pictureName.Assign(pictured.picture);
        items.Equipment().Add(std::move(equipment));
        auto picture = std::make_unique<SItemPicture>();
        picture->m_name.Set(pictured.picture);
        items.Pictures().Add(std::move(picture));
    }
}
