#pragma once
// The texts of a project as CSV for spreadsheets (RFC 4180: comma-separated,
// fields with a comma, quote or line break in double quotes, quotes
// doubled, CRLF line ends, UTF-8 with a byte-order mark so that spreadsheet
// programs read it as UTF-8). Columns are described in docs/strings.md.
#include <string>
#include <string_view>
#include <vector>

#include "projecttext/ProjectStrings.h"

namespace balsar {

// The header row and one row per text.
std::string WriteStringsCsv(const ProjectTexts& texts);

// Reads the rows of a strings CSV. Columns are found by their header names;
// "id" and "target" are required, "source" and "language" are read when
// present (any other column is ignored). False, with "line N: ..." in
// error, when the text is not a strings CSV: a quoted field not closed, a
// character after a closing quote, a row whose field count differs from
// the header's, a required column missing, a language column naming another
// language than `language`. translations is left as it was then.
bool ReadStringsCsv(std::string_view text, int language, std::vector<Translation>& translations,
                    std::string& error);

} // namespace balsar
