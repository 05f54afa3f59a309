// An owner of one handle of the system, which gives it back exactly once on every way out.
#pragma once

#include <utility>

namespace tavel {

// `Closer` says how one kind of handle goes back: `Closer::Empty()` is the value that holds
// nothing (what a failed open returns), and `closer(handle)` gives a handle back and tells whether
// that worked. A closer carries whatever else giving back needs (the window a device context
// belongs to).
template <typename Handle, typename Closer>
class [[nodiscard]] HandleOwner {
 public:
  explicit HandleOwner(Handle handle, Closer closer = Closer())
      : handle_(handle), closer_(std::move(closer)) {}
  ~HandleOwner() { Close(); }
  HandleOwner(const HandleOwner&) = delete;
  HandleOwner& operator=(const HandleOwner&) = delete;

  bool Valid() const { return handle_ != Closer::Empty(); }
  Handle Get() const { return handle_; }
  // Gives the handle back now; false when that failed (closing a file flushes it, which can fail)
  // or when nothing was held.
  bool Close() {
    if (!Valid()) return false;
    return closer_(std::exchange(handle_, Closer::Empty()));
  }

 private:
  Handle handle_;
  Closer closer_;
};

}  // namespace tavel
