// Sets a value for a stretch of code and puts the previous one back however the stretch ends.
#pragma once

#include <functional>
#include <utility>

namespace tavel {

// Holds `value` in its target for the life of the object and gives the target back the value it
// had before, on a return and an exception alike, so that no way out of a handler leaves a flag
// set. Putting back the previous value rather than a fixed one lets sections nest: an inner
// section that ends leaves the outer one's value in place.
template <typename T>
class [[nodiscard]] ScopedValue {
 public:
  ScopedValue(T& target, T value)
      : ScopedValue([&target](const T& v) { target = v; }, target, std::move(value)) {}
  // For a value that is changed through a function, so that what depends on it follows (the
  // cursor follows the application's busy state).
  ScopedValue(std::function<void(const T&)> set, T previous, T value)
      : set_(std::move(set)), previous_(std::move(previous)) {
    set_(value);
  }
  ~ScopedValue() { set_(previous_); }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  std::function<void(const T&)> set_;
  T previous_;
};

}  // namespace tavel
