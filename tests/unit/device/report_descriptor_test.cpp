#include "core/device/ReportDescriptor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace orva {
namespace {

struct DescriptorCase {
  std::string name;
  std::vector<std::uint8_t> descriptor;
  std::uint8_t reportId;
  int expected;
};

// The mouse's vendor collection: report 4 carries 7 feature bytes.
const std::vector<std::uint8_t> kMouseVendorCollection = {
    0x06, 0x00, 0xFF,  // Usage Page (vendor 0xFF00)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x04,        //   Report ID (4)
    0x09, 0x02,        //   Usage (2)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x07,        //   Report Count (7)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
    0xC0,              // End Collection
};

// Report 1 input, report 4 feature in two separate sections, report 5 feature.
const std::vector<std::uint8_t> kSeveralReports = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x02,  // Usage (Mouse)
    0xA1, 0x01,  // Collection (Application)
    0x85, 0x01,  //   Report ID (1)
    0x75, 0x08,  //   Report Size (8)
    0x95, 0x04,  //   Report Count (4)
    0x81, 0x02,  //   Input (Data, Variable, Absolute)
    0x85, 0x04,  //   Report ID (4)
    0x95, 0x03,  //   Report Count (3)
    0xB1, 0x02,  //   Feature: 3 bytes for report 4
    0x85, 0x05,  //   Report ID (5)
    0x95, 0x02,  //   Report Count (2)
    0xB1, 0x02,  //   Feature: 2 bytes for report 5
    0x85, 0x04,  //   Report ID (4) again
    0x95, 0x04,  //   Report Count (4)
    0xB1, 0x02,  //   Feature: 4 more bytes for report 4
    0xC0,        // End Collection
};

