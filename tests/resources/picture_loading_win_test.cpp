#include "resources/picture_loading_win.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/resources/test_picture_ids.h"
#include "tests/support/pixels_win.h"

namespace pbw {
namespace {

using testing::BitmapSize;
using testing::IsNear;
using testing::PixelOf;

HINSTANCE Self() { return ::GetModuleHandleW(nullptr); }

struct PictureCase {
  const char* name;
  int id;
  SIZE size;    // the control's size at 96 DPI
  POINT probe;  // a spot of one plain colour
  COLORREF colour;
};

class JpegResource : public ::testing::TestWithParam<PictureCase> {};

TEST_P(JpegResource, LoadsAtTheSizeOfItsControlWithItsColours) {
  const PictureCase& c = GetParam();
  const UniqueBitmap picture = LoadJpegResource(Self(), c.id);
  ASSERT_TRUE(picture);
  EXPECT_EQ(BitmapSize(picture.get()).cx, c.size.cx);
  EXPECT_EQ(BitmapSize(picture.get()).cy, c.size.cy);
  const COLORREF pixel = PixelOf(picture.get(), c.probe.x, c.probe.y);
  EXPECT_TRUE(IsNear(pixel, c.colour)) << std::hex << pixel;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, JpegResource,
    ::testing::Values(PictureCase{"MakerBanner", IDR_MAKER_BANNER, {234, 53}, {100, 52}, RGB(255, 216, 74)},
                      PictureCase{"SidePicture", IDR_SIDE_PICTURE, {141, 239}, {5, 236}, RGB(24, 60, 112)},
                      PictureCase{"AboutPicture", IDR_ABOUT_PICTURE, {61, 409}, {57, 200}, RGB(255, 216, 74)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JpegResource, IsEmptyForWhatIsNoJpegResource) {
  const struct {
    const char* what;
    int id;
  } cases[] = {
      {"text", IDR_NO_PICTURE},
      {"a JPEG signature followed by text", IDR_BROKEN_JPEG},
      {"a bitmap, which is no RCDATA", IDB_PARTNER_BANNER},
      {"no resource at all", 999},
  };
  for (const auto& c : cases) EXPECT_FALSE(LoadJpegResource(Self(), c.id)) << c.what;
}

TEST(JpegResource, LeavesTheCallersComApartmentAsItWas) {
  ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  EXPECT_TRUE(LoadJpegResource(Self(), IDR_MAKER_BANNER));
  // Still initialised: a second initialisation only counts up.
  EXPECT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
  ::CoUninitialize();
  ::CoUninitialize();
}

TEST(BitmapResource, PartnerBannerIsAnEightBitDibSectionWithAFullPalette) {
  const UniqueBitmap banner = LoadBitmapResource(Self(), IDB_PARTNER_BANNER);
  ASSERT_TRUE(banner);
  DIBSECTION dib{};
  ASSERT_EQ(::GetObjectW(banner.get(), sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
  EXPECT_EQ(dib.dsBm.bmWidth, 234);
  EXPECT_EQ(dib.dsBm.bmHeight, 53);
  EXPECT_EQ(dib.dsBmih.biBitCount, 8);

  const HDC dc = ::CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = ::SelectObject(dc, banner.get());
  RGBQUAD palette[256];
  EXPECT_EQ(::GetDIBColorTable(dc, 0, 256, palette), 256u);
  ::SelectObject(dc, previous);
  ::DeleteDC(dc);

  EXPECT_TRUE(IsNear(PixelOf(banner.get(), 5, 45), RGB(187, 34, 25)));  // the red news band
}

TEST(BitmapResource, IsEmptyWithoutSuchResource) { EXPECT_FALSE(LoadBitmapResource(Self(), 999)); }

TEST(BannerPointer, IsATwoColourPointerWithItsHotSpotAtTheFingertip) {
  const HCURSOR pointer = ::LoadCursorW(Self(), MAKEINTRESOURCEW(IDC_BANNER_POINTER));
  ASSERT_NE(pointer, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(pointer, &info));
  const UniqueBitmap mask(info.hbmMask);
  const UniqueBitmap colour(info.hbmColor);
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 5u);
  EXPECT_EQ(info.yHotspot, 0u);
  EXPECT_FALSE(colour) << "a two-colour pointer keeps both its planes in the mask";
  EXPECT_EQ(BitmapSize(mask.get()).cx, 32);
  EXPECT_EQ(BitmapSize(mask.get()).cy, 64);
}

struct IconCase {
  const char* name;
  int id;
  std::vector<int> sizes;  // of its pictures, in the order of the file
};

class IconResource : public ::testing::TestWithParam<IconCase> {};

// The shell asks for the sizes of its scale; each must be a picture of its own, not a scaled one.
TEST_P(IconResource, HoldsAPictureForEachSizeAndLoadsAtEach) {
  const IconCase& c = GetParam();
  const HRSRC group = ::FindResourceW(Self(), MAKEINTRESOURCEW(c.id), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  const auto* directory = static_cast<const BYTE*>(::LockResource(::LoadResource(Self(), group)));
  // The group's directory: three words, then 14 bytes for each picture, its width first.
  const int count = directory[4] | directory[5] << 8;
  std::vector<int> widths;
  for (int i = 0; i < count; ++i) widths.push_back(directory[6 + 14 * i]);
  EXPECT_EQ(widths, c.sizes);

  for (const int size : c.sizes) {
    const UniqueIcon icon = LoadIconResource(Self(), c.id, size);
    ASSERT_TRUE(icon) << size;
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon.get(), &info));
    const UniqueBitmap mask(info.hbmMask);
    const UniqueBitmap colour(info.hbmColor);
    EXPECT_EQ(BitmapSize(colour.get()).cx, size);
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, IconResource,
                         ::testing::Values(IconCase{"Program", IDI_PBW, {16, 20, 24, 32, 48}},
                                           IconCase{"About", IDI_ABOUT, {32, 16}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pbw
