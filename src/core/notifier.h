// The seam through which the core shows every message box and asks every question.
// The GUI shows QMessageBox, the CLI prints to stderr and answers from its options,
// tests record and answer from a script.
#pragma once

#include <string>

namespace kt740 {

enum class Icon { None, Information, Warning, Question, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

class Notifier {
 public:
  virtual ~Notifier() = default;
  // Texts are UTF-8.
  virtual void Message(const std::string& text, Icon icon = Icon::None) = 0;
  virtual Answer Ask(const std::string& text, Buttons buttons, Icon icon = Icon::Question) = 0;
};

// Shows nothing and answers every question with the first button's affirmative answer.
class SilentNotifier : public Notifier {
 public:
  void Message(const std::string&, Icon) override {}
  Answer Ask(const std::string&, Buttons buttons, Icon) override;
};

}  // namespace kt740
