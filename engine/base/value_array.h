#pragma once
// SValueArray: a growable array of values copied in whole (strings of a list being built, cached
// colour pairs, cell events).
#include <algorithm>
#include <cstdint>
#include <memory>

#include "engine/base/string.h"

template <typename T>
class SValueArray {
public:
    explicit SValueArray(int32_t step = 10)
        : m_step(std::max<int32_t>(step, 1)), m_capacity(m_step), m_items(new T[m_step]) {}
    SValueArray(const SValueArray&) = delete;
    SValueArray& operator=(const SValueArray&) = delete;

    int32_t Count() const { return m_count; }
    int32_t Capacity() const { return m_capacity; }
    T& operator[](int32_t index) { return m_items[index]; }
    const T& operator[](int32_t index) const { return m_items[index]; }

    void Add(const T& value) {
        if (m_count == m_capacity) grow();
        m_items[m_count++] = value;
    }

    // Moves the values after it down by one; an index outside the values changes nothing.
    void RemoveAt(int32_t index) {
        if (index < 0 || index >= m_count) return;
        std::move(m_items.get() + index + 1, m_items.get() + m_count, m_items.get() + index);
        m_items[--m_count] = T();
    }

    // Drops every value; the array starts again from a block of one step.
    void Clear() {
        m_items.reset(new T[m_step]);
        m_count = 0;
        m_capacity = m_step;
    }

private:
    void grow() {
        std::unique_ptr<T[]> block(new T[m_capacity + m_step]);
        std::copy_n(m_items.get(), m_capacity, block.get());
        m_items = std::move(block);
        m_capacity += m_step;
    }

    int32_t m_step;
    int32_t m_count = 0;
    int32_t m_capacity;
    std::unique_ptr<T[]> m_items;
};

using SStringArray = SValueArray<SString>;
