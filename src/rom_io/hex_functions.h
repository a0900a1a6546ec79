#pragma once

#include <cstdint>
#include <string>

// Every read and write of a ROM file passes through these routines, with the
// bytes exchanged as hex text: two upper-case digits per byte, in file order.
//
// Each call opens the file, does its work and closes it again, so no file is
// held open between commands. A step that fails is skipped and the routine
// goes on with the next; the routines never throw.
namespace HexFunctions {

// Reads `count` bytes from `offset` on. Always returns 2 x count digits
// (nothing when count <= 0): a byte that cannot be read repeats the byte
// read before it in the same call, or "00" when none was read yet. Only
// regular files are opened (symbolic links are followed), so a FIFO or a
// device never blocks the caller.
std::string ReadHexBytes(const std::string& path, int32_t offset, int32_t count);

// Writes the digit pairs of `hexText` as bytes from `offset` on, opening and
// closing the file once per byte. An odd-length text gets a "0" in front. A
// pair that is not two hex digits writes the byte before it (or 0 for the
// first pair). Never creates a file and never changes its length: a byte at
// or past the end is a failed write. Returns how many bytes were written.
int32_t WriteHexBytes(const std::string& path, int32_t offset, std::string hexText);

// Reverses the order of the byte pairs: "ABCD" gives "CDAB". An odd-length
// text gets a "0" in front first. Characters are moved as they are.
std::string ReverseHexBytes(std::string hexText);

// Two upper-case hex digits for one byte: 10 gives "0A".
std::string ByteToHex(uint8_t value);

}  // namespace HexFunctions
