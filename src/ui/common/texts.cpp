#include "ui/common/texts.h"

#include <QStringList>

#include "program/program_state.h"
#include "ui/common/qt_text.h"

namespace kt740 {

QString Texts::Lang(int id) const {
  return Q(language_.Text(id));
}

QString Texts::Section(const char* section, const QString& key) const {
  return Q(language_.Section(section, U8(key)));
}

QString Texts::BuiltIn(kt740::BuiltIn entry) const {
  return Q(language_.BuiltIn(entry));
}

QFont Texts::FormFont() const {
  QFont font;
  const QString family = Lang(20);
  if (!family.isEmpty()) font.setFamilies({family});
  bool ok = false;
  const int points = Lang(21).toInt(&ok);
  if (ok && points > 0) font.setPointSize(points);
  return font;
}

Texts TextsFor(const ProgramState& state) {
  return Texts(TextsOf(state));
}

}  // namespace kt740
