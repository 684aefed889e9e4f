// The string table's two Chinese texts, the version resource, and the inventory of resources:
// exactly the program's own, all in Chinese (PRC), and no manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tests/resources/own_resource.h"

namespace zerin::test {
namespace {

// Entry id % 16 of the string block (id / 16) + 1, each stored as a length and UTF-16 units.
std::string StringTableEntry(int id) {
    ResourceBytes block = FindOwnResource(RT_STRING, id / 16 + 1);
    if (!block.data) {
        return "(no string block in language 2052)";
    }
    const auto* units = reinterpret_cast<const wchar_t*>(block.data);
    const wchar_t* end = units + block.size / sizeof(wchar_t);
    for (int skip = id % 16; skip > 0 && units < end; --skip) {
        units += 1 + *units;
    }
    if (units >= end || units + 1 + *units > end) {
        return "(string block ends early)";
    }
    return ToUtf8(std::wstring(units + 1, *units));
}

TEST(StringTable, HoldsTheMenuItemAndTheSocketsFailureMessage) {
    struct Entry {
        int id;
        const char* text;
    };
    const Entry kEntries[] = {
        {101, "关于 Zerin(&A)..."},
        {103, "Windows 通信端口初始化失败。"},
    };
    for (const Entry& entry : kEntries) {
        EXPECT_EQ(entry.text, StringTableEntry(entry.id)) << "string " << entry.id;
    }
}

class VersionResource : public testing::Test {
  protected:
    void SetUp() override {
        ResourceBytes version = FindOwnResource(RT_VERSION, 1);
        ASSERT_NE(nullptr, version.data) << "no version resource in language 2052";
        copy_.assign(version.data, version.data + version.size);
    }

    // The value at a path of the version tree, or nullptr.
    const void* Value(const wchar_t* path, UINT* length = nullptr) {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(copy_.data(), path, &value, &size)) {
            return nullptr;
        }
        if (length) {
            *length = size;
        }
        return value;
    }

    std::string Text(const wchar_t* path) {
        const auto* value = static_cast<const wchar_t*>(Value(path));
        return value ? ToUtf8(value) : "(missing)";
    }

  private:
    std::vector<uint8_t> copy_;
};

TEST_F(VersionResource, FileAndProductVersionsAre1_0_0_1) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Value(L"\\"));
    ASSERT_NE(nullptr, fixed);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwProductVersionLS);
}

TEST_F(VersionResource, StringBlockForChinesePrcInUnicodeGivesTheVersionTexts) {
    EXPECT_EQ("1, 0, 0, 1", Text(L"\\StringFileInfo\\080404b0\\FileVersion"));
    EXPECT_EQ("1, 0, 0, 1", Text(L"\\StringFileInfo\\080404b0\\ProductVersion"));
}

TEST_F(VersionResource, TranslationIsChinesePrcInUnicode) {
    UINT length = 0;
    const auto* translation =
        static_cast<const uint16_t*>(Value(L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(nullptr, translation);
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x0804, translation[0]) << "language";
    EXPECT_EQ(1200, translation[1]) << "code page";
}

std::string ShowId(LPCWSTR id) {
    return IS_INTRESOURCE(id) ? std::to_string(reinterpret_cast<uintptr_t>(id)) : ToUtf8(id);
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR found) {
    reinterpret_cast<std::set<std::string>*>(found)->insert(ShowId(type) + "/" + ShowId(name) +
                                                            "/" + std::to_string(language));
    return TRUE;
}

BOOL CALLBACK AddLanguages(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) {
    EnumResourceLanguagesW(module, type, name, AddLanguage, found);
    return TRUE;
}

BOOL CALLBACK AddNames(HMODULE module, LPWSTR type, LONG_PTR found) {
    if (type != MAKEINTRESOURCEW(3)) {  // the single icon images
        EnumResourceNamesW(module, type, AddLanguages, found);
    }
    return TRUE;
}

// "type/id/language" of every resource in the image, except the single icon images, which the
// icon group names by ids of the resource compiler's choice.
std::set<std::string> Inventory() {
    std::set<std::string> found;
    EnumResourceTypesW(GetModuleHandleW(nullptr), AddNames, reinterpret_cast<LONG_PTR>(&found));
    return found;
}

TEST(ResourceInventory, HoldsExactlyTheProgramsResourcesAllInChinesePrc) {
    const std::set<std::string> expected = {
        // Dialog templates.
        "5/100/2052", "5/102/2052", "5/105/2052", "5/129/2052", "5/130/2052", "5/131/2052",
        "5/132/2052", "5/141/2052",
        // Combo-box lists of the two settings pages.
        "240/130/2052", "240/131/2052",
        // Bitmaps.
        "2/136/2052", "2/146/2052", "2/147/2052", "2/148/2052", "2/149/2052", "2/152/2052",
        // Icon group, string block of ids 96 to 111, version; no manifest (type 24).
        "14/128/2052", "6/7/2052", "16/1/2052"};
    std::set<std::string> actual = Inventory();
    std::vector<std::string> missing, unexpected;
    std::set_difference(expected.begin(), expected.end(), actual.begin(), actual.end(),
                        std::back_inserter(missing));
    std::set_difference(actual.begin(), actual.end(), expected.begin(), expected.end(),
                        std::back_inserter(unexpected));
    EXPECT_TRUE(missing.empty()) << "missing: " << testing::PrintToString(missing);
    EXPECT_TRUE(unexpected.empty()) << "unexpected: " << testing::PrintToString(unexpected);
}

}  // namespace
}  // namespace zerin::test
