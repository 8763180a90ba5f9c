#include "dialogue/yes_no.h"

#include "dialogue/console.h"
#include "runtime/text_field.h"

namespace floppysplit {

namespace {

constexpr size_t kQuestionLength = 80;
constexpr size_t kAnswerLength = 80;
constexpr std::string_view kSuffix = " (Y for yes, N for no)?";

}  // namespace

std::string questionPrompt(std::string_view question) {
  TextField field(kQuestionLength);
  field.store(question);
  const std::string_view shown = TextField::withoutLeadingBlanks(field.all());
  const size_t terminator = shown.find_first_of(std::string_view("?%\\\0", 4));
  // Without a terminator nothing of the question is shown, only the suffix.
  const std::string_view text =
      terminator == std::string_view::npos ? std::string_view() : shown.substr(0, terminator);
  return std::string(text) + std::string(kSuffix);
}

bool askYesNo(std::string_view question, std::optional<bool> given) {
  const std::string prompt = questionPrompt(question);
  if (given) {
    writeListLine({prompt});
    writeConsoleLine(*given ? "y" : "n");
    return *given;
  }
  TextField answer(kAnswerLength);
  while (true) {
    writeListLine({prompt});
    readListValue(answer, OnFailure::report);
    const std::string_view unblanked = TextField::withoutLeadingBlanks(answer.all());
    if (!unblanked.empty() && (unblanked[0] == 'n' || unblanked[0] == 'N')) return false;
    if (answer.all()[0] == 'y' || answer.all()[0] == 'Y') return true;
  }
}

}  // namespace floppysplit
