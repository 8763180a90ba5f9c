#pragma once
// One item handed to an output operation: a text (blanks are part of it), an integer of
// 4 or 8 bytes (written alike), or a floating-point number (formatted lines only).

#include <cstdint>
#include <string>
#include <string_view>

namespace floppysplit {

class Item {
 public:
  enum class Kind { text, integer, real };

  Item(std::string_view text) : kind_(Kind::text), text_(text) {}
  Item(const char* text) : kind_(Kind::text), text_(text) {}
  Item(const std::string& text) : kind_(Kind::text), text_(text) {}
  Item(int32_t value) : kind_(Kind::integer), integer_(value) {}
  Item(int64_t value) : kind_(Kind::integer), integer_(value) {}
  Item(double value) : kind_(Kind::real), real_(value) {}

  Kind kind() const { return kind_; }
  std::string_view text() const { return text_; }
  int64_t integer() const { return integer_; }
  double real() const { return real_; }

 private:
  Kind kind_;
  std::string_view text_;
  int64_t integer_ = 0;
  double real_ = 0;
};

}  // namespace floppysplit
