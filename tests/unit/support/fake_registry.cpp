// An in-memory registry for tests: keys by root and path, string values, injectable failures.
#include "support/fake_registry.h"

#include "text/name_case.h"

namespace tavel::testing {

class FakeRegistryKey : public RegistryKey {
 public:
  FakeRegistryKey(FakeRegistry& reg, FakeRegistry::KeyId id) : reg_(reg), id_(std::move(id)) {
    ++reg_.openKeys;
  }
  ~FakeRegistryKey() override { --reg_.openKeys; }

  std::optional<std::string> ReadString(const std::string& name) override {
    reg_.accessLog.push_back("read " + name);
    auto& values = reg_.keys_[id_];
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  bool WriteString(const std::string& name, const std::string& value) override {
    reg_.accessLog.push_back("write " + name);
    if (reg_.failWrites.count(name)) return false;
    reg_.keys_[id_][name] = value;
    return true;
  }
  bool DeleteValue(const std::string& name) override {
    reg_.accessLog.push_back("delete " + name);
    if (reg_.failDeletes.count(name)) return false;
    return reg_.keys_[id_].erase(name) > 0;
  }
  std::vector<std::string> SubKeyNames() override {
    std::vector<std::string> names;
    std::string prefix = LowerAscii(id_.second + "\\");
    for (const auto& [id, values] : reg_.keys_) {
      if (id.first != id_.first || LowerAscii(id.second).compare(0, prefix.size(), prefix) != 0)
        continue;
      std::string rest = id.second.substr(prefix.size());
      if (rest.find('\\') == std::string::npos) names.push_back(rest);
    }
    return names;
  }
  std::vector<std::string> ValueNames() override {
    std::vector<std::string> names;
    for (const auto& [name, value] : reg_.keys_[id_]) names.push_back(name);
    return names;
  }

 private:
  FakeRegistry& reg_;
  FakeRegistry::KeyId id_;
};

std::unique_ptr<RegistryKey> FakeRegistry::Open(RegistryRoot root, const std::string& path,
                                                bool create) {
  ++openCount;
  if (failOpen) return nullptr;
  KeyId id{root, path};
  if (!keys_.count(id)) {
    if (!create) return nullptr;
    Create(id);
  }
  return std::make_unique<FakeRegistryKey>(*this, id);
}

bool FakeRegistry::KeyLess::operator()(const KeyId& a, const KeyId& b) const {
  if (a.first != b.first) return a.first < b.first;
  return LowerAscii(a.second) < LowerAscii(b.second);
}

bool FakeRegistry::HasSubKeys(const KeyId& id) const {
  std::string prefix = LowerAscii(id.second + "\\");
  for (const auto& entry : keys_) {
    if (entry.first.first == id.first &&
        LowerAscii(entry.first.second).compare(0, prefix.size(), prefix) == 0) {
      return true;
    }
  }
  return false;
}

// As on Windows NT, a key that still has sub-keys is not deleted.
bool FakeRegistry::DeleteKey(RegistryRoot root, const std::string& path) {
  if (HasSubKeys({root, path})) return false;
  return keys_.erase({root, path}) > 0;
}

void FakeRegistry::Set(const std::string& path, const std::string& name, const std::string& value,
                       RegistryRoot root) {
  Create({root, path});
  keys_[{root, path}][name] = value;
}

// As on Windows, making a key makes the keys above it.
void FakeRegistry::Create(const KeyId& id) {
  for (size_t cut = id.second.find('\\'); cut != std::string::npos;
       cut = id.second.find('\\', cut + 1)) {
    keys_[{id.first, id.second.substr(0, cut)}];
  }
  keys_[id];
}

std::string FakeRegistry::Get(const std::string& path, const std::string& name,
                              RegistryRoot root) const {
  auto key = keys_.find({root, path});
  if (key == keys_.end()) return "<missing>";
  auto it = key->second.find(name);
  return it == key->second.end() ? "<missing>" : it->second;
}

bool FakeRegistry::Has(const std::string& path, const std::string& name, RegistryRoot root) const {
  return Get(path, name, root) != "<missing>";
}

bool FakeRegistry::HasKey(const std::string& path, RegistryRoot root) const {
  return keys_.count({root, path}) != 0;
}

}  // namespace tavel::testing
