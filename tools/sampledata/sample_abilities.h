#pragma once
// The world's abilities: gifts a script grants for good, shown on the journal's abilities page.
struct SSamplePackage;

// Ilse's thanks for her locket: a little more health for good.
constexpr const char* kIlsesBlessing = "base_ab_ilseblessing";

// The ability table, into the package.
void AddSampleAbilities(SSamplePackage& world);
