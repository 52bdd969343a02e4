// The port list: the start-up check and what a user's port argument means.
#include "link/port_list.h"

#include <gtest/gtest.h>

#include "core/app_state.h"

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

}  // namespace
}  // namespace kt740
