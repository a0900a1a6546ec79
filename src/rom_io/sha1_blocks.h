#pragma once

#include <cstddef>
#include <cstdint>

// SHA-1's compression: `count` whole 64-byte blocks digested into the five
// words of `state`.
using Sha1Blocks = void (*)(uint32_t* state, const uint8_t* blocks, size_t count);

// Plain code, for every processor.
void PortableSha1Blocks(uint32_t* state, const uint8_t* blocks, size_t count);

// The processor's own SHA-1 instructions, several times faster than plain
// code; null where this processor or this build has none.
Sha1Blocks InstructionSha1Blocks();

// The fastest of the two this machine can run, chosen once.
Sha1Blocks FastestSha1Blocks();