std::vector<DescriptorCase> cases() {
  return {
      {"VendorFeatureSevenBytes", kMouseVendorCollection, 4, 8},
      {"OtherIdOfMouseCollectionIsAbsent", kMouseVendorCollection, 3, 0},
      {"ReportZeroAbsentWhenIdsAreUsed", kMouseVendorCollection, 0, 0},
      {"EmptyDescriptor", {}, 4, 0},
      {"FeatureEightDataBytes",
       {
           0x06, 0x00, 0xFF,  // Usage Page (vendor)
           0xA1, 0x01,        // Collection (Application)
           0x85, 0x04,        //   Report ID (4)
           0x75, 0x08,        //   Report Size (8)
           0x95, 0x08,        //   Report Count (8)
           0xB1, 0x02,        //   Feature
           0xC0,              // End Collection
       },
       4, 9},
      {"FeatureSplitOverItemsWithSizeChanges",
       {
           0x85, 0x04,                    // Report ID (4)
           0x75, 0x08,                    // Report Size (8)
           0x96, 0x03, 0x00,              // Report Count (3), two data bytes: 24 bits
           0xB1, 0x02,                    // Feature
           0x77, 0x01, 0x00, 0x00, 0x00,  // Report Size (1), four data bytes
           0x95, 0x10,                    // Report Count (16): 16 bits
           0xB1, 0x02,                    // Feature
           0x75, 0x04,                    // Report Size (4)
           0x95, 0x03,                    // Report Count (3): 12 bits
           0xB1, 0x03,                    // Feature (Constant): 52 bits in all
       },
       4, 8},  // 52 bits round up to 7 bytes, plus the ID byte
      {"OnlyInputAndOutputForReportFour",
       {
           0x85, 0x04,  // Report ID (4)
           0x75, 0x08,  // Report Size (8)
           0x95, 0x07,  // Report Count (7)
           0x81, 0x02,  // Input
           0x91, 0x02,  // Output
           0x85, 0x05,  // Report ID (5)
           0xB1, 0x02,  // Feature, but for report 5
       },
       4, 0},
      {"SeveralIdsOnlyFourCounts", kSeveralReports, 4, 8},
      {"SeveralIdsOtherFeature", kSeveralReports, 5, 3},
      {"InputOnlyIdIsNoFeature", kSeveralReports, 1, 0},
      {"PushPopRestoresSizeCountAndId",
       {
           0x85, 0x04,  // Report ID (4)
           0x75, 0x08,  // Report Size (8)
           0x95, 0x07,  // Report Count (7)
           0xA4,        // Push
           0x85, 0x05,  //   Report ID (5)
           0x75, 0x10,  //   Report Size (16)
           0x95, 0x02,  //   Report Count (2)
           0xB1, 0x02,  //   Feature for report 5
           0xB4,        // Pop: report 4, size 8, count 7 again
           0xB1, 0x02,  // Feature: 7 bytes for report 4
       },
       4, 8},
      {"LongItemSkippedWithItsData",
       {
           0x85, 0x04,                    // Report ID (4)
           0x75, 0x08,                    // Report Size (8)
           0x95, 0x07,                    // Report Count (7)
           0xFE, 0x04, 0x10,              // Long item: 4 data bytes, tag 0x10
           0xB1, 0x02, 0x95, 0x20,        //   data that would read as items
           0xB1, 0x02,                    // Feature
       },
       4, 8},
      {"TruncatedShortItemAtEnd",
       {
           0x85, 0x04,  // Report ID (4)
           0x75, 0x08,  // Report Size (8)
           0x95, 0x07,  // Report Count (7)
           0xB1, 0x02,  // Feature
           0x97, 0x01,  // Report Count with 4 data bytes, cut after one
       },
       4, 8},
      {"TruncatedLongItemAtEnd",
       {
           0x85, 0x04,        // Report ID (4)
           0x75, 0x08,        // Report Size (8)
           0x95, 0x07,        // Report Count (7)
           0xB1, 0x02,        // Feature
           0xFE, 0x10, 0x00,  // Long item announcing 16 data bytes...
           0xB1, 0x02,        // ...of which only 2 are present
       },
       4, 8},
      {"FeatureItemWithMissingDataIsNotCounted",
       {
           0x85, 0x04,  // Report ID (4)
           0x75, 0x08,  // Report Size (8)
           0x95, 0x07,  // Report Count (7)
           0xB1,        // Feature, its data byte missing
       },
       4, 0},
      {"UnbalancedPopStopsParsing",
       {
           0x85, 0x04,  // Report ID (4)
           0x75, 0x08,  // Report Size (8)
           0x95, 0x03,  // Report Count (3)
           0xB1, 0x02,  // Feature: 3 bytes
           0xB4,        // Pop with nothing pushed
           0xB1, 0x02,  // not reached
       },
       4, 4},
      {"NoReportIdsHasReportZeroWithoutIdByte",
       {
           0x06, 0x00, 0xFF,  // Usage Page (vendor)
           0xA1, 0x01,        // Collection (Application)
           0x75, 0x08,        //   Report Size (8)
           0x95, 0x07,        //   Report Count (7)
           0xB1, 0x02,        //   Feature
           0xC0,              // End Collection
       },
       0, 7},
      {"NoReportIdsHasNoReportFour",
       {
           0x75, 0x08,  // Report Size (8)
           0x95, 0x07,  // Report Count (7)
           0xB1, 0x02,  // Feature
       },
       4, 0},
      {"HugeSizesSaturateInsteadOfWrapping",
       {
           0x85, 0x04,                    // Report ID (4)
           0x77, 0xFF, 0xFF, 0xFF, 0xFF,  // Report Size (2^32 - 1)
           0x97, 0xFF, 0xFF, 0xFF, 0xFF,  // Report Count (2^32 - 1)
           0xB1, 0x02,                    // Feature: 2^64 - 2^33 + 1 bits
           0x77, 0x00, 0x00, 0x02, 0x00,  // Report Size (2^17)
           0x97, 0x00, 0x00, 0x01, 0x00,  // Report Count (2^16)
           0xB1, 0x02,                    // Feature: 2^33 more, a wrapped sum would be 1 bit
       },
       4, std::numeric_limits<int>::max()},
  };
}

void PrintTo(const DescriptorCase& c, std::ostream* os) { *os << c.name; }

class ReportDescriptorTest : public ::testing::TestWithParam<DescriptorCase> {};

TEST_P(ReportDescriptorTest, FeatureLength) {
  const DescriptorCase& c = GetParam();
  EXPECT_EQ(featureReportLength(c.descriptor, c.reportId), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Descriptors, ReportDescriptorTest, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

// A descriptor cut at any point parses without reading past the cut (each
// prefix is its own allocation, so the sanitizers see every stray read) and
// counts exactly the Feature items that are complete.
TEST(ReportDescriptorPrefixes, EveryCutCountsOnlyCompleteItems) {
  constexpr std::size_t kFirstReport4FeatureEnd = 20;   // bytes 18..19 of kSeveralReports
  constexpr std::size_t kSecondReport4FeatureEnd = 32;  // bytes 30..31
  for (std::size_t cut = 0; cut <= kSeveralReports.size(); ++cut) {
    const std::vector<std::uint8_t> prefix(kSeveralReports.begin(),
                                           kSeveralReports.begin() + static_cast<long>(cut));
    const int expected = cut < kFirstReport4FeatureEnd    ? 0
                         : cut < kSecondReport4FeatureEnd ? 1 + 3
                                                          : 1 + 3 + 4;
    EXPECT_EQ(featureReportLength(prefix, 4), expected) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace orva
