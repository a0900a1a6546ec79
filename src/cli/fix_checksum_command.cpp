#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/rom_image.h"
#include "exchange/file_access.h"
#include "items/wording.h"
#include "rom_io/checksum_fix.h"
#include "rom_io/file_path.h"
#include "rom_io/file_replacement.h"

namespace {

// "global checksum 0xC904 -> 0x56C7; Stadium checksums of 3 half-banks refreshed"
std::string DescribeRefresh(const ChecksumRefresh& refresh) {
  std::string text;
  if (refresh.globalBefore != refresh.globalAfter) {
    text = "global checksum " + ChecksumText(refresh.globalBefore) + " -> " + ChecksumText(refresh.globalAfter);
  }
  if (refresh.blocksChanged) {
    const int halves = refresh.halfBanksChanged;
    text += (text.empty() ? "" : "; ") + std::string("Stadium checksums") +
            (halves > 0 ? " of " + Counted(static_cast<size_t>(halves), "half-bank", "half-banks") : "") +
            " refreshed";
  }
  return text;
}

void Report(const std::string& path, const ChecksumFix& fix) {
  if (fix.error) throw Refused(EditorProblem::CannotWriteFile, FileDetails(path, fix.error));
  if (fix.changedSinceScan) {
    throw FileError(Quoted(path) + " changed while it was read; nothing was written. Run fix-checksum again.");
  }
  if (fix.refresh.Changed()) NoteRomWritten();
  if (!fix.refresh.Changed()) {
    std::cout << "Every checksum of " << Quoted(path) << " is already current (global checksum "
              << ChecksumText(fix.refresh.globalAfter) << ").\n";
  } else {
    std::cout << Quoted(path) << ": " << DescribeRefresh(fix.refresh) << ".\n";
  }
}

// A file that cannot be opened for writing is still refused first for not
// being a ROM image, as when it can.
[[noreturn]] void RefuseUnwritable(const std::string& path) {
  const std::error_code cause = LastFileError();
  RefuseNonGameBoyImage(path, ScanRomFile(path));
  throw Refused(EditorProblem::CannotWriteFile, FileDetails(path, cause));
}

// A file no larger than a cartridge is read once, whole; the refusals come
// before anything is written.
ChecksumFix FixWholeImage(std::FILE* file, const std::string& path, int64_t size) {
  const ItemImage image(ReadRomFile(file, path, size));
  RefuseNonGameBoyImage(path, ReadHeaderBytes(image.Bytes()));
  RefuseCutShort(path, image);
  if (static_cast<int64_t>(image.Bytes().size()) != size) {
    ChecksumFix changed;
    changed.changedSinceScan = true;
    return changed;
  }
  return FixChecksumsIn(file, image.Bytes(), StadiumBlocksOf(image));
}

// A larger file streams past in constant memory; it has no Stadium blocks.
ChecksumFix FixLargeFile(std::FILE* file, const std::string& path) {
  const HeaderFacts header = ScanRomFile(file, path);
  RefuseNonGameBoyImage(path, header);
  return FixGlobalChecksumIn(file, header);
}

// Writes the checksum bytes and nothing else, through the one handle that
// read them; the file keeps its length.
ExitStatus RunFixChecksum(const std::string& path) {
  const int64_t size = ReadableFileSize(path);
  const CFileHandle file(OpenCFile(path, "r+b"));
  if (!file) RefuseUnwritable(path);
  Report(path, size > LargestRomSize ? FixLargeFile(file.get(), path) : FixWholeImage(file.get(), path, size));
  return ExitStatus::Success;
}

}  // namespace

void AddFixChecksumCommand(CLI::App& app, CommandRun& run) {
  auto* command = app.add_subcommand(
      "fix-checksum", "Recompute the Stadium checksum blocks of a 2 MiB ROM and the global checksum, and write them");
  auto path = std::make_shared<std::string>();
  command->add_option("ROM", *path, "ROM image")->required();
  command->callback([&run, path] { run = [path] { return RunFixChecksum(*path); }; });
}
