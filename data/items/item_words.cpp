#include "data/items/item_words.h"

#include <algorithm>
#include <span>

namespace {

// A word per step: the first step whose limit the value stays below gives its word.
struct SStep {
    int64_t below;
    const char* word;
};

const char* ladder(std::span<const SStep> steps, int64_t value, const char* top) {
    for (const SStep& step : steps)
        if (value < step.below) return step.word;
    return top;
}

}  // namespace

const char* GetConditionWord(int32_t percent) {
    static constexpr SStep kSteps[] = {{10, "broken"}, {30, "poor"}, {70, "average"}, {100, "good"}};
    return ladder(kSteps, percent, "perfect");
}

const char* GetConditionWord(uint32_t condition, uint32_t maxCondition) {
    if (maxCondition == 0) return GetConditionWord(int32_t(100));
    // Above the maximum is as perfect as the maximum, and must not wrap into a negative per cent.
    return GetConditionWord(int32_t(std::min<uint64_t>(uint64_t(condition) * 100 / maxCondition, 100)));
}

const char* GetOutfitWord(int32_t points) {
    static constexpr SStep kSteps[] = {{30, "plain"}, {60, "regular"}, {90, "fashionable"}};
    return ladder(kSteps, points, "swell");
}

const char* GetEnchantabilityWord(uint32_t capacity) {
    static constexpr SStep kSteps[] = {{1, "Unenchantable"},
                                       {100, "Slightly enchantable"},
                                       {200, "Moderately enchantable"},
                                       {300, "May be enchantable"},
                                       {500, "Strongly enchantable"}};
    return ladder(kSteps, capacity, "Superiorly enchantable");
}
