// The screenshot tool's camera and what each area's shots get: the started program state, the
// main window over which dialogs open, and the language suffix of the file names.
#pragma once

#include <QList>
#include <QPixmap>
#include <QString>
#include <span>

class QWidget;

namespace kt740 {

struct ProgramState;
class FrmMain;
class Notifier;

class Shooter {
 public:
  explicit Shooter(QString dir) : dir_(std::move(dir)) {}

  // Shows the widget, lets it lay out and paint, and saves DIR/NAME.png.
  void Save(QWidget& w, const QString& name);

  // Every shot since the last sheet on one page, for looking at them together.
  void SaveSheet(const QString& name);

 private:
  QString dir_;
  QList<QPixmap> sheet_;
};

struct ShotContext {
  Shooter& shoot;
  ProgramState& state;  // started, with a dozen channels and every feature switch on
  FrmMain& main;        // the parent of the dialogs
  Notifier& notifier;   // answers nothing
  QString suffix;       // "en" or "zh"

  // Saves the form as <Form>-<suffix>.png (name: the form's name, e.g. "FrmCHEdit").
  void Save(QWidget& form, const QString& name) { shoot.Save(form, name + QLatin1Char('-') + suffix); }
};

// The shots of each area, one function each (shots_*.cpp), listed in shots.cpp.
using ShotFunction = void (*)(ShotContext&);
std::span<const ShotFunction> AreaShots();

}  // namespace kt740
