#pragma once
// SPtrArray: the game's growable array of element pointers, used for every table and list. Counts
// are 16 bits; the block grows by a fixed step. Records found by name expose their name key as
// `const SName& NameKey() const`; sorted lists keep that key's hash in ascending order.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <type_traits>

#include "engine/base/archive.h"
#include "engine/base/c_string.h"
#include "engine/base/name.h"

// How an owning array frees an element: C strings are arrays, everything else an object whose
// destructor frees what it owns.
template <typename T>
inline void DeleteElement(T* element) {
    if constexpr (std::is_same_v<std::remove_cv_t<T>, char>)
        delete[] element;
    else
        delete element;
}

enum class ListOrder { Appended, Sorted };

template <typename T>
class SPtrArray {
public:
    static constexpr uint16_t kDefaultStep = 4;
    static constexpr uint32_t kMaxCount = 0xFFFF;

    explicit SPtrArray(uint16_t step = kDefaultStep, bool owns = true)
        : m_step(step ? step : 1), m_capacity(m_step), m_items(newBlock(m_step)), m_owns(owns) {}
    ~SPtrArray() { Destroy(); }
    SPtrArray(const SPtrArray&) = delete;
    SPtrArray& operator=(const SPtrArray&) = delete;

    uint16_t Count() const { return m_count; }
    uint16_t Capacity() const { return m_capacity; }
    uint16_t Step() const { return m_step; }
    bool OwnsElements() const { return m_owns; }
    T* operator[](int index) const { return m_items[index]; }
    // Null outside 0 .. count-1.
    T* At(int index) const { return index >= 0 && index < m_count ? m_items[index] : nullptr; }
    // Slot access beyond the count, for checks of the block itself.
    T* Slot(int index) const { return index >= 0 && index < m_capacity ? m_items[index] : nullptr; }

    void Grow() {
        const uint32_t grown = std::min<uint32_t>(uint32_t(m_capacity) + m_step, kMaxCount);
        std::unique_ptr<T*[]> block = newBlock(grown);
        std::copy_n(m_items.get(), m_capacity, block.get());
        m_items = std::move(block);
        m_capacity = uint16_t(grown);
    }

    // False when the array holds 65,535 elements already; the element then stays the caller's.
    bool Append(T* element) {
        if (!makeRoom()) return false;
        m_items[m_count++] = element;
        return true;
    }

    // Inserts after every element whose key is not greater, so equal keys keep their order.
    // Answers the index + 1, or 0 when the array is full.
    int InsertSorted(T* element) {
        if (!makeRoom()) return 0;
        const uint16_t key = element->NameKey().Hash();
        int index = 0;
        while (index < m_count && m_items[index]->NameKey().Hash() <= key) ++index;
        std::copy_backward(m_items.get() + index, m_items.get() + m_count, m_items.get() + m_count + 1);
        m_items[index] = element;
        ++m_count;
        return index + 1;
    }

    // Elements without a name key have no sorted place and are always appended.
    void Add(T* element, ListOrder order) {
        bool added = false;
        if constexpr (requires { element->NameKey(); })
            added = order == ListOrder::Sorted ? InsertSorted(element) != 0 : Append(element);
        else
            added = Append(element);
        if (!added && m_owns) DeleteElement(element);
    }

    // Puts the element at the index (at most the count), moving the later ones on. False when the
    // array is full or the index lies outside; the element then stays the caller's.
    bool InsertAt(int index, T* element) {
        if (index < 0 || index > m_count || !makeRoom()) return false;
        std::copy_backward(m_items.get() + index, m_items.get() + m_count, m_items.get() + m_count + 1);
        m_items[index] = element;
        ++m_count;
        return true;
    }

    // Takes the element out without deleting it; nothing happens when it is not there.
    void Remove(T* element) {
        T** end = m_items.get() + m_count;
        T** found = std::find(m_items.get(), end, element);
        if (found != end) RemoveAt(int(found - m_items.get()));
    }

    T* RemoveAt(int index) {
        if (index < 0 || index >= m_count) return nullptr;
        T* removed = m_items[index];
        std::copy(m_items.get() + index + 1, m_items.get() + m_count, m_items.get() + index);
        --m_count;
        return removed;
    }

