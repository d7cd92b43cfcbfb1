#include "cards/card.h"

#include <cstdio>
#include <cstring>

#include "engine/base/read_error.h"
#include "engine/files/pdb.h"
#include "engine/packages/resource_cache.h"

namespace {

int CountPlaceholders(const char* text) {
    int count = 0;
    for (const char* at = std::strstr(text, "%u"); at; at = std::strstr(at + 2, "%u")) ++count;
    return count;
}

// Rule texts are short, so a bounded buffer is enough; a longer result would be cut, never overrun.
template <typename... Numbers>
void AppendNumbers(std::string& out, const char* format, Numbers... numbers) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, numbers...);
    out += buffer;
}

}  // namespace

void SCard::GetText(std::string& out, uint32_t shownCount) const {
    if (!text) return;
    // Instant and combo cards show their values; cards that stay on the table show their count.
    const bool showsValues = (kind & (kCardInstant | kCardCombo)) != 0;
    const uint32_t count = shownCount == kNoShownCount ? uint32_t(value3) : shownCount;
    switch (CountPlaceholders(text)) {
        case 0: out += text; break;
        case 1: AppendNumbers(out, text, showsValues ? uint32_t(value1) : count); break;
        case 2: AppendNumbers(out, text, uint32_t(value1), showsValues ? uint32_t(value2) : count); break;
        case 3:
            if (!showsValues) AppendNumbers(out, text, uint32_t(value1), uint32_t(value2), count);
            break;
        default: break;
    }
}

SCard::SCard() = default;
SCard::~SCard() = default;

bool SCard::LoadPicture(SPdb& package) {
    auto entry = std::make_unique<SPictureEntry>();
    entry->recordId = pictureId;
    entry->record = package.LoadRecord(pictureId);
    SReadError fault;
    // Pictures of the interface package start at the record's first byte.
    if (!entry->record || !entry->Bind(entry->record->bytes, 0, fault)) {
        picture.reset();
        return false;
    }
    picture = std::move(entry);
    return true;
}

void SCard::ReleasePicture() { picture.reset(); }
