// The application icon: one group of four images, 16 and 32 pixels square in 16 and 256
// colours, each a masked bitmap that shows a blue cube on a transparent background.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "tests/resources/own_resource.h"

namespace zerin::test {
namespace {

constexpr int kIconGroup = 128;

#pragma pack(push, 2)
struct GroupHeader {
    uint16_t reserved;
    uint16_t type;
    uint16_t count;
};

struct GroupEntry {
    uint8_t width;
    uint8_t height;
    uint8_t colourCount;
    uint8_t reserved;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t bytesInResource;
    uint16_t id;
};
#pragma pack(pop)

struct ExpectedImage {
    int size;
    int colourCount;  // as the group stores it: 0 stands for 256 or more
    int bitCount;
};

const ExpectedImage kImages[] = {{16, 16, 4}, {16, 0, 8}, {32, 16, 4}, {32, 0, 8}};

std::vector<GroupEntry> GroupEntries() {
    ResourceBytes group = FindOwnResource(RT_GROUP_ICON, kIconGroup);
    GroupHeader header{};
    if (!group.data || group.size < sizeof header) {
        ADD_FAILURE() << "no icon group " << kIconGroup << " in language 2052";
        return {};
    }
    std::memcpy(&header, group.data, sizeof header);
    EXPECT_EQ(1, header.type) << "resource type icon";
    std::vector<GroupEntry> entries(header.count);
    if (group.size < sizeof header + header.count * sizeof(GroupEntry)) {
        ADD_FAILURE() << "icon group ends early";
        return {};
    }
    std::memcpy(entries.data(), group.data + sizeof header, header.count * sizeof(GroupEntry));
    return entries;
}

// An icon image: its header, its palette, its colour bits and its AND mask.
struct IconImage {
    ResourceBytes bytes;
    BITMAPINFOHEADER header{};

    size_t MaskOffset() const {
        size_t colourStride = ((header.biWidth * header.biBitCount + 31) / 32) * 4;
        return header.biSize + (size_t{1} << header.biBitCount) * sizeof(RGBQUAD) +
               colourStride * Height();
    }
    int Height() const { return header.biHeight / 2; }
    size_t MaskStride() const { return ((header.biWidth + 31) / 32) * 4; }
    size_t ExpectedSize() const { return MaskOffset() + MaskStride() * Height(); }

    // x and y count from the top-left corner.
    bool Transparent(int x, int y) const {
        const uint8_t* row = bytes.data + MaskOffset() + (Height() - 1 - y) * MaskStride();
        return (row[x / 8] >> (7 - x % 8)) & 1;
    }
    RGBQUAD Colour(int x, int y) const {
        size_t stride = ((header.biWidth * header.biBitCount + 31) / 32) * 4;
        size_t bitsOffset = header.biSize + (size_t{1} << header.biBitCount) * sizeof(RGBQUAD);
        const uint8_t* row = bytes.data + bitsOffset + (Height() - 1 - y) * stride;
        int index = header.biBitCount == 8 ? row[x] : (row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F;
        RGBQUAD colour;
        std::memcpy(&colour, bytes.data + header.biSize + index * sizeof colour, sizeof colour);
        return colour;
    }
};

IconImage ReadIconImage(const GroupEntry& entry) {
    IconImage image{FindOwnResource(RT_ICON, entry.id)};
    if (image.bytes.size >= sizeof image.header) {
        std::memcpy(&image.header, image.bytes.data, sizeof image.header);
    }
    return image;
}

TEST(Icon, GroupHoldsFourImagesIn16And256Colours) {
    std::vector<GroupEntry> entries = GroupEntries();
    ASSERT_EQ(std::size(kImages), entries.size()) << "number of images";
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        EXPECT_EQ(kImages[i].size, entries[i].width);
        EXPECT_EQ(kImages[i].size, entries[i].height);
        EXPECT_EQ(kImages[i].colourCount, entries[i].colourCount);
        EXPECT_EQ(1, entries[i].planes);
        EXPECT_EQ(kImages[i].bitCount, entries[i].bitCount);
    }
}

TEST(Icon, EveryImageIsAPalettedBitmapWithItsMask) {
    for (const GroupEntry& entry : GroupEntries()) {
        SCOPED_TRACE("image " + std::to_string(entry.id));
        IconImage image = ReadIconImage(entry);
        ASSERT_NE(nullptr, image.bytes.data) << "missing in language 2052";
        EXPECT_EQ(sizeof(BITMAPINFOHEADER), image.header.biSize);
        EXPECT_EQ(entry.width, image.header.biWidth);
        EXPECT_EQ(2 * entry.height, image.header.biHeight) << "colour bits and mask";
        EXPECT_EQ(entry.bitCount, image.header.biBitCount);
        EXPECT_EQ(static_cast<DWORD>(BI_RGB), image.header.biCompression);
        EXPECT_EQ(image.ExpectedSize(), image.bytes.size);
        EXPECT_EQ(entry.bytesInResource, image.bytes.size);
        HICON icon =
            CreateIconFromResourceEx(const_cast<uint8_t*>(image.bytes.data), image.bytes.size, TRUE,
                                     0x00030000, entry.width, entry.height, LR_DEFAULTCOLOR);
        EXPECT_NE(nullptr, icon) << "the system takes it as an icon";
        DestroyIcon(icon);
    }
}

TEST(Icon, ShowsABlueCubeOnATransparentBackground) {
    for (const GroupEntry& entry : GroupEntries()) {
        SCOPED_TRACE("image " + std::to_string(entry.id));
        IconImage image = ReadIconImage(entry);
        ASSERT_EQ(image.ExpectedSize(), image.bytes.size);
        int last = entry.width - 1;
        EXPECT_TRUE(image.Transparent(0, 0) && image.Transparent(last, 0) &&
                    image.Transparent(0, last) && image.Transparent(last, last))
            << "corners";
        int opaqueBlue = 0, opaque = 0;
        for (int y = 0; y < entry.height; ++y) {
            for (int x = 0; x < entry.width; ++x) {
                RGBQUAD colour = image.Colour(x, y);
                opaque += !image.Transparent(x, y);
                opaqueBlue += !image.Transparent(x, y) && colour.rgbBlue > colour.rgbRed &&
                              colour.rgbBlue > colour.rgbGreen;
            }
        }
        EXPECT_GT(opaque, entry.width * entry.height / 2) << "the cube fills most of the image";
        EXPECT_EQ(opaque, opaqueBlue) << "every opaque pixel is blue";
    }
}

}  // namespace
}  // namespace zerin::test
