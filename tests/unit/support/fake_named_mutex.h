// Named mutexes for tests: one process, so a lock is always free unless the test says otherwise;
// every take and give-back is noted, optionally in another log (such as the registry's).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/named_mutex.h"

namespace tavel::testing {

class FakeNamedMutexes : public NamedMutexes {
 public:
  std::unique_ptr<MutexHandle> Acquire(const std::string& name) override {
    Note("lock " + name);
    if (refuse) return nullptr;
    return std::make_unique<Handle>(*this, name, true);
  }
  std::unique_ptr<MutexHandle> Keep(const std::string& name) override {
    return std::make_unique<Handle>(*this, name, false);
  }
  bool Exists(const std::string& name) override { return open[name] > 0; }

  bool refuse = false;              // every lock stays out of reach, as after a time-out
  std::map<std::string, int> held;  // locks held right now, by name
  std::map<std::string, int> open;  // handles open right now, by name
  std::vector<std::string> log;     // "lock NAME" and "unlock NAME", in order
  std::vector<std::string>* alsoLogTo = nullptr;

 private:
  class Handle : public MutexHandle {
   public:
    Handle(FakeNamedMutexes& owner, std::string name, bool held)
        : owner_(owner), name_(std::move(name)), held_(held) {
      ++owner_.open[name_];
      if (held_) ++owner_.held[name_];
    }
    ~Handle() override {
      --owner_.open[name_];
      if (!held_) return;
      --owner_.held[name_];
      owner_.Note("unlock " + name_);
    }

   private:
    FakeNamedMutexes& owner_;
    std::string name_;
    bool held_;
  };

  void Note(const std::string& entry) {
    log.push_back(entry);
    if (alsoLogTo) alsoLogTo->push_back(entry);
  }
};

}  // namespace tavel::testing
