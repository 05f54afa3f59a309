// Tests of deleting a registry key with everything below it.
#include <gtest/gtest.h>

#include "platform/registry.h"
#include "support/fake_registry.h"

namespace tavel::testing {
namespace {

TEST(DeleteKeyTree, RemovesTheKeyAndEveryKeyBelowItOnly) {
  FakeRegistry registry;
  registry.Set("A\\B", "v", "1");
  registry.Set("A\\B\\C", "v", "2");
  registry.Set("A\\B\\C\\D", "v", "3");
  registry.Set("A\\BB", "v", "4");
  // A key with sub-keys is not deleted by itself.
  EXPECT_FALSE(registry.DeleteKey(RegistryRoot::Users, "A\\B"));
  EXPECT_TRUE(DeleteKeyTree(registry, RegistryRoot::Users, "a\\b"));
  EXPECT_FALSE(registry.HasKey("A\\B"));
  EXPECT_FALSE(registry.HasKey("A\\B\\C\\D"));
  EXPECT_EQ(registry.Get("A\\BB", "v"), "4");
  EXPECT_EQ(registry.openKeys, 0);
  EXPECT_FALSE(DeleteKeyTree(registry, RegistryRoot::Users, "A\\B"));
}

}  // namespace
}  // namespace tavel::testing
