#pragma once
// A control of another class, extended by an object: either one that the control owns
// (ExtendControl) or one that owns its hook on the control (ControlHook). The extension's
// `LRESULT HandleMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam)` sees the
// control's messages first and passes what it leaves alone to DefSubclassProc.

#include <windows.h>
#include <commctrl.h>

#include <memory>

namespace pbw {

namespace detail {

// Asks a control whether it already carries an extension with the procedure in wParam; if so, that
// extension hands its place to the one in lParam and the answer is kExtensionReplaced. Asked by a
// message because GetWindowSubclass is missing from some import libraries of comctl32.
inline UINT ReplaceExtensionMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"PostboxWatchman.ReplaceExtension");
  return message;
}
inline constexpr LRESULT kExtensionReplaced = 1;

template <class Extension>
LRESULT CALLBACK ExtendedControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR data) {
  auto* extension = reinterpret_cast<Extension*>(data);
  if (message == ReplaceExtensionMessage() &&
      wParam == reinterpret_cast<WPARAM>(&ExtendedControlProcedure<Extension>)) {
    // The earlier extension is freed once the new one is in place.
    const std::unique_ptr<Extension> earlier(extension);
    ::SetWindowSubclass(control, &ExtendedControlProcedure<Extension>, id, static_cast<DWORD_PTR>(lParam));
    return kExtensionReplaced;
  }
  if (message != WM_NCDESTROY) return extension->HandleMessage(control, message, wParam, lParam);
  // Freed once the whole chain has seen the message: hooks added later on the control go last.
  const std::unique_ptr<Extension> owned(extension);
  ::RemoveWindowSubclass(control, &ExtendedControlProcedure<Extension>, id);
  return ::DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace detail

// The control owns `extension` from now on and frees it when it is destroyed. A second extension of
// the same kind replaces the first, which is freed once the second is in place.
template <class Extension>
void ExtendControl(HWND control, std::unique_ptr<Extension> extension) {
  constexpr UINT_PTR kId = 1;
  constexpr SUBCLASSPROC kProcedure = &detail::ExtendedControlProcedure<Extension>;
  const auto added = reinterpret_cast<DWORD_PTR>(extension.get());
  const bool placed = ::SendMessageW(control, detail::ReplaceExtensionMessage(), reinterpret_cast<WPARAM>(kProcedure),
                                     static_cast<LPARAM>(added)) == detail::kExtensionReplaced ||
                      ::SetWindowSubclass(control, kProcedure, kId, added) != FALSE;
  // Once placed, the control holds it; otherwise it is freed here.
  if (placed) static_cast<void>(extension.release());
}

// Hooks `extension` into the control's messages while the hook lives; the extension outlives it.
template <class Extension>
class ControlHook {
 public:
  ControlHook(HWND control, Extension& extension)
      : control_(control),
        hooked_(::SetWindowSubclass(control, &Procedure, kId, reinterpret_cast<DWORD_PTR>(&extension)) != FALSE) {}
  ~ControlHook() {
    if (hooked_) ::RemoveWindowSubclass(control_, &Procedure, kId);
  }
  ControlHook(const ControlHook&) = delete;
  ControlHook& operator=(const ControlHook&) = delete;

  explicit operator bool() const { return hooked_; }

 private:
  static constexpr UINT_PTR kId = 2;

  static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                    DWORD_PTR data) {
    return reinterpret_cast<Extension*>(data)->HandleMessage(control, message, wParam, lParam);
  }

  HWND control_;
  bool hooked_;
};

}  // namespace pbw
