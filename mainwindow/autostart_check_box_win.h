#pragma once
// The "&Autostart" check box as the autostart feature sees it.

#include <windows.h>

#include <functional>
#include <string>

#include "desktop/autostart.h"

namespace pbw {

class AutostartCheckBoxControl final : public AutostartCheckBox {
 public:
  // `onClick` is the box's click handler; it also runs when the program changes the value.
  AutostartCheckBoxControl(HWND checkBox, std::function<void()> onClick)
      : checkBox_(checkBox), onClick_(std::move(onClick)) {}

  int Value() const override;
  void SetValue(int value) override;
  std::wstring Tag() const override { return tag_; }
  void SetTag(const std::wstring& tag) override { tag_ = tag; }

 private:
  HWND checkBox_;
  std::function<void()> onClick_;
  std::wstring tag_;
};

}  // namespace pbw
