#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/hid/HidapiTransport.h"
#include "platform/hid/OpenFailure.h"
#include "platform/hid/SysfsHidraw.h"

namespace orva {
namespace {

namespace fs = std::filesystem;

// The mouse's vendor collection: report 4 with 7 feature bytes.
const std::vector<std::uint8_t> kMouseDescriptor = {
    0x06, 0x00, 0xFF,  // Usage Page (vendor 0xFF00)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x04,        //   Report ID (4)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x07,        //   Report Count (7)
    0xB1, 0x02,        //   Feature
    0xC0,              // End Collection
};

// A private stand-in for /sys/class/hidraw, removed after each test.
class FakeSysfs : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orva-sysfs-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  void addNode(const std::string& node, const std::vector<std::uint8_t>& descriptor) {
    const fs::path device = root_ / node / "device";
    fs::create_directories(device);
    std::ofstream out(device / "report_descriptor", std::ios::binary);
    out.write(reinterpret_cast<const char*>(descriptor.data()),
              static_cast<std::streamsize>(descriptor.size()));
  }

  fs::path root_;
};

TEST_F(FakeSysfs, ReadsFeatureLengthOfTheNodeBehindThePath) {
  addNode("hidraw7", kMouseDescriptor);
  addNode("hidraw1", {0x85, 0x04, 0x75, 0x08, 0x95, 0x03, 0xB1, 0x02});  // report 4: 3 bytes

  EXPECT_EQ(featureLengthFromSysfs("/dev/hidraw7", root_.string(), 4), 8);
  EXPECT_EQ(featureLengthFromSysfs("/dev/hidraw1", root_.string(), 4), 4);
  EXPECT_EQ(featureLengthFromSysfs("/dev/hidraw7", root_.string(), 5), 0);
}

TEST_F(FakeSysfs, UnreadableDescriptorsGiveZero) {
  addNode("hidraw2", {});
  fs::create_directories(root_ / "hidraw3");  // a node without device/report_descriptor

  EXPECT_EQ(featureLengthFromSysfs("/dev/hidraw9", root_.string(), 4), 0);  // no such node
  EXPECT_EQ(featureLengthFromSysfs("/dev/hidraw3", root_.string(), 4), 0);
  EXPECT_EQ(featureLengthFromSysfs("/dev/hidraw2", root_.string(), 4), 0);  // empty file
  EXPECT_EQ(featureLengthFromSysfs("/dev/", root_.string(), 4), 0);         // no node name
  EXPECT_EQ(featureLengthFromSysfs("/dev/hidraw7", (root_ / "missing").string(), 4), 0);
}

TEST_F(FakeSysfs, TransportCountsTheNodes) {
  HidapiTransport transport(root_.string());
  EXPECT_EQ(transport.countInterfaces(), 0);

  addNode("hidraw0", kMouseDescriptor);
  addNode("hidraw7", kMouseDescriptor);
  EXPECT_EQ(transport.countInterfaces(), 2);

  fs::remove_all(root_ / "hidraw0");
  EXPECT_EQ(transport.countInterfaces(), 1);

  EXPECT_EQ(HidapiTransport((root_ / "missing").string()).countInterfaces(), 0);
}

struct OpenFailureCase {
  const char* name;
  bool nodeExists;
  int openErrno;
  OpenError expected;
};

void PrintTo(const OpenFailureCase& c, std::ostream* os) { *os << c.name; }

class OpenFailureTest : public FakeSysfs, public ::testing::WithParamInterface<OpenFailureCase> {};

TEST_P(OpenFailureTest, Classifies) {
  const OpenFailureCase& c = GetParam();
  const fs::path node = root_ / "hidraw5";
  if (c.nodeExists) std::ofstream(node).put('\0');
  EXPECT_EQ(classifyOpenFailure(node.string(), c.openErrno), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, OpenFailureTest,
    ::testing::Values(
        OpenFailureCase{"MissingNode", false, ENOENT, OpenError::NotFound},
        // The library may leave an unrelated errno; the missing path still decides.
        OpenFailureCase{"MissingNodeWithClobberedErrno", false, EIO, OpenError::NotFound},
        OpenFailureCase{"NodeOutlivedItsDevice", true, ENODEV, OpenError::NotFound},
        OpenFailureCase{"PermissionDenied", true, EACCES, OpenError::AccessDenied},
        OpenFailureCase{"OperationNotPermitted", true, EPERM, OpenError::AccessDenied},
        OpenFailureCase{"OtherFailure", true, EBUSY, OpenError::Failed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AccessDeniedHint, NamesThePathAndTheRule) {
  const std::string hint = accessDeniedHint("/dev/hidraw4");
  EXPECT_NE(hint.find("/dev/hidraw4"), std::string::npos);
  EXPECT_NE(hint.find("packaging/70-orva-mouse.rules /etc/udev/rules.d/"), std::string::npos);
  EXPECT_NE(hint.find("udevadm control --reload"), std::string::npos);
  EXPECT_NE(hint.find("udevadm trigger"), std::string::npos);
}

// The guard runs before anything of the machine is touched: the child sets
// the variable itself, so this holds whether or not CTest set it.
TEST(HidapiTransportDeathTest, RefusesHardwareUnderTest) {
  EXPECT_DEATH(
      {
        ::setenv(kNoHardwareEnv, "1", 1);
        HidapiTransport transport;
        OpenError error = OpenError::None;
        transport.open("/dev/hidraw0", error);
      },
      "ORVA_TEST_NO_HARDWARE.*refusing to open /dev/hidraw0");
  EXPECT_DEATH(
      {
        ::setenv(kNoHardwareEnv, "1", 1);
        HidapiTransport transport;
        transport.enumerate();
      },
      "ORVA_TEST_NO_HARDWARE.*refusing to enumerate");
}

}  // namespace
}  // namespace orva
