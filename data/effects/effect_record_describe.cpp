// The journal's and the race choice's texts for diseases and abilities.
#include <algorithm>

#include "data/effects/ability.h"
#include "data/effects/disease.h"
#include "data/effects/effect_lookups.h"
#include "engine/base/string.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/screen_type.h"

void SEffectRecord::describeEffects(const SEffectLookups& lookups, SEffectContext context, int first, int end,
                                    bool shortLabel, bool compact, SString& out) const {
    out.Assign("");
    SString text;
    const int start = std::max(first, 0);
    const int last = std::min(end, int(m_effects.Count()));
    for (int i = start; i < last; ++i) {
        if (i > start) out.Append("\r");
        m_effects[i]->Describe(lookups, context, 0, text, shortLabel, compact);
        out.Append(text.Text());
    }
    ToDigitGlyphs(out);
}

void SDisease::Describe(const SEffectLookups& lookups, SString& out) const {
    describeEffects(lookups, kContextDisease, 0, m_effects.Count(), false, false, out);
}

void SAbility::Describe(const SEffectLookups& lookups, SString& out) const {
    describeEffects(lookups, kContextAbility, 0, m_effects.Count(), false, false, out);
}

void SAbility::DescribeForRace(const SEffectLookups& lookups, uint32_t screenMode, SString& out, int first,
                               int end) const {
    const bool compact = screenMode == 5 || screenMode == 8;
    describeEffects(lookups, kContextAbility, first, end, IsSmallScreenType(screenMode), compact, out);
}
