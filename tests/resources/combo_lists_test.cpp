// The combo-box lists that the two settings pages carry as initialisation resources: records that
// add 8-bit strings to one combo box, in the order the devices know them by.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/resources/own_resource.h"

namespace zerin::test {
namespace {

constexpr int kResourceType = 240;
constexpr uint16_t kAddString = 0x0403;

struct InitRecord {
    uint16_t controlId;
    uint16_t message;
    std::string text;
};

uint32_t ReadLittleEndian(const uint8_t* bytes, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

// Records up to the one whose control id is 0; each length counts the text's terminating zero.
std::vector<InitRecord> DecodeRecords(ResourceBytes resource) {
    std::vector<InitRecord> records;
    size_t at = 0;
    auto need = [&](size_t count) {
        if (at + count > resource.size) {
            throw std::runtime_error("list ends early at byte " + std::to_string(at));
        }
    };
    for (;;) {
        need(2);
        uint16_t controlId = ReadLittleEndian(resource.data + at, 2);
        if (controlId == 0) {
            return records;
        }
        need(8);
        uint16_t message = ReadLittleEndian(resource.data + at + 2, 2);
        uint32_t length = ReadLittleEndian(resource.data + at + 4, 4);
        at += 8;
        need(length);
        const char* text = reinterpret_cast<const char*>(resource.data + at);
        if (length == 0 || text[length - 1] != '\0') {
            throw std::runtime_error("text without its terminating zero at byte " +
                                     std::to_string(at));
        }
        records.push_back({controlId, message, std::string(text, length - 1)});
        at += length;
    }
}

struct ExpectedList {
    const char* name;
    int templateId;
    uint16_t comboBoxId;
    std::vector<std::string> texts;
};

void PrintTo(const ExpectedList& expected, std::ostream* out) {
    *out << expected.name << " (template " << expected.templateId << ")";
}

const ExpectedList kProtocols = {"ProtocolList", 131, 1045, {"Static IP", "DHCP"}};

const ExpectedList kTimeZones = {"TimeZoneList",
                                 130,
                                 1062,
                                 {
                                     "(GMT-12:00) International Date Line West ",
                                     "(GMT-11:00) Midway Island, Samoa ",
                                     "(GMT-10:00) Hawaii ",
                                     "(GMT-09:00) Alaska ",
                                     "(GMT-08:00) Pacific Time (US &amp; Canada); Tijuana ",
                                     "(GMT-07:00) Arizona ",
                                     "(GMT-07:00) Chihuahua, La Paz, Mazatlan ",
                                     "(GMT-07:00) Mountain Time (US &amp; Canada) ",
                                     "(GMT-06:00) Central America ",
                                     "(GMT-06:00) Central Time (US &amp; Canda) ",
                                     "(GMT-06:00) Guadalajara, Mexico City,Monterrey ",
                                     "(GMT-06:00) Saskatchewan ",
                                     "(GMT-05:00) Bogota, Lima, Quito ",
                                     "(GMT-05:00) Eastern Time (US &amp; Canda) ",
                                     "(GMT-05:00) Indiana (East) ",
                                     "(GMT-04:00) Atlantic Time (Canada) ",
                                     "(GMT-04:00) Caracas, La Paz ",
                                     "(GMT-04:00) Santiago ",
                                     "(GMT-03:30) Newfoundland ",
                                     "(GMT-03:00) Brasilia ",
                                     "(GMT-03:00) Buenos Aires, Georgetown ",
                                     "(GMT-03:00) Greenland ",
                                     "(GMT-02:00) Mid-Atlantic ",
                                     "(GMT-01:00) Azores ",
                                     "(GMT-01:00) Cape Verde Is. ",
                                     "(GMT) Casablanca, Monrovia ",
                                     "(GMT) Greenwich Mean Time: Dublin,Edinburgh,Lisbon,London ",
                                     "(GMT+01:00) Amsterdam, Berlin,Bern,Rome,Stockholm,Vienna ",
                                     "(GMT+01:00) Belgrade, Bratislava,Budapest,Ljubljana,Prague ",
                                     "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris ",
                                     "(GMT+01:00) Sarajevo, Skopje, Warsaw, Zagreb ",
                                     "(GMT+01:00) West Central Africa ",
                                     "(GMT+02:00) Athens, Istanbul, Minsk ",
                                     "(GMT+02:00) Bucharest ",
                                     "(GMT+02:00) Cairo ",
                                     "(GMT+02:00) Harare, Pretoria ",
                                     "(GMT+02:00) Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius ",
                                     "(GMT+02:00) Jerusalem ",
                                     "(GMT+03:00) Baghdad ",
                                     "(GMT+03:00) Kuwait, Riyadh ",
                                     "(GMT+03:00) Moscow, St. Petersburg, Volgograd ",
                                     "(GMT+03:00) Nairobi ",
                                     "(GMT+03:30) Tehran ",
                                     "(GMT+04:00) Abu Dhabi, Muscat ",
                                     "(GMT+04:00) Baku, Tbilisi, Yerevan ",
                                     "(GMT+04:30) Kabul ",
                                     "(GMT+05:00) Ekaterinburg ",
                                     "(GMT+05:00) Islamabad, Karachi, Tashkent ",
                                     "(GMT+05:30) Chennai, Kolkata, Mumbai, New Delhi ",
                                     "(GMT+05:45) Kathmandu ",
                                     "(GMT+06:00) Almaty, Novosibirsk ",
                                     "(GMT+06:00) Astana, Dhaka ",
                                     "(GMT+06:00) Sri Jayawardenepura ",
                                     "(GMT+06:30) Rangoon ",
                                     "(GMT+07:00) Bangkok, Hanoi, Jakarta ",
                                     "(GMT+07:00) Krasnoyarsk ",
                                     "(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi ",
                                     "(GMT+08:00) Irkutsk, Ulaan Bataar ",
                                     "(GMT+08:00) Kuala Lumpur, Singapore ",
                                     "(GMT+08:00) Perth ",
                                     "(GMT+08:00) Taipei ",
                                     "(GMT+09:00) Osaka, Sapporo, Tokyo ",
                                     "(GMT+09:00) Seoul ",
                                     "(GMT+09:00) Yakutsk ",
                                     "(GMT+09:30) Adelaide ",
                                     "(GMT+09:30) Darwin ",
                                     "(GMT+10:00) Brisbane ",
                                     "(GMT+10:00) Canberra, Melbourne, Sydney ",
                                     "(GMT+10:00) Guam, Port Moresby ",
                                     "(GMT+10:00) Hobart ",
                                     "(GMT+10:00) Vladivostok ",
                                     "(GMT+11:00) Magadan, Solomon Is., New Caledonia ",
                                     "(GMT+12:00) Auckland, Wellington ",
                                     "(GMT+12:00) Fiji, Kamchatka, Marshall Is. ",
                                     "(GMT+13:00) Nuku'alofa",
                                 }};

class ComboListTest : public testing::TestWithParam<ExpectedList> {
  protected:
    std::vector<InitRecord> Records() const {
        ResourceBytes resource =
            FindOwnResource(MAKEINTRESOURCEA(kResourceType), GetParam().templateId);
        if (!resource.data) {
            ADD_FAILURE() << "no initialisation list for template " << GetParam().templateId;
            return {};
        }
        return DecodeRecords(resource);
    }
};

TEST_P(ComboListTest, HoldsItsTextsInExchangeOrder) {
    const std::vector<std::string>& expected = GetParam().texts;
    std::vector<std::string> actual;
    for (const InitRecord& record : Records()) {
        actual.push_back(record.text);
    }
    EXPECT_EQ(expected.size(), actual.size()) << "number of texts";
    for (size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
        EXPECT_EQ(expected[i], actual[i]) << "text at index " << i;
    }
}

TEST_P(ComboListTest, EveryRecordAddsAStringToItsComboBox) {
    for (const InitRecord& record : Records()) {
        SCOPED_TRACE("text \"" + record.text + "\"");
        EXPECT_EQ(GetParam().comboBoxId, record.controlId);
        EXPECT_EQ(kAddString, record.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ComboListTest, testing::Values(kTimeZones, kProtocols),
                         [](const testing::TestParamInfo<ExpectedList>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace zerin::test
