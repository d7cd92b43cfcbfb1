#pragma once
// Table entries made by name, for tests that fill tables to write them.
#include <memory>

template <typename T>
std::unique_ptr<T> NamedRecord(const char* name) {
    auto entry = std::make_unique<T>();
    entry->name.Set(name);
    return entry;
}
