#include "dialogs/cls_common_dialog.h"

#include <stdexcept>
#include <utility>

#include "dialogs/filter_list.h"
#include "dialogs/running_instance.h"

namespace {

// The record's size in its first form, without the three fields that later
// platform versions added. The Windows facility hands the platform its own
// constant instead, which differs in a 64-bit program.
constexpr uint32_t kRecordSize = 76;

// The open dialog's buffers hold 254 NULs, room for a path of 254
// characters and its NUL. The dialog shows what the buffer holds in its
// file-name box, so anything but NULs would stand before what the user types.
constexpr uint32_t kOpenBufferChars = clsCommonDialog::MaxOpenPathChars;
// The save dialog's buffer is the proposed name padded with NULs to 128.
constexpr uint32_t kSaveBufferChars = 128;

// Only the space character, which the platform's dialogs keep as typed.
std::string TrimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

clsCommonDialog::clsCommonDialog(std::shared_ptr<PlatformFileDialog> platform) : platform_(std::move(platform)) {
  if (!platform_) throw std::invalid_argument("clsCommonDialog needs a platform file dialog");
}

std::string clsCommonDialog::ShowOpen(intptr_t hwnd, const std::string& Title, const std::string& InitDir,
                                      const std::string& Filter, int32_t flags) {
  SetCommonFields(hwnd, Title, Filter, flags);
  DialogRecord_.lpstrFile = std::string(kOpenBufferChars, '\0');
  DialogRecord_.nMaxFile = kOpenBufferChars + 1;
  DialogRecord_.lpstrFileTitle = std::string(kOpenBufferChars, '\0');
  DialogRecord_.nMaxFileTitle = kOpenBufferChars + 1;
  DialogRecord_.lpstrInitialDir = InitDir.empty() ? LastFileName_ : InitDir;

  LastFailure_ = DialogFailure::None;
  if (platform_->GetOpenFileName(DialogRecord_) == 0) {
    LastFailure_ = platform_->LastFailure();
    return "";
  }
  std::string path = TrimSpaces(PlatformText(DialogRecord_.lpstrFile));
  if (!path.empty()) {
    LastFileName_ = path;
    LastFilterIndex_ = static_cast<int32_t>(DialogRecord_.nFilterIndex);
  }
  return path;
}

std::string clsCommonDialog::ShowSave(intptr_t hwnd, const std::string& Title, const std::string& FileName,
                                      const std::string& InitDir, const std::string& Filter, int32_t flags) {
  if (FileName.size() > kSaveBufferChars) throw std::invalid_argument("FileName is longer than 128 characters");
  SetCommonFields(hwnd, Title, Filter, flags);
  DialogRecord_.lpstrFile = FileName + std::string(kSaveBufferChars - FileName.size(), '\0');
  DialogRecord_.nMaxFile = kSaveBufferChars;
  DialogRecord_.lpstrInitialDir = InitDir;
  DialogRecord_.lpstrDefExt = ".gpl";

  LastFailure_ = DialogFailure::None;
  if (platform_->GetSaveFileName(DialogRecord_) == 0) {
    LastFailure_ = platform_->LastFailure();
    return "";
  }
  LastFilterIndex_ = static_cast<int32_t>(DialogRecord_.nFilterIndex);
  return PlatformText(DialogRecord_.lpstrFile);
}

void clsCommonDialog::SetCommonFields(intptr_t hwnd, const std::string& Title, const std::string& Filter,
                                      int32_t flags) {
  DialogRecord_.lStructSize = kRecordSize;
  DialogRecord_.hwndOwner = hwnd;
  DialogRecord_.hInstance = RunningInstanceHandle();
  DialogRecord_.lpstrFilter = FilterList::ToPlatform(Filter);
  DialogRecord_.lpstrTitle = Title;
  DialogRecord_.Flags = static_cast<uint32_t>(flags);
}
