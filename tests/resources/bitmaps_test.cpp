// The skin bitmaps and panels: 24-bit, uncompressed, bottom-up bitmaps of their sizes, loadable
// by GDI, whose fields are the skins' grey.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <tuple>

#include "tests/resources/own_resource.h"

namespace zerin::test {
namespace {

struct ExpectedBitmap {
    int id;
    int width;
    int height;
    bool skinGrey;  // the grey field dominates the picture
};

const ExpectedBitmap kBitmaps[] = {
    {146, 780, 600, true}, {152, 600, 463, true}, {149, 502, 206, true},
    {147, 517, 405, true}, {148, 190, 308, true}, {136, 160, 250, false},
};

using Rgb = std::tuple<int, int, int>;
constexpr Rgb kSkinGrey = {183, 183, 183};

BITMAPINFOHEADER HeaderOf(ResourceBytes bitmap) {
    BITMAPINFOHEADER header{};
    if (bitmap.size >= sizeof header) {
        std::memcpy(&header, bitmap.data, sizeof header);
    }
    return header;
}

// Colour of pixel (x, row) where row counts from the bottom, as the rows are stored.
Rgb StoredPixel(ResourceBytes bitmap, int x, int row) {
    BITMAPINFOHEADER header = HeaderOf(bitmap);
    size_t stride = (header.biWidth * 3 + 3) & ~3;
    const uint8_t* pixel = bitmap.data + header.biSize + row * stride + x * 3;
    return {pixel[2], pixel[1], pixel[0]};
}

Rgb MostFrequentColour(ResourceBytes bitmap) {
    BITMAPINFOHEADER header = HeaderOf(bitmap);
    std::map<Rgb, int> counts;
    for (int row = 0; row < header.biHeight; ++row) {
        for (int x = 0; x < header.biWidth; ++x) {
            ++counts[StoredPixel(bitmap, x, row)];
        }
    }
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it->second > best->second) {
            best = it;
        }
    }
    return best->first;
}

TEST(Bitmaps, AreUncompressedBottomUp24BitBitmapsOfTheirSize) {
    for (const ExpectedBitmap& expected : kBitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(expected.id));
        ResourceBytes bitmap = FindOwnResource(RT_BITMAP, expected.id);
        ASSERT_NE(nullptr, bitmap.data) << "missing in language 2052";
        BITMAPINFOHEADER header = HeaderOf(bitmap);
        EXPECT_EQ(sizeof header, header.biSize);
        EXPECT_EQ(expected.width, header.biWidth);
        EXPECT_EQ(expected.height, header.biHeight) << "a positive height is stored bottom-up";
        EXPECT_EQ(1, header.biPlanes);
        EXPECT_EQ(24, header.biBitCount);
        EXPECT_EQ(static_cast<DWORD>(BI_RGB), header.biCompression);
        size_t stride = (expected.width * 3 + 3) & ~3;
        EXPECT_GE(bitmap.size, header.biSize + stride * expected.height) << "pixel data";
    }
}

TEST(Bitmaps, LoadAsGdiBitmapsOfTheirSize) {
    for (const ExpectedBitmap& expected : kBitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(expected.id));
        HBITMAP handle = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(expected.id));
        ASSERT_NE(nullptr, handle);
        BITMAP info{};
        GetObjectW(handle, sizeof info, &info);
        EXPECT_EQ(expected.width, info.bmWidth);
        EXPECT_EQ(expected.height, info.bmHeight);
        DeleteObject(handle);
    }
}

TEST(Bitmaps, SkinGreyDominatesTheSkinsAndTheSidePicture) {
    for (const ExpectedBitmap& expected : kBitmaps) {
        if (!expected.skinGrey) {
            continue;
        }
        SCOPED_TRACE("bitmap " + std::to_string(expected.id));
        ResourceBytes bitmap = FindOwnResource(RT_BITMAP, expected.id);
        ASSERT_NE(nullptr, bitmap.data);
        EXPECT_EQ(kSkinGrey, MostFrequentColour(bitmap));
    }
}

TEST(Bitmaps, LightPanelShadesFromNearWhiteAtTheTopToLightGrey) {
    ResourceBytes panel = FindOwnResource(RT_BITMAP, 136);
    ASSERT_NE(nullptr, panel.data);
    int height = HeaderOf(panel).biHeight;
    EXPECT_EQ(Rgb(237, 237, 237), StoredPixel(panel, 0, height - 1)) << "top row";
    auto [red, green, blue] = StoredPixel(panel, 0, 0);
    EXPECT_LT(red, 237) << "bottom row";
    EXPECT_GE(red, 192) << "bottom row";
    EXPECT_TRUE(red == green && green == blue) << "bottom row is grey";
}

}  // namespace
}  // namespace zerin::test
