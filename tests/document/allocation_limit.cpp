// Linked into the state-file tests alone: no allocation there comes near
// 64 MiB, so a reader that sizes a buffer from an unchecked length fails at
// once instead of swapping. Being a global replacement, it applies to every
// test of the executable it is linked into, which is why that executable
// holds only those tests.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    if (size > (std::size_t{64} << 20)) throw std::bad_alloc();
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"  // the pair above and below belong together
#endif
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
