#pragma once

#include <filesystem>
#include <functional>
#include <system_error>

// Replaces a file as a whole or not at all: the new content is written to a
// temporary file in the same folder, which is renamed over the target only
// when it is complete. A failure at any step leaves the target as it was and
// removes the temporary file.

// Fills the temporary file at `temporary`; returns what went wrong, if anything.
using FileFiller = std::function<std::error_code(const std::filesystem::path& temporary)>;

// `target` may not exist yet; a symbolic link is followed, so the file it
// names is replaced and the link stays. With `startFromCopy`, the temporary
// file starts as a copy of the target (permissions too); otherwise it starts
// empty. A target that exists but is no regular file (a device, a FIFO,
// standard output) is written straight through instead, as nothing can be
// renamed over it. A file that cannot be opened for writing is refused with
// the system's reason, so that a read-only file stays as it is.
std::error_code ReplaceFile(const std::filesystem::path& target, bool startFromCopy, const FileFiller& fill);

// The reason behind the last failed C or stream call on a file.
std::error_code LastFileError();
