#pragma once
// The world's abilities: gifts a script grants for good, shown on the journal's abilities page.
#include "data/effects/ability.h"

// Ilse's thanks for her locket: a little more health for good.
constexpr const char* kIlsesBlessing = "base_ab_ilseblessing";

// The gifts, into the ability table (which the races' abilities share).
void AddSampleAbilities(SAbilityTable& abilities);
