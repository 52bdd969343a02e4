// The Notifier every test uses: records each message and question, answers from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/notifier.h"

namespace kt740::test {

class RecordingNotifier : public Notifier {
 public:
  struct Entry {
    std::string text;
    Icon icon = Icon::None;
    bool question = false;
    Buttons buttons = Buttons::Ok;
  };

  void Message(const std::string& text, Icon icon) override {
    entries.push_back({text, icon, false, Buttons::Ok});
  }

  Answer Ask(const std::string& text, Buttons buttons, Icon icon) override {
    entries.push_back({text, icon, true, buttons});
    if (answers.empty()) return fallback;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const Entry& e : entries) t.push_back(e.text);
    return t;
  }

  // The first line of each text: "file error." of a file error, whatever its second line says.
  std::vector<std::string> FirstLines() const {
    std::vector<std::string> t;
    for (const Entry& e : entries) t.push_back(e.text.substr(0, e.text.find('\n')));
    return t;
  }

  std::vector<Entry> entries;
  std::deque<Answer> answers;  // answered in order; then `fallback`
  Answer fallback = Answer::Cancel;
};

}  // namespace kt740::test
