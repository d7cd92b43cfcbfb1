#include "screens/merchant_level.h"

#include "data/persons/npc_type.h"
#include "data/world/global_table.h"

uint32_t MerchantLevel(const SNpcType& person, const SGlobalTable& globals) {
    const SGlobalVar* global = person.globalName.IsEmpty() ? nullptr : globals.Find(person.globalName.Text());
    if (global != nullptr && global->m_value.Number() > 0) return uint32_t(global->m_value.Number());
    return person.roomPrice;
}
