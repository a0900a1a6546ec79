// Any filter text and any buffer a platform dialog may hand back: the filter
// always ends in two NULs, a returned path never holds a NUL or a space at
// either end, and what the object remembers changes only when a path comes.
#include <fuzzer/FuzzedDataProvider.h>

#include "dialogs/cls_common_dialog.h"
#include "dialogs/filter_list.h"
#include "fuzz_file.h"

namespace {

// Writes back whatever the input says, as a faulty platform might.
class ScriptedDialog : public PlatformFileDialog {
 public:
  explicit ScriptedDialog(FuzzedDataProvider& input) : input_(input) {}
  int32_t GetOpenFileName(OpenFileNameRecord& record) override { return Answer(record); }
  int32_t GetSaveFileName(OpenFileNameRecord& record) override { return Answer(record); }

 private:
  int32_t Answer(OpenFileNameRecord& record) {
    Require(record.lpstrFilter && record.lpstrFilter->size() >= 1 && record.lpstrFilter->back() == '\0',
            "the filter list ends with a NUL of its own");
    record.lpstrFile = input_.ConsumeRandomLengthString(300);
    record.nFilterIndex = input_.ConsumeIntegral<uint32_t>();
    return input_.ConsumeIntegral<int32_t>();
  }
  FuzzedDataProvider& input_;
};

void CheckOpen(clsCommonDialog& dialog, const std::string& filter) {
  const std::string lastName = dialog.LastFileName();
  const int32_t lastIndex = dialog.FilterIndex();
  const std::string path = dialog.ShowOpen(0, "Open", "", filter);
  Require(path.find('\0') == std::string::npos, "a path holds no NUL");
  Require(path.empty() || (path.front() != ' ' && path.back() != ' '), "a path has no space at either end");
  if (path.empty()) {
    Require(dialog.LastFileName() == lastName && dialog.FilterIndex() == lastIndex,
            "no path leaves what the object remembers");
  } else {
    Require(dialog.LastFileName() == path, "the last path is remembered");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  clsCommonDialog dialog(std::make_shared<ScriptedDialog>(input));
  for (int call = 0; call < 4 && input.remaining_bytes() > 0; ++call) {
    const std::string filter = input.ConsumeRandomLengthString(64);
    FilterList::ReadPairs(FilterList::ToPlatform(filter));
    if (input.ConsumeBool()) {
      CheckOpen(dialog, filter);
    } else {
      const std::string name = input.ConsumeRandomLengthString(140);
      try {
        const std::string path = dialog.ShowSave(0, "Save", name, "", filter);
        Require(path.find('\0') == std::string::npos, "a saved path holds no NUL");
      } catch (const std::invalid_argument&) {
        Require(name.size() > 128, "only a name over 128 characters is refused");
      }
    }
  }
  return 0;
}
