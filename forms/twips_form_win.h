#pragma once
// A top-level window of the program laid out in twips: its class, its controls made from one table
// in their layout fonts, and the keyboard handling of a dialog: the focus given back when the window
// is activated again, Tab and access keys through the program's message loop. Every other message
// goes to the form's owner.

#include <windows.h>

#include <functional>
#include <span>
#include <vector>

#include "common/bound_window_win.h"
#include "common/layout_font.h"
#include "common/unique_handle_win.h"
#include "forms/form_control.h"
#include "forms/program_lifetime_win.h"

namespace pbw {

struct FormFrame {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
  int clientWidthTwips;
  int clientHeightTwips;
};

// The outer rectangle, at the screen's origin, whose client area holds the layout.
RECT OuterRect(const FormFrame& frame);

// Which control a form gives the keyboard back to when it is activated again.
enum class FocusMemory {
  Fields,      // only a field: on a button, a letter typed on the next show would press it
  AnyControl,  // whichever control had it
};

class TwipsForm {
 public:
  // The owner's handler of the messages the form leaves to it; it answers what it leaves alone with
  // DefWindowProcW.
  using MessageHandler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

  // The form counts as loaded in `lifetime` from its creation until its window ends.
  TwipsForm(ProgramLifetime& lifetime, FocusMemory focusMemory, MessageHandler handler);
  TwipsForm(const TwipsForm&) = delete;
  TwipsForm& operator=(const TwipsForm&) = delete;
  ~TwipsForm();

  // Registers the class with its icons (the small one is derived from the other when null), creates
  // the window at `place` and its controls in the table's order, which is the keyboard order. The
  // table lives as long as the program. False when the window could not be made; the owner has then
  // seen the messages of the attempt.
  bool Create(const FormFrame& frame, HICON icon, HICON smallIcon, const RECT& place, HWND owner, HINSTANCE instance,
              std::span<const FormControl> controls);
  // Ends the window without telling the owner.
  void Destroy();

  HWND get() const { return window_.get(); }
  explicit operator bool() const { return static_cast<bool>(window_); }
  HWND Control(int id) const { return ::GetDlgItem(window_.get(), id); }

  void RememberFocus();
  // Before the form was first left, the first control that Tab reaches takes the keyboard.
  void RestoreFocus();

 private:
  friend class BoundWindow<TwipsForm>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControl(const FormControl& control, HINSTANCE instance);
  HFONT FontFor(const LayoutFont& font);
  const FormControl* Find(int id) const;
  HWND FirstTabStop() const;
  void Unloaded(HWND window);

  struct MadeFont {
    LayoutFont font;
    UniqueFont handle;
  };

  ProgramLifetime& lifetime_;
  FocusMemory focusMemory_;
  MessageHandler handler_;
  std::span<const FormControl> controls_;  // empty until the controls are made
  std::vector<MadeFont> fonts_;            // freed with the form
  HWND focus_ = nullptr;
  BoundWindow<TwipsForm> window_{*this};
};

}  // namespace pbw
