#include "ui/common/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace kt740 {

void UseQtTranslations(int languageId) {
  static std::unique_ptr<QTranslator> installed;
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  if (languageId != 2) return;
  auto translator = std::make_unique<QTranslator>();
  const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
    if (translator->load(QString::fromLatin1(name), dir)) {
      QCoreApplication::installTranslator(translator.get());
      installed = std::move(translator);
      return;
    }
  }
}

}  // namespace kt740
