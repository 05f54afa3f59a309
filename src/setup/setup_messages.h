// Every text the install and the uninstall show: fixed texts as constants, texts that name
// something as functions of it.
#pragma once

#include <string>

namespace tavel::setup_messages {

// The setup window's start.
constexpr const char* kNoMemory = "初期化０：メモリーが確保できません";
constexpr const char* kNoGroups = "グループ名の取得に失敗しました・・・";

// The install.
constexpr const char* kInstallCancelled = "インスツールを中止します。";
constexpr const char* kNoGroup = "グループ名を設定して下さい。";
constexpr const char* kNoFolder = "フォルダーを設定して下さい。";
constexpr const char* kBadFolder = "[  ]\nデータが不正です";
constexpr const char* kNoStartUpGroup =
    "ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません";
std::string AskCreateFolder(const std::string& folder);
std::string FolderNotCreated(const std::string& folder);
std::string CopyFailed(const std::string& fileName);
std::string RegistryWriteFailed(const std::string& key, const std::string& value);
std::string InstallCompleted(const std::string& group);

// The uninstall.
constexpr const char* kFallbackCaption = "UNINSTALL_KOLAP000";
constexpr const char* kUninstallCancelled = "ｱﾝｲﾝｽﾂｰﾙを中止しました。";
constexpr const char* kAskHistory =
    "アイコン／TXTﾌｧｲﾙの削除を終了しました。\n楽蔵32専用ﾋｽﾄﾘｰﾌｧｲﾙも削除して、よろしいですか？？？";
constexpr const char* kStartFailed = "1ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました";
constexpr const char* kHandOverFailed = "2ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました";
// Without the hand-off data the copy could not finish, so it is not started at all.
constexpr const char* kHandoffNotWritten =
    "3ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙ情報を書き込めません。\n"
    "ﾌﾟﾛｸﾞﾗﾑとﾌｫﾙﾀﾞｰは削除されずに残ります。";
constexpr const char* kBadParameter =
    "ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ﾊﾟﾗﾒｰﾀｰが不正です・・・\n[KOLAP SOFT32]専用のｱﾝｲﾝｽﾂｰﾙｿﾌﾄです。";
constexpr const char* kUninstallCompleted = "アンインスツールが完了しました☆☆☆\nお疲れ様☆☆☆";
constexpr const char* kRefused =
    "ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ソフトが起動中です。\n終了しないとｱﾝｲﾝｽﾂｰﾙ出来ません。";
std::string AskUninstall(const std::string& displayName);
// Started from a copy of the program outside the install folder (a download, say).
std::string NotTheInstalledCopy(const std::string& installed);
// The uninstaller copy gave up on a program it could not delete.
std::string ProgramNotRemoved(const std::string& program);

}  // namespace tavel::setup_messages
