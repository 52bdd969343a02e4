// The common file dialog of the main window, behind a seam so that tests answer it.
#pragma once

#include <QString>

class QSettings;
class QWidget;

namespace kt740 {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or an empty text when the dialog was cancelled.
  virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
  // initial: the proposed name (a file name or a path). The dialog asks before it replaces a file.
  virtual QString SaveFileName(QWidget* parent, const QString& filter, const QString& initial) = 0;
};

// Qt's file dialog, in the program's language (see UseQtTranslations). It starts in the folder
// used last, kept in `settings` (group "Settings", key "LastFolder") when given.
class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QSettings* settings = nullptr) : settings_(settings) {}

  QString OpenFileName(QWidget* parent, const QString& filter) override;
  QString SaveFileName(QWidget* parent, const QString& filter, const QString& initial) override;

  // The folder a dialog starts in, and its update after a choice.
  QString LastFolder() const;
  void RememberFolder(const QString& chosenPath);

 private:
  QSettings* settings_;
};

// The suffix of the first pattern of a filter: "Data File (*.dat)" gives "dat".
QString DefaultSuffix(const QString& filter);

}  // namespace kt740
