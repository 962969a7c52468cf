// The program icon and the cursors as the system reads them from the resources: each holds
// an image of its own at every larger size, with the cursors' hot spots.
#include <windows.h>

#include <gtest/gtest.h>

#include "res/resource.h"

namespace {

// The image the system picks from an icon or cursor group for a size, made at the size it
// is stored in, so that an image stretched from another size cannot pass for it.
HICON storedImageFor(int groupId, bool icon, int size) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC group =
        FindResourceW(module, MAKEINTRESOURCEW(groupId), icon ? RT_GROUP_ICON : RT_GROUP_CURSOR);
    if (!group)
        return nullptr;
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    const int id = LookupIconIdFromDirectoryEx(directory, icon, size, size, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), icon ? RT_ICON : RT_CURSOR);
    if (!image)
        return nullptr;
    auto* bits = static_cast<BYTE*>(LockResource(LoadResource(module, image)));
    return CreateIconFromResourceEx(bits, SizeofResource(module, image), icon, 0x00030000, 0, 0,
                                    LR_DEFAULTCOLOR);
}

TEST(ResourceImagesTest, TheIconAndCursorsHoldImagesForHighDpiScreens) {
    const struct {
        int group;
        bool icon;
        int size, hotX, hotY;
    } images[] = {
        // an icon's hot spot is its centre
        {IDI_VARNOK, true, 48, 24, 24},       {IDI_VARNOK, true, 64, 32, 32},
        {IDI_VARNOK, true, 256, 128, 128},    {IDC_LINK_HAND, false, 48, 17, 11},
        {IDC_LINK_HAND, false, 64, 22, 14},   {IDC_DRAG_HAND, false, 48, 6, 24},
        {IDC_DRAG_HAND, false, 64, 8, 32},    {IDC_MOVE_ARROWS, false, 48, 24, 24},
        {IDC_MOVE_ARROWS, false, 64, 32, 32},
    };
    for (const auto& expected : images) {
        SCOPED_TRACE(testing::Message() << expected.group << " at " << expected.size);
        HICON image = storedImageFor(expected.group, expected.icon, expected.size);
        ASSERT_NE(image, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(image, &info));
        BITMAP colour = {};
        ASSERT_NE(info.hbmColor, nullptr) << "a colour image, not the monochrome one";
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, expected.size);
        EXPECT_EQ(colour.bmHeight, expected.size);
        EXPECT_EQ(static_cast<int>(info.xHotspot), expected.hotX);
        EXPECT_EQ(static_cast<int>(info.yHotspot), expected.hotY);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(image);
    }
}

} // namespace
