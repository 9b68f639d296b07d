#pragma once
// One owner type for every kind of Win32 handle: closed exactly once, movable, never copied.

#include <winsock2.h>
#include <windows.h>

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

}  // namespace pbw
