#include "ui/common/fonts.h"

#include <QFont>
#include <QStringList>

namespace kt740 {

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("Arial"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
                              QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
  QFont::insertSubstitutions(
      QStringLiteral("Microsoft YaHei"),
      {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
       QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("PingFang SC"), QStringLiteral("DejaVu Sans")});
}

}  // namespace kt740
