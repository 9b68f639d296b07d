#pragma once
// One piece of work that may wait (for the network, say) done on a worker thread of its own, away
// from the user-interface thread. When done, the worker posts `message` with `tag` as its WPARAM to
// `target`; the owner then takes the result. Destroying the owner cancels that message; the worker
// then finishes alone and frees what it shared with it.

#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace pbw {

template <typename Result>
class BackgroundWork {
 public:
  // Throws when no worker thread can be started.
  BackgroundWork(std::function<Result()> work, HWND target, UINT message, WPARAM tag)
      : shared_(std::make_shared<Shared>()) {
    shared_->target = target;
    shared_->message = message;
    shared_->tag = tag;
    std::thread(Run, shared_, std::move(work)).detach();
  }
  ~BackgroundWork() {
    const std::lock_guard lock(shared_->mutex);
    shared_->target = nullptr;
  }
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  // The result once the message has arrived; nothing before.
  std::optional<Result> Take() {
    const std::lock_guard lock(shared_->mutex);
    return std::exchange(shared_->result, std::nullopt);
  }

 private:
  // Shared by the owner and the worker; the last of the two frees it.
  struct Shared {
    std::mutex mutex;
    HWND target = nullptr;  // null once the owner has gone
    UINT message = 0;
    WPARAM tag = 0;
    std::optional<Result> result;
  };

  static void Run(const std::shared_ptr<Shared>& shared, const std::function<Result()>& work) noexcept {
    try {
      Result result = work();
      const std::lock_guard lock(shared->mutex);
      shared->result = std::move(result);
      if (shared->target) ::PostMessageW(shared->target, shared->message, shared->tag, 0);
    } catch (...) {
      // Out of memory: no message; the owner's session ends through its watchdog.
    }
  }

  std::shared_ptr<Shared> shared_;
};

}  // namespace pbw
