#pragma once
// The console text layer: how the dialogue writes lines and reads answers.
//
// A list line starts with one blank; text items run together; an integer is written as two
// blanks and its digits (one blank and a minus sign when negative), and a text that
// follows a number gets one blank first. Every output line ends with CR LF and reaches the
// console before the next read begins. A failed console write, or a read whose caller
// asked for no status, ends the run with the error report.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "dialogue/item.h"
#include "runtime/status.h"
#include "runtime/text_field.h"

namespace floppysplit {

// The text of one list line, without its line end.
std::string listLineText(std::span<const Item> items);

void writeListLine(std::initializer_list<Item> items);

// `text` as one line, as it stands: what the user would have typed there.
void writeConsoleLine(std::string_view text);

// One formatted output (see layout.h) to the console; it may span several lines.
void writeFormatted(std::string_view layout, std::initializer_list<Item> items = {});

// One formatted record written into a text field: the text fills it from its first
// character and the rest of the field is blank.
void writeFormattedToField(TextField& field, std::string_view layout,
                           std::initializer_list<Item> items);

// One whole line into `field`, blanks and all. 0, or -1 at end of input (the field then
// keeps what it held).
Status readAnswerLine(TextField& field);

// One free-form value. 0 on success and when a slash, a lone comma or an empty repeat
// leaves the target as it was; -1 at end of input; 10016 for an integer that is not an
// optional sign and digits. The target is changed only on success with a value.
Status readListValue(TextField& field, OnFailure onFailure);
Status readListValue(int64_t& value, OnFailure onFailure);

}  // namespace floppysplit
