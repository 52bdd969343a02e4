#include "ui/common/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace kt740 {
QString QtFileDialogs::OpenFileName(QWidget* parent, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString QtFileDialogs::SaveFileName(QWidget* parent, const QString& filter, const QString& initial) {
  QString path = QFileDialog::getSaveFileName(parent, QString(), initial, filter);
  // A name typed without an extension gets the data file's.
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".dat");
  return path;
}

}  // namespace kt740
