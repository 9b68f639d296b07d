#pragma once
// A check box that behaves like the main window's: a change of value raises its click handler
// at once, before SetValue returns.

#include <functional>
#include <string>

#include "desktop/autostart.h"

namespace pbw::testing {

class CheckBoxStandIn : public AutostartCheckBox {
 public:
  int Value() const override { return value; }
  void SetValue(int newValue) override {
    if (newValue == value) return;
    value = newValue;
    if (onClick) onClick();
  }
  std::wstring Tag() const override { return tag; }
  void SetTag(const std::wstring& newTag) override { tag = newTag; }

  int value = 0;
  std::wstring tag;
  std::function<void()> onClick;
};

}  // namespace pbw::testing
