// The common file dialog of the main window, behind a seam so that tests answer it.
#pragma once

#include <QString>

class QWidget;

namespace kt740 {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or an empty text when the dialog was cancelled.
  virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& filter, const QString& initial) = 0;
};

class QtFileDialogs : public FileDialogs {
 public:
  QString OpenFileName(QWidget* parent, const QString& filter) override;
  QString SaveFileName(QWidget* parent, const QString& filter, const QString& initial) override;
};

}  // namespace kt740
