#pragma once
// One owner type for every kind of Win32 handle: closed exactly once, movable, never copied.
// Beside it, the few owners of a different shape: memory the system allocated, and states that a
// scope sets and puts back.

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace pbw {

template <typename Handle, auto Close, auto Empty = Handle{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Empty; }

  // For out-parameters of API calls: closes what is held, then lends the slot.
  Handle* put() {
    reset();
    return &handle_;
  }
  Handle release() { return std::exchange(handle_, Empty); }
  void reset(Handle handle = Empty) {
    const Handle old = std::exchange(handle_, handle);
    if (old != Empty) Close(old);
  }

 private:
  Handle handle_ = Empty;
};

namespace detail {
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void CloseRegistryKey(HKEY k) { ::RegCloseKey(k); }
inline void CloseSocketHandle(SOCKET s) { ::closesocket(s); }
inline void DestroyIconHandle(HICON i) { ::DestroyIcon(i); }
inline void DestroyCursorHandle(HCURSOR c) { ::DestroyCursor(c); }
inline void DeleteGdiObject(HGDIOBJ o) { ::DeleteObject(o); }
inline void DestroyWindowHandle(HWND w) { ::DestroyWindow(w); }
inline void FindCloseHandle(HANDLE h) { ::FindClose(h); }
inline void DeleteMemoryDc(HDC dc) { ::DeleteDC(dc); }
// INVALID_HANDLE_VALUE is no constant expression, so it cannot be a template argument itself.
struct InvalidHandleValue {
  operator HANDLE() const { return INVALID_HANDLE_VALUE; }
};
}  // namespace detail

using UniqueKernelHandle = UniqueHandle<HANDLE, detail::CloseKernelHandle>;
using UniqueFindHandle = UniqueHandle<HANDLE, detail::FindCloseHandle, detail::InvalidHandleValue{}>;
using UniqueKey = UniqueHandle<HKEY, detail::CloseRegistryKey>;
using UniqueSocket = UniqueHandle<SOCKET, detail::CloseSocketHandle, INVALID_SOCKET>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
using UniqueCursor = UniqueHandle<HCURSOR, detail::DestroyCursorHandle>;
using UniqueFont = UniqueHandle<HFONT, detail::DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, detail::DeleteGdiObject>;
using UniqueWindow = UniqueHandle<HWND, detail::DestroyWindowHandle>;
// A device context of CreateCompatibleDC.
using UniqueMemoryDc = UniqueHandle<HDC, detail::DeleteMemoryDc>;

// For std::unique_ptr: memory the system allocated with LocalAlloc, and GetAddrInfoW's list.
struct LocalFreeDeleter {
  void operator()(void* memory) const { ::LocalFree(memory); }
};
struct AddressListDeleter {
  void operator()(ADDRINFOW* list) const { ::FreeAddrInfoW(list); }
};

// A window's device context (GetDC) for one scope; the screen's when the window is null.
class WindowDc {
 public:
  explicit WindowDc(HWND window = nullptr) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects a GDI object into a device context for one scope.
class GdiSelection {
 public:
  GdiSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  GdiSelection(const GdiSelection&) = delete;
  GdiSelection& operator=(const GdiSelection&) = delete;
  ~GdiSelection() { ::SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// COM on this thread for one scope. A thread that already lives in another apartment keeps it.
// Without OLE1's DDE, which the shell's documents and links do not need.
class ComApartment {
 public:
  ComApartment()
      : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) ::CoUninitialize();
  }

 private:
  bool initialised_;
};

// No system message box for this thread's critical errors (a drive without a medium) in one scope.
class QuietCriticalErrors {
 public:
  QuietCriticalErrors() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~QuietCriticalErrors() { ::SetThreadErrorMode(previous_, nullptr); }
  QuietCriticalErrors(const QuietCriticalErrors&) = delete;
  QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

}  // namespace pbw
