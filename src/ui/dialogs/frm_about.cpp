#include "ui/dialogs/frm_about.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

#include "core/notifier.h"
#include "link/port_list.h"
#include "ui/common/localize.h"
#include "ui/common/qt_text.h"
#include "ui/common/texts.h"

namespace kt740 {
namespace {

struct AboutTexts {
  const char* title;
  const char* description;
  const char* version;
  const char* dataVersion;
  const char* systemInfo;
  const char* os;
  const char* qt;
  const char* ports;
  const char* noPorts;
};

// The about box has no numbers in the language files; its texts live here in both languages.
const AboutTexts kEnglish = {"About KT-740",
                             "Programming software for the KT-740 hand-held FM radio: read the radio's "
                             "configuration, edit channels and functions, keep them in files, print them "
                             "and write them back to the radio.",
                             "Version",
                             "Data version",
                             "&System Information...",
                             "Operating system",
                             "Qt version",
                             "Serial ports",
                             "none found"};
const AboutTexts kChinese = {"关于 KT-740",
                             "KT-740 手持调频对讲机编程软件：从对讲机读取配置，编辑信道和功能，"
                             "保存为文件，打印，并写回对讲机。",
                             "版本",
                             "数据版本",
                             "系统信息(&S)...",
                             "操作系统",
                             "Qt 版本",
                             "串口",
                             "未找到"};

const AboutTexts& TextsIn(bool chinese) {
  return chinese ? kChinese : kEnglish;
}

}  // namespace

FrmAbout::FrmAbout(const Texts& texts, const QString& dataVersion, const PortList* ports, Notifier& notifier,
                   QWidget* parent)
    : QDialog(parent), chinese_(texts.IsChinese()), ports_(ports), notifier_(notifier) {
  setObjectName(QStringLiteral("frmAbout"));
  const AboutTexts& t = TextsIn(chinese_);
  setWindowTitle(Q(t.title));

  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop);
  auto* name = new QLabel(QStringLiteral("KT-740"), this);
  name->setObjectName(QStringLiteral("lblTitle"));
  auto* version =
      new QLabel(Q(t.version) + QStringLiteral(" ") + QStringLiteral(KT740_VERSION) + QStringLiteral("    ") +
                     Q(t.dataVersion) + QStringLiteral(" ") + dataVersion,
                 this);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* description = new QLabel(Q(t.description), this);
  description->setObjectName(QStringLiteral("lblDescription"));
  description->setWordWrap(true);
  description->setMinimumWidth(360);

  auto* ok = new QPushButton(texts.Lang(101), this);
  ok->setObjectName(QStringLiteral("CommandOK"));
  ok->setDefault(true);
  auto* sysInfo = new QPushButton(Q(t.systemInfo), this);
  sysInfo->setObjectName(QStringLiteral("CommandSysInfo"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(sysInfo, &QPushButton::clicked, this, &FrmAbout::ShowSystemInformation);

  auto* text = new QVBoxLayout;
  text->addWidget(name);
  text->addWidget(version);
  text->addSpacing(8);
  text->addWidget(description);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addSpacing(12);
  top->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(sysInfo);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(12);
  layout->addLayout(buttons);

  LocalizeForm(*this, texts);
  QFont big = font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  name->setFont(big);
  setFixedSize(sizeHint());
}

QString FrmAbout::SystemInformation() const {
  const AboutTexts& t = TextsIn(chinese_);
  QStringList ports;
  if (ports_) {
    for (const PortEntry& p : ports_->Ports()) {
      QString entry = QString::fromStdString(PortEntryText(p.number));
      if (!p.device.empty()) entry += QStringLiteral(" (") + Q(p.device) + QLatin1Char(')');
      ports << entry;
    }
  }
  return Q(t.os) + QStringLiteral(": ") + QSysInfo::prettyProductName() + QStringLiteral(" (") +
         QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion() + QStringLiteral(", ") +
         QSysInfo::currentCpuArchitecture() + QStringLiteral(")\n") + Q(t.qt) + QStringLiteral(": ") +
         QString::fromLatin1(qVersion()) + QStringLiteral("\n") + Q(t.ports) + QStringLiteral(": ") +
         (ports.isEmpty() ? Q(t.noPorts) : ports.join(QStringLiteral(", ")));
}

void FrmAbout::ShowSystemInformation() {
  notifier_.Message(U8(SystemInformation()), Icon::Information);
}

}  // namespace kt740
