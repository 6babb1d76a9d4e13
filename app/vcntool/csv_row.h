#pragma once

// One record of an RFC 4180 file: fields separated by commas, the line ended by CR LF. A field
// holding a comma, a double quote, CR or LF is put in double quotes, its quotes doubled.

#include <string>
#include <vector>

std::string CsvRow(const std::vector<std::string>& fields);