    // The first element with this name; the hash is compared first, the text only on a match.
    T* FindByName(const char* text) const {
        if (text == nullptr) return nullptr;
        const uint16_t hash = HashName(text);
        for (int i = 0; i < m_count; ++i)
            if (m_items[i]->NameKey().Matches(text, hash)) return m_items[i];
        return nullptr;
    }

    // Arrays of C strings: the index of the first equal text, or -1.
    int FindString(const char* text) const requires(std::is_same_v<std::remove_cv_t<T>, char>) {
        for (int i = 0; i < m_count; ++i)
            if (m_items[i] != nullptr && text != nullptr && std::strcmp(m_items[i], text) == 0) return i;
        return -1;
    }

    // Arrays of C strings: sorted by StrCmp, null elements last.
    void SortStrings() requires(std::is_same_v<std::remove_cv_t<T>, char>) {
        std::stable_sort(m_items.get(), m_items.get() + m_count, [](const char* a, const char* b) {
            if (a == nullptr || b == nullptr) return b == nullptr && a != nullptr;
            return StrCmp(a, b) < 0;
        });
    }

    // Arrays of C strings inside a record: aligned to 2, a u16 count, then each text with its NUL.
    // Read texts point into the record, which must outlive the array; an empty text reads as null.
    // Reading stops where the record ends.
    void SerializeCStrs(SArchive& archive) requires(std::is_same_v<T, const char>) {
        archive.Align(2);
        uint16_t count = m_count;
        archive.SerializeU16(count);
        if (archive.IsWriting()) {
            for (int i = 0; i < m_count; ++i) archive.SerializeCStr(m_items[i]);
            return;
        }
        for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
            const char* text = nullptr;
            archive.SerializeCStr(text);
            if (!archive.Failed()) Append(text);
        }
    }

    // Deletes every element whatever the owning flag; the block is kept for reuse.
    void DeleteAll() {
        for (int i = 0; i < m_count; ++i) DeleteElement(m_items[i]);
        std::fill_n(m_items.get(), m_capacity, nullptr);
        m_count = 0;
        m_capacity = m_step;
    }

    // Only an owning array deletes its elements; the block is freed in every case.
    void Destroy() {
        if (m_owns)
            for (int i = 0; i < m_count; ++i) DeleteElement(m_items[i]);
        m_items = newBlock(m_step);
        m_count = 0;
        m_capacity = m_step;
    }

    // Empties the array, then adds a copy of each of the source's elements, in order: a deep copy
    // when the elements own their parts, as effect entries own their target names.
    void AssignClones(const SPtrArray& source) {
        DeleteAll();
        for (int i = 0; i < source.m_count; ++i) Add(new T(*source.m_items[i]), ListOrder::Appended);
    }

    // A list inside a record: aligned to 2, a u16 count, then each element's own serialize routine
    // (archive, data version). Reading stops at the first damaged element.
    void SerializeList(SArchive& archive, int version, ListOrder order) {
        SerializeEach(archive, order, [version](T& element, SArchive& a) { element.Serialize(a, version); });
    }

    // The same list with each element written and read by `serialize` (element, archive), for
    // elements that have more than one form.
    template <typename Serialize>
    void SerializeEach(SArchive& archive, ListOrder order, Serialize serialize) {
        archive.Align(2);
        uint16_t count = m_count;
        archive.SerializeU16(count);
        if (archive.IsWriting()) {
            for (int i = 0; i < m_count; ++i) serialize(*m_items[i], archive);
            return;
        }
        for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
            auto element = std::make_unique<T>();
            serialize(*element, archive);
            if (archive.Failed()) break;
            Add(element.release(), order);
        }
    }

private:
    static std::unique_ptr<T* []> newBlock(uint32_t capacity) { return std::make_unique<T*[]>(capacity); }

    bool makeRoom() {
        if (m_count == m_capacity) {
            if (m_capacity == kMaxCount) return false;
            Grow();
        }
        return true;
    }

    uint16_t m_step;
    uint16_t m_count = 0;
    uint16_t m_capacity;
    std::unique_ptr<T*[]> m_items;
    bool m_owns;
};
