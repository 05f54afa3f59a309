// The install's and the uninstall's texts that name a folder, a file, a key or a group.
#include "setup/setup_messages.h"

namespace tavel::setup_messages {

std::string AskCreateFolder(const std::string& folder) {
  return folder + "\nフォルダーを作成します";
}

std::string FolderNotCreated(const std::string& folder) {
  return "[ " + folder + " ]\nフォルダーの作成に失敗しました・・・";
}

std::string CopyFailed(const std::string& fileName) {
  return fileName + "\nファイルのコピーに失敗しました・・・";
}

std::string RegistryWriteFailed(const std::string& key, const std::string& value) {
  return "[ " + key + " ]\n" + value + "\nレジストリーへの書き込みに失敗しました・・・";
}

std::string InstallCompleted(const std::string& group) {
  return "登録完了です。\n\n[ " + group + " ]\nグループに登録しました☆☆\nお疲れ様☆☆";
}

std::string AskUninstall(const std::string& displayName) {
  return displayName + "\nを、ｱﾝｲﾝｽﾂｰﾙしてよろしいですか？？？";
}

std::string NotTheInstalledCopy(const std::string& installed) {
  return "ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｲﾝｽﾂｰﾙされたソフトではありません。\n[ " + installed +
         " ]\nからｱﾝｲﾝｽﾂｰﾙして下さい。";
}

std::string ProgramNotRemoved(const std::string& program) {
  return "4ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：[ " + program +
         " ]\nを削除できません・・・\nﾌﾟﾛｸﾞﾗﾑとﾌｫﾙﾀﾞｰは削除されずに残ります。";
}

}  // namespace tavel::setup_messages
