#include "rom_io/rom_bytes.h"

#include <new>

// Under AddressSanitizer the heap is used: it watches the heap, and mapped
// memory it does not.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRUNE_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__) && !defined(KESTRUNE_ADDRESS_SANITIZER)
#define KESTRUNE_LARGE_PAGES 1
#include <sys/mman.h>
#endif

#ifdef KESTRUNE_LARGE_PAGES

namespace {

constexpr size_t kLargePage = size_t{2} << 20;
constexpr size_t kLargeBuffer = kLargePage / 2;

size_t RoundUp(size_t bytes, size_t unit) { return (bytes + unit - 1) / unit * unit; }

}  // namespace

void* AllocateImageMemory(size_t bytes) {
  if (bytes < kLargeBuffer) return ::operator new(bytes);
  const size_t size = RoundUp(bytes, kLargePage);
  // A large page must start on a multiple of its size: map one more than
  // needed and give back what lies before and after the aligned part.
  void* mapped = mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  auto* const start = static_cast<char*>(mapped);
  const auto address = reinterpret_cast<uintptr_t>(start);
  char* const aligned = start + (RoundUp(address, kLargePage) - address);
  if (aligned != start) munmap(start, static_cast<size_t>(aligned - start));
  if (const size_t after = static_cast<size_t>(start + kLargePage - aligned); after > 0) munmap(aligned + size, after);
  // Only a wish: without large pages the memory is still there, in small ones.
  madvise(aligned, size, MADV_HUGEPAGE);
  return aligned;
}

void FreeImageMemory(void* memory, size_t bytes) noexcept {
  if (bytes < kLargeBuffer) {
    ::operator delete(memory);
  } else {
    munmap(memory, RoundUp(bytes, kLargePage));
  }
}

#else

void* AllocateImageMemory(size_t bytes) { return ::operator new(bytes); }
void FreeImageMemory(void* memory, size_t) noexcept { ::operator delete(memory); }

#endif
