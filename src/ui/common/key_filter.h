// The keyboard rules of the program's text boxes: which characters a box takes (and how it
// turns them, e.g. to upper case), Enter as Tab, and the clipboard keys and characters above 127
// that code and name boxes drop.
#pragma once

#include <QChar>
#include <functional>
#include <optional>

class QWidget;

namespace kt740 {

struct KeyRule {
  // The character the box gets for a typed one; nothing drops it. Empty: every character.
  std::function<std::optional<QChar>(QChar)> map;
  bool enterAsTab = true;
  bool dropClipboardKeys = true;  // Ctrl+X, Ctrl+C, Ctrl+V (and Shift+Insert, Shift+Delete)
  bool dropAbove127 = true;
  // Called after Enter moved the focus (some boxes move on to the next box of their group).
  std::function<void()> onEnter;
};

// Installs the rule on a box (a QLineEdit, or any widget taking key presses); the filter is a
// child of the box and goes with it.
void InstallKeyRule(QWidget& box, KeyRule rule);

// Rules several editors share.
KeyRule DigitsOnlyRule();
// Letters (upper-cased), digits and spaces.
KeyRule UpperNameRule();

}  // namespace kt740
