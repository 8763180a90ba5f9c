#pragma once
// A fixed-length text field, padded with blanks on the right, as every name and answer of
// the dialogue is held. Storing a longer text keeps its first characters.

#include <cstddef>
#include <string>
#include <string_view>

namespace floppysplit {

class TextField {
 public:
  explicit TextField(size_t length) : length_(length), chars_(length, ' ') {}

  void store(std::string_view text) {
    chars_.assign(text.substr(0, length_));
    chars_.resize(length_, ' ');
  }

  // Moves the text to the start of the field; blanks fill the end.
  void removeLeadingBlanks() { store(withoutLeadingBlanks(all())); }

  // All characters, trailing blanks included.
  std::string_view all() const { return chars_; }
  // Without trailing blanks: how a name is shown or joined to other text.
  std::string_view trimmed() const { return withoutTrailingBlanks(all()); }
  // Without blanks at either end.
  std::string_view stripped() const { return withoutLeadingBlanks(trimmed()); }

  static std::string_view withoutTrailingBlanks(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
  }
  static std::string_view withoutLeadingBlanks(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
  }

 private:
  size_t length_;
  std::string chars_;
};

}  // namespace floppysplit
