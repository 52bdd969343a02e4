// The port list: the start-up check and what a user's port argument means.
#include "link/port_list.h"

#include <gtest/gtest.h>

#include "link/port_numbers.h"
#include "program/app_state.h"
#include "program/startup.h"

namespace kt740 {
namespace {

class FixedPorts : public PortList {
 public:
  explicit FixedPorts(std::vector<PortEntry> p) : ports(std::move(p)) {}
  std::vector<PortEntry> Ports() const override { return ports; }
  std::vector<PortEntry> ports;
};

TEST(PortList, RememberedPortCheck) {
  FixedPorts ports({{3, "/dev/ttyUSB0", ""}, {7, "/dev/ttyS0", ""}});
  AppState app;
  app.ComPort = 7;
  CheckRememberedPort(app, ports);
  EXPECT_EQ(app.ComPort, 7);
  app.ComPort = 5;
  CheckRememberedPort(app, ports);
  EXPECT_EQ(app.ComPort, 3);
  FixedPorts none({});
  CheckRememberedPort(app, none);
  EXPECT_EQ(app.ComPort, 0);
  EXPECT_EQ(DeviceOfPort(ports, 7), "/dev/ttyS0");
  EXPECT_EQ(DeviceOfPort(ports, 8), "");
  EXPECT_EQ(PortEntryText(12), "COM12");
}

TEST(PortList, PortChoice) {
  const struct {
    const char* text;
    int number;
    const char* device;
  } cases[] = {{"3", 3, ""},  {"COM12", 12, ""}, {"com4", 4, ""}, {"/dev/pts/4", 0, "/dev/pts/4"},
               {"0", 0, "0"}, {"COM", 0, "COM"}, {"3a", 0, "3a"}, {"\\\\.\\COM3", 0, "\\\\.\\COM3"}};
  for (const auto& c : cases) {
    const PortChoice p = ParsePortChoice(c.text);
    EXPECT_EQ(p.number, c.number) << c.text;
    EXPECT_EQ(p.device, c.device) << c.text;
  }
}

TEST(PortNumbers, SameDeviceSameNumberAcrossReplugs) {
  PortMap map;
  auto ports = NumberPorts(
      {{"usb:0403:6001:A1", "/dev/ttyUSB0", "FT232R"}, {"dev:/dev/ttyS0", "/dev/ttyS0", ""}}, map);
  ASSERT_EQ(ports.size(), 2u);
  EXPECT_EQ(ports[0].number, 1);
  EXPECT_EQ(ports[0].device, "/dev/ttyUSB0");
  EXPECT_EQ(ports[1].number, 2);

  // Unplugged, another adapter plugged in, then the first one back on another path.
  ports = NumberPorts({{"usb:067b:2303:", "/dev/ttyUSB0", ""}}, map);
  EXPECT_EQ(ports[0].number, 3);  // 1 and 2 stay reserved for their devices
  ports =
      NumberPorts({{"usb:067b:2303:", "/dev/ttyUSB0", ""}, {"usb:0403:6001:A1", "/dev/ttyUSB1", ""}}, map);
  EXPECT_EQ(ports[0].number, 1);
  EXPECT_EQ(ports[0].device, "/dev/ttyUSB1");
  EXPECT_EQ(ports[1].number, 3);

  // The map survives a restart through its file.
  PortMap again = ParsePortMap(FormatPortMap(map));
  EXPECT_EQ(again, map);
  EXPECT_EQ(NumberPorts({{"dev:/dev/ttyS0", "/dev/ttyS0", ""}}, again)[0].number, 2);
}

TEST(PortNumbers, FixedNumbersWin) {
  PortMap map = {{"usb:x", 3}};
  const auto ports =
      NumberPorts({{"usb:x", "/dev/a", ""}, {"COM3", "COM3", "", 3}, {"COM1", "COM1", "", 1}}, map);
  ASSERT_EQ(ports.size(), 3u);
  EXPECT_EQ(ports[0].device, "COM1");
  EXPECT_EQ(ports[1].device, "/dev/a");
  EXPECT_EQ(ports[1].number, 2);
  EXPECT_EQ(ports[2].device, "COM3");
  EXPECT_EQ(map["usb:x"], 2);
  EXPECT_TRUE(ParsePortMap("x\n0 zero\n7\n12 ok\r\n").size() == 1);
}

}  // namespace
}  // namespace kt740
