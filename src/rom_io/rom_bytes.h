#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

// Memory for a whole ROM image. A fresh buffer costs the kernel a page fault
// per 4 KiB on first touch, which for a 2 MiB ROM takes longer than reading
// the file into it; so, where the system offers them, buffers of a MiB or
// more are placed on 2 MiB pages, a fault each. Smaller ones come from the
// heap. A RomBytes made or grown to a size holds unset bytes until they are
// written.
void* AllocateImageMemory(size_t bytes);
void FreeImageMemory(void* memory, size_t bytes) noexcept;

template <typename T>
struct ImageAllocator {
  using value_type = T;

  ImageAllocator() = default;
  template <typename U>
  ImageAllocator(const ImageAllocator<U>&) noexcept {}

  T* allocate(size_t count) { return static_cast<T*>(AllocateImageMemory(count * sizeof(T))); }
  void deallocate(T* memory, size_t count) noexcept { FreeImageMemory(memory, count * sizeof(T)); }

  // Growing leaves the new bytes as they come, unset: a file's bytes are
  // read over them next, and setting them first costs as much again.
  template <typename U>
  void construct(U* place) noexcept {
    ::new (static_cast<void*>(place)) U;
  }
  template <typename U, typename... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }

  friend bool operator==(const ImageAllocator&, const ImageAllocator&) = default;
};

using RomBytes = std::vector<uint8_t, ImageAllocator<uint8_t>>;
