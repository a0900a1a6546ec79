#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values with RFC 4180 quoting. Lines end in "\n" when
// written; "\r\n" and "\r" alone are read as well. Spreadsheets put the
// same form on the clipboard with tabs for commas, so the separator can be
// either.

// One field, quoted when it holds the separator, a quote or a line break.
std::string CsvField(std::string_view text, char separator = ',');
// The fields joined by the separator, ending in "\n".
std::string CsvLine(const std::vector<std::string>& fields, char separator = ',');

struct CsvRecord {
  size_t line = 0;  // 1-based line on which the record starts
  std::vector<std::string> fields;
};

// Every record of `text`, blank lines left out. Throws a Refused naming the line of
// a malformed quote.
std::vector<CsvRecord> ParseCsv(std::string_view text, const std::string& fileName, char separator = ',');
