// The resource scripts, which cannot read the product's headers, carry the same version and
// names as they do: the version block Windows shows and the executable's own names.
#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <iterator>
#include <string>

#include "product/identity.h"
#include "product/layout.h"

namespace tavel {
namespace {

// A script of src/app/ (UTF-8) as code page 932, the bytes the program's own literals are.
std::string ReadScript(const char* name) {
  std::ifstream in(std::string(TAVEL_SOURCE_DIR "/src/app/") + name, std::ios::binary);
  std::string utf8((std::istreambuf_iterator<char>(in)), {});
  std::string cp932(utf8.size(), '\0');
  iconv_t codec = iconv_open("CP932", "UTF-8");
  char* from = utf8.data();
  char* to = cp932.data();
  size_t fromLeft = utf8.size();
  size_t toLeft = cp932.size();
  if (iconv(codec, &from, &fromLeft, &to, &toLeft) == static_cast<size_t>(-1))
    toLeft = cp932.size();
  iconv_close(codec);
  cp932.resize(cp932.size() - toLeft);
  return cp932;
}

TEST(ResourceScript, SaysTheProductsVersionAndNames) {
  const std::string block = ReadScript("version_block.rc");
  ASSERT_FALSE(block.empty());
  const std::string numbers =
      std::to_string(kThisVersion / 10) + ", " + std::to_string(kThisVersion % 10) + ", 0, 0";
  const std::string text = "\"" + FormatVersion(kThisVersion) + "\"";
  for (const std::string& line :
       {"FILEVERSION " + numbers, "PRODUCTVERSION " + numbers, "\"FileVersion\", " + text,
        "\"ProductVersion\", " + text, "\"CompanyName\", \"" + std::string(kMakerName) + "\"",
        "\"ProductName\", \"" + std::string(kAppTitle) + "\""}) {
    EXPECT_NE(block.find(line), std::string::npos) << line;
  }
  const std::string resources = ReadScript("resources.rc");
  const std::string exe = kExeFileName;
  for (const std::string& line :
       {"TAVEL_ORIGINAL_FILENAME \"" + exe + "\"",
        "TAVEL_INTERNAL_NAME \"" + exe.substr(0, exe.rfind('.')) + "\""}) {
    EXPECT_NE(resources.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace tavel
