#include "exchange/csv.h"

#include "items/refusal.h"
#include "exchange/file_access.h"

namespace {

// Reads records one character at a time, so that quoted fields may span lines.
class CsvReader {
 public:
  CsvReader(std::string_view text, const std::string& fileName, char separator)
      : text_(text), fileName_(fileName), separator_(separator) {}

  std::vector<CsvRecord> Records() {
    std::vector<CsvRecord> records;
    while (at_ < text_.size()) {
      CsvRecord record = Record();
      const bool blank = record.fields.size() == 1 && record.fields[0].empty();
      if (!blank) records.push_back(std::move(record));
    }
    return records;
  }

 private:
  CsvRecord Record() {
    CsvRecord record{line_, {}};
    do {
      record.fields.push_back(Field());
    } while (Take(separator_));
    if (!EndOfLine())
      Fail(line_, "a field is followed by something other than a " + SeparatorName() + " or the end of the line");
    return record;
  }

  std::string Field() { return Peek() == '"' ? QuotedField() : PlainField(); }

  std::string PlainField() {
    std::string field;
    while (at_ < text_.size() && Peek() != separator_ && Peek() != '\n' && Peek() != '\r') {
      if (Peek() == '"') Fail(line_, "a quote stands inside a field that does not start with one");
      field += text_[at_++];
    }
    return field;
  }

  std::string QuotedField() {
    const size_t startLine = line_;
    std::string field;
    ++at_;
    while (true) {
      if (at_ >= text_.size()) Fail(startLine, "a quoted field is never closed");
      const char c = text_[at_++];
      if (c == '"' && !Take('"')) return field;
      // "\r\n" ends one line, as "\r" or "\n" alone does.
      if (c == '\n' || (c == '\r' && (at_ >= text_.size() || Peek() != '\n'))) ++line_;
      field += c;
    }
  }

  // Consumes a line ending, "\n", "\r\n" or "\r" alone, or the end of the text.
  bool EndOfLine() {
    if (at_ >= text_.size()) return true;
    const bool carriageReturn = Take('\r');
    if (!Take('\n') && !carriageReturn) return false;
    ++line_;
    return true;
  }

  std::string SeparatorName() const { return separator_ == '\t' ? "tab" : "comma"; }
  char Peek() const { return text_[at_]; }
  bool Take(char c) {
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  [[noreturn]] void Fail(size_t line, const std::string& what) const {
    ProblemDetails details = FileDetails(fileName_);
    details.line = line;
    details.text = what;
    throw Refused(EditorProblem::BadCsvLine, details);
  }

  std::string_view text_;
  const std::string& fileName_;
  char separator_;
  size_t at_ = 0;
  size_t line_ = 1;
};

}  // namespace

std::string CsvField(std::string_view text, char separator) {
  const char special[] = {separator, '"', '\r', '\n'};
  if (text.find_first_of(std::string_view(special, sizeof special)) == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? "\"\"" : std::string(1, c);
  return quoted + "\"";
}

std::string CsvLine(const std::vector<std::string>& fields, char separator) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i)
    line += (i == 0 ? "" : std::string(1, separator)) + CsvField(fields[i], separator);
  return line + "\n";
}

std::vector<CsvRecord> ParseCsv(std::string_view text, const std::string& fileName, char separator) {
  return CsvReader(text, fileName, separator).Records();
}
