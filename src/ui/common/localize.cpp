#include "ui/common/localize.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolBar>
#include <QWidget>

#include "ui/common/qt_text.h"
#include "ui/common/texts.h"

namespace kt740 {
namespace {

// The value read as a whole number, as the system's conversions do; nothing when it is not one.
std::optional<int> AsNumber(const QVariant& value) {
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  const int n = value.toString().trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return n;
}

bool InToolBar(const QAction& action) {
  for (QObject* o : action.associatedObjects()) {
    if (qobject_cast<QToolBar*>(o)) return true;
  }
  return false;
}

// Reads the tool-tip number and replaces it by the text it gave, as a tool tip holding a number
// turns into a tool tip holding a text.
std::optional<int> TakeToolTipNumber(QObject& object) {
  const std::optional<int> n = AsNumber(object.property(kToolTipProperty));
  if (n) object.setProperty(kToolTipProperty, QVariant());
  return n;
}

void LocalizeAction(QAction& action, const Texts& texts) {
  if (InToolBar(action)) {
    if (const auto n = TakeToolTipNumber(action)) action.setToolTip(PlainCaption(texts.Lang(*n)));
    return;
  }
  if (const auto tag = AsNumber(action.property(kTagProperty))) {
    action.setText(texts.Lang(*tag));
  } else if (const auto caption = AsNumber(action.text())) {
    SetTag(action, *caption);
    action.setText(texts.Lang(*caption));
  }
}

void SetCaption(QWidget& w, const QString& text) {
  if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
    button->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(&w)) {
    group->setTitle(text);
  } else if (auto* label = qobject_cast<QLabel*>(&w)) {
    label->setText(text);
  } else {
    w.setWindowTitle(text);
  }
}

void LocalizeTabs(QTabWidget& tabs, const Texts& texts) {
  const QVariantList tags = tabs.property(kTabTagsProperty).toList();
  QVariantList tips = tabs.property(kTabToolTipsProperty).toList();
  for (int i = 0; i < tabs.count(); ++i) {
    if (i < tags.size()) {
      if (const auto n = AsNumber(tags[i])) tabs.setTabText(i, texts.Lang(*n));
    }
    if (i < tips.size()) {
      if (const auto n = AsNumber(tips[i])) {
        tabs.setTabToolTip(i, texts.Lang(*n));
        tips[i] = QVariant();
      }
    }
  }
  tabs.setProperty(kTabToolTipsProperty, tips);
}

void LocalizeControl(QWidget& w, const Texts& texts) {
  if (auto* label = qobject_cast<QLabel*>(&w)) {
    if (const auto n = AsNumber(label->property(kTagProperty))) label->setText(texts.Lang(*n));
    return;
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(&w)) {
    LocalizeTabs(*tabs, texts);
    return;
  }
  if (const auto n = AsNumber(w.property(kTagProperty)); n && *n > 0) SetCaption(w, texts.Lang(*n));
  if (const auto n = TakeToolTipNumber(w); n && *n > 0) w.setToolTip(texts.Lang(*n));
}

}  // namespace

QString PlainCaption(const QString& menuText) {
  QString s = menuText;
  static const QRegularExpression accessKey(QStringLiteral("\\(&[^)]\\)"));
  s.remove(accessKey);
  s.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  s.remove(QLatin1Char('&'));
  s.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  s = s.trimmed();
  while (s.endsWith(QLatin1Char('.')) || s.endsWith(QChar(0x2026))) s.chop(1);
  return s.trimmed();
}

void SetTag(QObject& object, int id) {
  object.setProperty(kTagProperty, id);
}

void SetToolTipId(QObject& object, int id) {
  object.setProperty(kToolTipProperty, id);
}

void LocalizeForm(QWidget& form, const Texts& texts) {
  if (const auto n = AsNumber(form.property(kTagProperty))) form.setWindowTitle(texts.Lang(*n));
  const QFont font = texts.FormFont();
  form.setFont(font);
  for (QWidget* w : form.findChildren<QWidget*>()) {
    // Pop-up menus are windows of their own and do not inherit the form's font.
    if (w->isWindow()) w->setFont(font);
    LocalizeControl(*w, texts);
  }
  for (QAction* action : form.findChildren<QAction*>()) LocalizeAction(*action, texts);
}

void SetOkCancelCaptions(QWidget& form, const Texts& texts) {
  if (auto* ok = form.findChild<QAbstractButton*>("CommandOK")) ok->setText(texts.Lang(101));
  if (auto* cancel = form.findChild<QAbstractButton*>("CommandCancel")) cancel->setText(texts.Lang(102));
}

void SetCloseHelpCaptions(QWidget& form, const Texts& texts) {
  if (auto* close = form.findChild<QAbstractButton*>("CommandClose"))
    close->setText(texts.BuiltIn(BuiltIn::TextClose));
  if (auto* help = form.findChild<QAbstractButton*>("CommandHelp"))
    help->setText(texts.BuiltIn(BuiltIn::TextHelp));
}

void SuppressContextMenu(QWidget& textBox) {
  textBox.setContextMenuPolicy(Qt::NoContextMenu);
}

void RestoreContextMenu(QWidget& textBox) {
  textBox.setContextMenuPolicy(Qt::DefaultContextMenu);
}

}  // namespace kt740
