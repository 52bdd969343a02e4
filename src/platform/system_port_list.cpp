#include "platform/system_port_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include "core/safe_file.h"

namespace kt740 {
namespace {

#ifndef Q_OS_WIN
// The /dev/serial/by-id name of a device: it names the adapter, not the socket it sits in.
QString ByIdName(const QString& systemLocation) {
  const QDir byId("/dev/serial/by-id");
  if (!byId.exists()) return {};
  const QString target = QFileInfo(systemLocation).canonicalFilePath();
  for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
    if (link.canonicalFilePath() == target) return link.fileName();
  }
  return {};
}

QString Identity(const QSerialPortInfo& info) {
  if (info.hasVendorIdentifier() && info.hasProductIdentifier() && !info.serialNumber().isEmpty())
    return QString("usb:%1:%2:%3")
        .arg(info.vendorIdentifier(), 4, 16, QChar('0'))
        .arg(info.productIdentifier(), 4, 16, QChar('0'))
        .arg(info.serialNumber());
  const QString byId = ByIdName(info.systemLocation());
  if (!byId.isEmpty()) return "by-id:" + byId;
  return "dev:" + info.systemLocation();
}
#endif

int WindowsNumber(const QString& portName) {
  const PortChoice c = ParsePortChoice(portName.toStdString());
  return c.number;
}

}  // namespace

std::string PortMapPath(const std::string& userDir) {
  return QDir(QString::fromStdString(userDir)).filePath("ports.map").toStdString();
}

SystemPortList::SystemPortList(std::string mapFile) : mapFile_(std::move(mapFile)) {}

std::vector<PortEntry> SystemPortList::Ports() const {
  std::vector<FoundPort> found;
  const auto infos = QSerialPortInfo::availablePorts();
  for (const QSerialPortInfo& info : infos) {
    FoundPort p;
    p.device = info.systemLocation().toStdString();
    p.description = info.description().toStdString();
#ifdef Q_OS_WIN
    p.fixedNumber = WindowsNumber(info.portName());
    p.identity = info.portName().toStdString();
    if (p.fixedNumber <= 0) continue;
    p.device = info.portName().toStdString();
#else
    (void)WindowsNumber;
#ifdef Q_OS_MACOS
    // Each device shows twice; the call-out side opens without waiting for carrier.
    if (info.portName().startsWith("tty.")) continue;
#endif
    p.identity = Identity(info).toStdString();
#endif
    found.push_back(std::move(p));
  }

  if (!loaded_ && !mapFile_.empty()) {
    if (const auto text = ReadWholeFile(mapFile_)) map_ = ParsePortMap(*text);
    loaded_ = true;
  }
  const PortMap before = map_;
  std::vector<PortEntry> entries = NumberPorts(found, map_);
  if (map_ != before && !mapFile_.empty()) {
    QDir().mkpath(QFileInfo(QString::fromStdString(mapFile_)).absolutePath());
    WriteFileReplacing(mapFile_, FormatPortMap(map_));
  }
  return entries;
}

}  // namespace kt740
