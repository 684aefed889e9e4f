// Device records and their share lists.
#include "protocol/device_record.h"

#include <gtest/gtest.h>

namespace zerin {
namespace {

TEST(DeviceRecordTest, StartsZeroedWithoutAShareList) {
    auto record = CreateDeviceRecord();
    EXPECT_STREQ(record->name, "");
    EXPECT_EQ(record->ipStatus, 0);
    EXPECT_EQ(record->passwordFlag, 0);
    EXPECT_EQ(record->shareCount, 0);
    EXPECT_FALSE(record->shareList.has_value());
}

TEST(DeviceRecordTest, FullWidthTextFieldsStayTerminated) {
    auto record = CreateDeviceRecord();
    const std::string wire(80, 'd');
    CopyTextField(record->description, reinterpret_cast<const uint8_t*>(wire.data()));
    CopyTextField(record->subnetMask, reinterpret_cast<const uint8_t*>(wire.data()));
    EXPECT_EQ(std::string(record->description), std::string(64, 'd'));
    EXPECT_EQ(std::string(record->subnetMask), std::string(15, 'd'));
}

TEST(DeviceRecordTest, ResetShareListCreatesThenEmptiesTheList) {
    auto record = CreateDeviceRecord();
    ResetShareList(*record);
    ASSERT_TRUE(record->shareList.has_value());
    EXPECT_TRUE(record->shareList->empty());

    uint8_t entry[ShareNameEntry::kSize] = {'u', 's', 'b', '1'};
    entry[35] = 0x7f;
    AppendShareEntry(*record, entry);
    ASSERT_EQ(record->shareList->size(), 1u);
    EXPECT_EQ(record->shareList->front().Name(), "usb1");
    EXPECT_EQ(record->shareList->front().bytes[35], 0x7f);

    ResetShareList(*record);
    EXPECT_TRUE(record->shareList->empty());
}

TEST(DeviceRecordTest, ShareNameOfAFullEntryIsAllItsBytes) {
    auto record = CreateDeviceRecord();
    ResetShareList(*record);
    const std::string full(36, 's');
    AppendShareEntry(*record, reinterpret_cast<const uint8_t*>(full.data()));
    EXPECT_EQ(record->shareList->front().Name(), full);
}

}  // namespace
}  // namespace zerin
