#include "ui/common/key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace kt740 {
namespace {

bool IsClipboardKey(const QKeyEvent& e) {
  const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
  if (mods == Qt::ControlModifier && (e.key() == Qt::Key_X || e.key() == Qt::Key_C || e.key() == Qt::Key_V))
    return true;
  if (mods == Qt::ShiftModifier && (e.key() == Qt::Key_Insert || e.key() == Qt::Key_Delete)) return true;
  return e.matches(QKeySequence::Cut) || e.matches(QKeySequence::Copy) || e.matches(QKeySequence::Paste);
}

class KeyRuleFilter : public QObject {
 public:
  KeyRuleFilter(QWidget& box, KeyRule rule) : QObject(&box), box_(box), rule_(std::move(rule)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &box_) return false;
    if (event->type() == QEvent::ShortcutOverride) {
      // The box, not a window shortcut, decides about the clipboard keys.
      auto* e = static_cast<QKeyEvent*>(event);
      if (rule_.dropClipboardKeys && IsClipboardKey(*e)) e->accept();
      return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* e = static_cast<QKeyEvent*>(event);
    if (rule_.enterAsTab && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
      QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
      QApplication::sendEvent(&box_, &tab);
      if (rule_.onEnter) rule_.onEnter();
      return true;
    }
    if (rule_.dropClipboardKeys && IsClipboardKey(*e)) return true;
    const QString text = e->text();
    if (text.size() != 1 || !text[0].isPrint() || (e->modifiers() & Qt::ControlModifier)) return false;
    const QChar typed = text[0];
    if (rule_.dropAbove127 && typed.unicode() > 127) return true;
    if (!rule_.map) return false;
    const std::optional<QChar> mapped = rule_.map(typed);
    if (!mapped) return true;
    if (*mapped == typed) return false;
    if (auto* line = qobject_cast<QLineEdit*>(&box_)) {
      if (line->maxLength() > line->text().size() - line->selectedText().size())
        line->insert(QString(*mapped));
      return true;
    }
    QKeyEvent turned(QEvent::KeyPress, e->key(), e->modifiers(), QString(*mapped), e->isAutoRepeat(),
                     e->count());
    QApplication::sendEvent(&box_, &turned);
    return true;
  }

 private:
  QWidget& box_;
  KeyRule rule_;
};

}  // namespace

void InstallKeyRule(QWidget& box, KeyRule rule) {
  // Characters an input method would commit bypass key presses; such boxes take none.
  if (rule.dropAbove127) box.setAttribute(Qt::WA_InputMethodEnabled, false);
  if (rule.dropClipboardKeys) box.setAcceptDrops(false);
  box.installEventFilter(new KeyRuleFilter(box, std::move(rule)));
}

KeyRule DigitsOnlyRule() {
  KeyRule r;
  r.map = [](QChar c) -> std::optional<QChar> {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return c;
    return std::nullopt;
  };
  return r;
}

KeyRule UpperNameRule() {
  KeyRule r;
  r.map = [](QChar c) -> std::optional<QChar> {
    if (c.unicode() > 127) return std::nullopt;
    if (c.isLetter()) return c.toUpper();
    if (c.isDigit() || c == QLatin1Char(' ')) return c;
    return std::nullopt;
  };
  return r;
}

}  // namespace kt740
