#pragma once
// Work that may wait (for the network, say), done on the system's thread pool away from the
// user-interface thread. Its result comes back to the receiver on the thread that owns this object,
// through the program's message window. Only the latest question is answered: a newer Start,
// Cancel or the owner's end drops the result of the one before, whenever that work finishes. The
// work shares only its own state with the owner, freed by whichever of the two lets go last, so a
// piece still running when the program ends touches nothing that the end frees.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "engine/message_window_win.h"

namespace pbw {

template <typename Result>
class BackgroundWork {
 public:
  // It runs inside a window procedure: it must not throw. It may start new work, or end the owner.
  using Receiver = std::function<void(Result result)>;

  explicit BackgroundWork(Receiver receiver)
      : receiver_(std::move(receiver)), mailbox_([this](WPARAM, LPARAM) { Deliver(); }) {}
  ~BackgroundWork() { Cancel(); }
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  // Replaces whatever question is under way. False when there is no message window or the pool
  // takes no work: nothing is under way then.
  bool Start(std::function<Result()> work) {
    Cancel();
    if (!mailbox_.Window()) return false;
    auto shared = std::make_shared<Shared>(mailbox_.Window(), mailbox_.Message(), std::move(work));
    // The pool's callback takes over this reference.
    auto reference = std::make_unique<std::shared_ptr<Shared>>(shared);
    if (!::TrySubmitThreadpoolCallback(&Run, reference.get(), nullptr)) return false;
    static_cast<void>(reference.release());
    shared_ = std::move(shared);
    return true;
  }

  // The receiver hears nothing of the work under way.
  void Cancel() noexcept {
    if (!shared_) return;
    {
      const ExclusiveLock lock(shared_->lock);
      shared_->abandoned = true;
    }
    // Frees the state unless the work is still running; the lock is released by then.
    shared_ = nullptr;
  }

  bool Running() const { return shared_ != nullptr; }

 private:
  class ExclusiveLock {
   public:
    explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { ::AcquireSRWLockExclusive(&lock_); }
    ~ExclusiveLock() { ::ReleaseSRWLockExclusive(&lock_); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

   private:
    SRWLOCK& lock_;
  };

  // Shared by the owner and the pool's callback.
  struct Shared {
    Shared(HWND window, UINT message, std::function<Result()> work)
        : window(window), message(message), work(std::move(work)) {}

    const HWND window;
    const UINT message;
    const std::function<Result()> work;
    SRWLOCK lock = SRWLOCK_INIT;
    bool abandoned = false;
    std::optional<Result> result;
  };

  static void CALLBACK Run(PTP_CALLBACK_INSTANCE /*instance*/, void* context) noexcept {
    const std::unique_ptr<std::shared_ptr<Shared>> reference(static_cast<std::shared_ptr<Shared>*>(context));
    Shared& shared = **reference;
    try {
      Result result = shared.work();
      const ExclusiveLock lock(shared.lock);
      if (shared.abandoned) return;
      shared.result = std::move(result);
      ::PostMessageW(shared.window, shared.message, 0, 0);
    } catch (...) {
      // Out of memory: no message; the owner's session ends through its watchdog.
    }
  }

  // A message of an older question finds no result here, or the newer one's already.
  void Deliver() noexcept {
    if (!shared_) return;
    std::optional<Result> result;
    {
      const ExclusiveLock lock(shared_->lock);
      result.swap(shared_->result);
    }
    if (!result) return;
    shared_ = nullptr;
    receiver_(std::move(*result));
  }

  const Receiver receiver_;
  std::shared_ptr<Shared> shared_;
  // Declared last, so it goes first: no message reaches Deliver once the rest is gone.
  Mailbox mailbox_;
};

}  // namespace pbw
