#include "desktop/startup_banner_win.h"

#include <chrono>
#include <optional>

#include "desktop/program_location.h"
#include "desktop/program_location_win.h"
#include "desktop/startup_banner.h"

namespace pbw {
namespace {

// A child window placed in its parent's client coordinates.
class PictureControl final : public BannerPicture {
 public:
  explicit PictureControl(HWND window) : window_(window) {}

  PictureRect Rect() const override {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.top, rect.left, rect.right - rect.left, rect.bottom - rect.top};
  }
  void Hide() override { ::ShowWindow(window_, SW_HIDE); }
  void SetTop(int top) override { Change(&PictureRect::top, top); }
  void SetLeft(int left) override { Change(&PictureRect::left, left); }
  void SetWidth(int width) override { Change(&PictureRect::width, width); }
  void SetHeight(int height) override { Change(&PictureRect::height, height); }

 private:
  void Change(int PictureRect::*field, int value) {
    PictureRect r = Rect();
    r.*field = value;
    ::SetWindowPos(window_, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  HWND window_;
};

std::chrono::local_seconds LocalSeconds(const SYSTEMTIME& t) {
  using namespace std::chrono;
  const local_days date{year{t.wYear} / month{t.wMonth} / day{t.wDay}};
  return date + hours{t.wHour} + minutes{t.wMinute} + seconds{t.wSecond};
}

std::optional<std::chrono::local_seconds> LastWriteLocalTime(const std::wstring& file) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!::GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &attributes)) return std::nullopt;
  SYSTEMTIME universal{};
  SYSTEMTIME local{};
  // Converted with the daylight-saving rule of the stamp's own date, as Explorer shows it.
  if (!::FileTimeToSystemTime(&attributes.ftLastWriteTime, &universal) ||
      !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
    return std::nullopt;
  }
  return LocalSeconds(local);
}

std::chrono::local_seconds LocalNow() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return LocalSeconds(now);
}

}  // namespace

void SelectStartupBanner(HWND image1, HWND image2) {
  SelectStartupBannerByAgeOf(ProgramFileOf(ModulePath(nullptr), L".EXE"), image1, image2);
}

void SelectStartupBannerByAgeOf(const std::wstring& stampedFile, HWND image1, HWND image2) {
  std::optional<int> age;
  if (const auto stamp = LastWriteLocalTime(stampedFile)) age = CalendarDayAge(*stamp, LocalNow());
  PictureControl maker(image1);
  PictureControl partner(image2);
  ArrangeBanners(age, maker, partner);
}

}  // namespace pbw
