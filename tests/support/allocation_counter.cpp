#include "support/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// GCC says it builds with AddressSanitizer by a macro, clang by a feature test.
#if defined(__SANITIZE_ADDRESS__)
#define BRIMVALE_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRIMVALE_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

std::atomic<size_t> g_allocations{0};
std::atomic<int> g_counters{0};

}  // namespace

// AddressSanitizer owns operator new and checks that what it made is given back through it, so
// under the sanitizer nothing is counted and the counting tests skip themselves.
#ifndef BRIMVALE_ADDRESS_SANITIZER
namespace {

void* Allocate(size_t size) {
    if (g_counters.load(std::memory_order_relaxed) > 0) g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, size_t) noexcept { std::free(memory); }
#endif

bool SAllocationCounter::Counts() {
#ifdef BRIMVALE_ADDRESS_SANITIZER
    return false;
#else
    return true;
#endif
}

SAllocationCounter::SAllocationCounter() : m_start(g_allocations.load()) { ++g_counters; }
SAllocationCounter::~SAllocationCounter() { --g_counters; }
size_t SAllocationCounter::Count() const { return g_allocations.load() - m_start; }
