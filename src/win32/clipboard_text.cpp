#include "win32/clipboard_text.h"

#include <cstring>

#include "win32/wide_text.h"

namespace {

// Opened for as long as it lives.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != 0) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace

std::optional<std::string> ClipboardText(HWND owner) {
  const OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return std::nullopt;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return std::nullopt;
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (text == nullptr) return std::nullopt;
  std::string utf8 = Utf8(text);
  GlobalUnlock(data);
  return utf8;
}

bool SetClipboardText(HWND owner, std::string_view utf8) {
  const std::wstring text = WideLines(utf8);
  const OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (data == nullptr) return false;
  std::memcpy(GlobalLock(data), text.c_str(), bytes);
  GlobalUnlock(data);
  // The clipboard owns the memory once it takes it.
  if (SetClipboardData(CF_UNICODETEXT, data) != nullptr) return true;
  GlobalFree(data);
  return false;
}
