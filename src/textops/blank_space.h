#pragma once
// Blank lines, blank columns and spaces added to or removed from the whole text.
#include "textops/text_lines.h"

namespace quillo::textops {

// An empty line between every two neighbouring lines; none before the first or after the last.
Lines add_blank_lines(const Lines& text);

// Two spaces after every cell of every line (the trailing ones stay). Lines are aligned to
// cells first (see align_to_cells); tabs are kept.
Lines add_blank_columns(const Lines& text, bool double_byte);

// Drops every line made only of spaces, carriage returns and TABs (an empty line too).
Lines remove_blank_lines(Lines text);

// Deletes every space and TAB byte; full-width spaces stay.
Lines remove_spaces(Lines text);

}  // namespace quillo::textops
