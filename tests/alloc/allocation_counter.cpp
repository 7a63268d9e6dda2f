#include "tests/alloc/allocation_counter.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <new>

// glibc's own allocator, under the names it exports for allocators that wrap it.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void __libc_free(void* block);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {

// Lock-free atomics: counting must not allocate, and any thread may allocate.
std::atomic<bool> counting{false};
std::atomic<std::size_t> allocations{0};

void CountOne() {
  if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
}

bool IsPowerOfTwo(std::size_t n) { return n != 0 && (n & (n - 1)) == 0; }

}  // namespace

void StartCountingAllocations() {
  allocations.store(0);
  counting.store(true);
}

std::size_t StopCountingAllocations() {
  counting.store(false);
  return allocations.load();
}

extern "C" {

void* malloc(std::size_t size) noexcept {
  CountOne();
  return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept {
  CountOne();
  return __libc_calloc(count, size);
}

void* realloc(void* block, std::size_t size) noexcept {
  CountOne();
  return __libc_realloc(block, size);
}

void free(void* block) noexcept { __libc_free(block); }

void* memalign(std::size_t alignment, std::size_t size) noexcept {
  CountOne();
  return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
  CountOne();
  return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, std::size_t alignment, std::size_t size) noexcept {
  CountOne();
  if (!IsPowerOfTwo(alignment) || alignment % sizeof(void*) != 0) return EINVAL;
  void* block = __libc_memalign(alignment, size);
  if (block == nullptr) return ENOMEM;
  *out = block;
  return 0;
}

}  // extern "C"

// The global operator new and delete, through the counted functions above.
namespace {

void* AllocateOrThrow(std::size_t size) {
  if (void* block = malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

void* AllocateAlignedOrThrow(std::size_t size, std::align_val_t alignment) {
  if (void* block = aligned_alloc(static_cast<std::size_t>(alignment), size == 0 ? 1 : size)) {
    return block;
  }
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, std::align_val_t alignment) {
  return AllocateAlignedOrThrow(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return AllocateAlignedOrThrow(size, alignment);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return aligned_alloc(static_cast<std::size_t>(alignment), size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return aligned_alloc(static_cast<std::size_t>(alignment), size == 0 ? 1 : size);
}

void operator delete(void* block) noexcept { free(block); }
void operator delete[](void* block) noexcept { free(block); }
void operator delete(void* block, std::size_t) noexcept { free(block); }
void operator delete[](void* block, std::size_t) noexcept { free(block); }
void operator delete(void* block, std::align_val_t) noexcept { free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { free(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { free(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  free(block);
}
