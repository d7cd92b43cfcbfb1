#pragma once
// Counts the allocations made through operator new while a counter is alive, for tests of code
// that must not allocate. The test program's operator new and delete count and pass on to malloc.
#include <cstddef>

class SAllocationCounter {
public:
    SAllocationCounter();
    ~SAllocationCounter();
    SAllocationCounter(const SAllocationCounter&) = delete;
    SAllocationCounter& operator=(const SAllocationCounter&) = delete;

    size_t Count() const;
    // False in a sanitizer build, where the sanitizer's own operator new stays in place.
    static bool Counts();

private:
    size_t m_start;
};
