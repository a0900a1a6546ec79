#include "dialogs/win32_file_dialog.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/system_library.h"

// <windows.h> renames these to their A or W forms; here they mean the members
// that PlatformFileDialog declares, and the platform is called by its A names.
#undef GetOpenFileName
#undef GetSaveFileName

namespace {

// One text field as the platform sees it: its characters and a terminating
// NUL, or a null pointer when it is absent. A buffer the platform writes into
// is never smaller than the maximum the record gives for it, so a maximum
// that overstates the text cannot let the platform write past the end.
class TextBuffer {
 public:
  explicit TextBuffer(const std::optional<std::string>& text, DWORD room = 0) : present_(text.has_value()) {
    if (!present_) return;
    chars_.assign(text->begin(), text->end());
    chars_.resize(std::max<size_t>(chars_.size() + 1, room), '\0');
  }

  char* Data() { return present_ ? chars_.data() : nullptr; }

  // The whole buffer but the slot of its terminating NUL.
  std::optional<std::string> Text() const {
    if (!present_) return std::nullopt;
    return std::string(chars_.begin(), chars_.end() - 1);
  }

 private:
  bool present_;
  std::vector<char> chars_;
};

struct RecordBuffers {
  explicit RecordBuffers(const OpenFileNameRecord& record)
      : filter(record.lpstrFilter),
        customFilter(record.lpstrCustomFilter, record.nMaxCustFilter),
        file(record.lpstrFile, record.nMaxFile),
        fileTitle(record.lpstrFileTitle, record.nMaxFileTitle),
        initialDir(record.lpstrInitialDir),
        title(record.lpstrTitle),
        defExt(record.lpstrDefExt),
        templateName(record.lpTemplateName) {}

  TextBuffer filter, customFilter, file, fileTitle, initialDir, title, defExt, templateName;
};

OPENFILENAMEA ToPlatform(const OpenFileNameRecord& record, RecordBuffers& buffers) {
  OPENFILENAMEA ofn{};
  // The platform's own size of the record's first form: the 76 bytes the
  // record holds are right only in a 32-bit program.
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = reinterpret_cast<HWND>(record.hwndOwner);
  ofn.hInstance = reinterpret_cast<HINSTANCE>(record.hInstance);
  ofn.lpstrFilter = buffers.filter.Data();
  ofn.lpstrCustomFilter = buffers.customFilter.Data();
  ofn.nMaxCustFilter = record.nMaxCustFilter;
  ofn.nFilterIndex = record.nFilterIndex;
  ofn.lpstrFile = buffers.file.Data();
  ofn.nMaxFile = record.nMaxFile;
  ofn.lpstrFileTitle = buffers.fileTitle.Data();
  ofn.nMaxFileTitle = record.nMaxFileTitle;
  ofn.lpstrInitialDir = buffers.initialDir.Data();
  ofn.lpstrTitle = buffers.title.Data();
  ofn.Flags = record.Flags;
  ofn.nFileOffset = record.nFileOffset;
  ofn.nFileExtension = record.nFileExtension;
  ofn.lpstrDefExt = buffers.defExt.Data();
  ofn.lCustData = record.lCustData;
  ofn.lpfnHook = reinterpret_cast<LPOFNHOOKPROC>(record.lpfnHook);
  ofn.lpTemplateName = buffers.templateName.Data();
  return ofn;
}

// Every field comes back, the text buffers whole; the record keeps its own
// lStructSize.
void ReadBack(const OPENFILENAMEA& ofn, const RecordBuffers& buffers, OpenFileNameRecord& record) {
  record.hwndOwner = reinterpret_cast<intptr_t>(ofn.hwndOwner);
  record.hInstance = reinterpret_cast<intptr_t>(ofn.hInstance);
  record.lpstrFilter = buffers.filter.Text();
  record.lpstrCustomFilter = buffers.customFilter.Text();
  record.nMaxCustFilter = ofn.nMaxCustFilter;
  record.nFilterIndex = ofn.nFilterIndex;
  record.lpstrFile = buffers.file.Text();
  record.nMaxFile = ofn.nMaxFile;
  record.lpstrFileTitle = buffers.fileTitle.Text();
  record.nMaxFileTitle = ofn.nMaxFileTitle;
  record.lpstrInitialDir = buffers.initialDir.Text();
  record.lpstrTitle = buffers.title.Text();
  record.Flags = ofn.Flags;
  record.nFileOffset = ofn.nFileOffset;
  record.nFileExtension = ofn.nFileExtension;
  record.lpstrDefExt = buffers.defExt.Text();
  record.lCustData = ofn.lCustData;
  record.lpfnHook = reinterpret_cast<uintptr_t>(ofn.lpfnHook);
  record.lpTemplateName = buffers.templateName.Text();
}

// The dialog library brings six more with it, some MiB that the editor
// would otherwise carry from its start: it is loaded when a dialog first opens.
constexpr wchar_t DialogLibrary[] = L"comdlg32.dll";
using DialogFunction = decltype(::GetOpenFileNameA);

DWORD ExtendedError() {
  static auto* const function =
      LoadSystemFunction<decltype(::CommDlgExtendedError)>(DialogLibrary, "CommDlgExtendedError");
  return function != nullptr ? function() : static_cast<DWORD>(CDERR_INITIALIZATION);
}

int32_t Show(OpenFileNameRecord& record, DialogFunction* dialog) {
  if (dialog == nullptr) return 0;
  RecordBuffers buffers(record);
  OPENFILENAMEA ofn = ToPlatform(record, buffers);
  const BOOL chosen = dialog(&ofn);
  ReadBack(ofn, buffers, record);
  return chosen;
}

// A zero result with no extended error is a cancel.
DialogFailure FailureOf(DWORD extendedError) {
  if (extendedError == 0) return DialogFailure::None;
  return extendedError == FNERR_BUFFERTOOSMALL ? DialogFailure::PathTooLong : DialogFailure::Other;
}

}  // namespace

int32_t Win32FileDialog::GetOpenFileName(OpenFileNameRecord& record) {
  static DialogFunction* const dialog = LoadSystemFunction<DialogFunction>(DialogLibrary, "GetOpenFileNameA");
  const int32_t chosen = Show(record, dialog);
  failure_ = chosen != 0 ? DialogFailure::None : FailureOf(ExtendedError());
  return chosen;
}

int32_t Win32FileDialog::GetSaveFileName(OpenFileNameRecord& record) {
  static DialogFunction* const dialog = LoadSystemFunction<DialogFunction>(DialogLibrary, "GetSaveFileNameA");
  const int32_t chosen = Show(record, dialog);
  failure_ = chosen != 0 ? DialogFailure::None : FailureOf(ExtendedError());
  return chosen;
}
