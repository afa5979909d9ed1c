// Replaces the global allocation functions so that memory that cannot be obtained ends the
// program through the runtime-error report, naming the size that failed, rather than an
// exception no caller of this program expects.

#include <cstdlib>
#include <new>

#include "text/runtime_error.h"

void* operator new(std::size_t bytes) {
    if (void* block = std::malloc(bytes == 0 ? 1 : bytes)) return block;
    vantrel::ReportAllocationFailure(bytes);
}

void* operator new[](std::size_t bytes) { return ::operator new(bytes); }

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
