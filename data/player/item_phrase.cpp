#include "data/player/item_phrase.h"

#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "engine/base/c_string.h"

namespace {

// The wordings of one item and of several; both take the display name, the second after the count.
struct SPhrase {
    const char* one;
    const char* several;
};

SPhrase PhraseFor(const SItemType& type) {
    switch (type.m_class) {
        case kItemBook:
            if (type.m_subtype == kBookSubtypeBook) return {"a book of '%s'", "%u books of '%s'"};
            break;
        case kItemPotion: return {"a potion of %s", "%u potions of %s"};
        case kItemMagic:
            if (type.m_subtype == kMagicScroll) return {"a scroll of %s", "%u scrolls of %s"};
            if (type.m_subtype == kMagicWand) return {"a wand of %s", "%u wands of %s"};
            if (type.m_subtype == kMagicSpellbook) return {"a spellbook of %s", "%u spellbooks of %s"};
            break;
        case kItemCard: return {"a card of '%s'", "%u cards of '%s'"};
        default: break;
    }
    return {"an item of %s", "%u items of %s"};
}

}  // namespace

void FormatItemPhrase(const SItemType& type, uint32_t count, SString& out) {
    const char* name = type.m_displayName.Text();
    const unsigned n = count;
    if (type.m_class == kItemMoney && count == 1) {
        out.AppendFormat("%u%c", unsigned(type.m_baseValue), kCoinSign);
    } else if (type.m_class == kItemGem) {
        if (count == 1)
            out.AppendFormat("%s %s gem", ArticleFor(name), name);
        else
            out.AppendFormat("%u %s gems", n, name);
    } else {
        const SPhrase phrase = PhraseFor(type);
        if (count == 1)
            out.AppendFormat(phrase.one, name);
        else
            out.AppendFormat(phrase.several, n, name);
    }
}
