#include "ui/common/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace kt740 {
namespace {

constexpr char kLastFolderKey[] = "Settings/LastFolder";

}  // namespace

QString DefaultSuffix(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
  const QRegularExpressionMatch m = pattern.match(filter);
  return m.hasMatch() ? m.captured(1) : QString();
}

QString QtFileDialogs::LastFolder() const {
  QString folder = settings_ ? settings_->value(QString::fromLatin1(kLastFolderKey)).toString() : QString();
  if (folder.isEmpty() || !QFileInfo(folder).isDir())
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return folder;
}

void QtFileDialogs::RememberFolder(const QString& chosenPath) {
  if (!settings_ || chosenPath.isEmpty()) return;
  settings_->setValue(QString::fromLatin1(kLastFolderKey), QFileInfo(chosenPath).absolutePath());
  settings_->sync();
}

QString QtFileDialogs::OpenFileName(QWidget* parent, const QString& filter) {
  QFileDialog dialog(parent, QString(), LastFolder(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().first();
  RememberFolder(path);
  return path;
}

QString QtFileDialogs::SaveFileName(QWidget* parent, const QString& filter, const QString& initial) {
  const QFileInfo proposed(initial);
  const QString folder =
      proposed.isAbsolute() && proposed.absoluteDir().exists() ? proposed.absolutePath() : LastFolder();
  QFileDialog dialog(parent, QString(), folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // With the default suffix the dialog checks "abc.dat", not "abc", before it replaces a file.
  const QString suffix = DefaultSuffix(filter);
  dialog.setDefaultSuffix(suffix);
  dialog.selectFile(proposed.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  QString path = dialog.selectedFiles().first();
  if (!suffix.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  RememberFolder(path);
  return path;
}

}  // namespace kt740
