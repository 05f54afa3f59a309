// The list maker's texts in Japanese and in English. The literals are UTF-8 (u8), not the code page
// 932 of the player's own texts, because a path shown beside them may hold any character.
#include "listmaker/messages.h"

namespace tavel {

namespace {

const char* Pick(Language language, const char* japanese, const char* english) {
  return language == Language::Japanese ? japanese : english;
}

const char* ReasonText(Refusal reason, Language l) {
  switch (reason) {
    case Refusal::Missing:
      return Pick(l, u8"ファイルがありません", u8"no such file");
    case Refusal::NotAFile:
      return Pick(l, u8"ファイルではありません", u8"not a file");
    case Refusal::UnknownType:
      return Pick(l, u8"再生できる種類 (WAV MID RMI AIF AU SND、/M で MP3 WMA も) ではありません",
                  u8"not a type the player plays (WAV MID RMI AIF AU SND; MP3 WMA with /M)");
    case Refusal::NotCp932:
      return Pick(l, u8"シフトJIS (コードページ 932) にない文字を含みます",
                  u8"holds a character that Shift-JIS (code page 932) lacks");
    case Refusal::TooLong:
      return Pick(l, u8"パスが長すぎて再生できません", u8"path too long for the player");
    case Refusal::Unreadable:
      return Pick(l, u8"読めません", u8"cannot be read");
    case Refusal::BadPlaylistText:
      return Pick(l, u8"シフトJISとして読めない行です", u8"line is not Shift-JIS text");
  }
  return "";
}

const char kHelp[] =
    u8"TAVLIST Mn [オプション] フォルダまたはファイル...\n"
    u8"  楽蔵32 (TaVEL32.EXE) のメモリ Mn (M0 ～ M9) のリスト TaVM32Mn.LIS を作ります。\n"
    u8"  フォルダの音楽ファイルは名前順 (数字は数の順)、プレイリスト (.m3u .m3u8) は\n"
    u8"  その順に並べます。再生できないものは理由とともに表示して除きます。\n"
    u8"  シフトJISにない文字を含む名前は、短い名前 (8.3 形式) があればそれで登録します。\n"
    u8"  /S  --subfolders    サブフォルダも探す\n"
    u8"  /R  --replace       既にあるリストを置き換える\n"
    u8"  /A  --append        既にあるリストに追加する\n"
    u8"  /D:フォルダ  --dir フォルダ   TaVEL32.EXE のフォルダ (省略時は TAVLIST.EXE のフォルダ)\n"
    u8"  /M  --mp3-wma       MP3 と WMA も入れる (楽蔵32 の「ＭＰ３・ＷＭＡ再生ＯＮ」で再生)\n"
    u8"  /?  --help          この説明\n"
    u8"  終了コード: 0 作成, 1 作成 (除いた項目あり), 2 引数の誤り, 3 再生できる項目なし,\n"
    u8"              4 リストが既にある (/R か /A を指定), 5 読み書きの失敗\n"
    u8"\n"
    u8"TAVLIST Mn [options] FOLDER-OR-FILE...\n"
    u8"  Writes the list TaVM32Mn.LIS of memory Mn (M0 to M9) of the player TaVEL32.EXE.\n"
    u8"  Music files in folders go in name order (numbers by value); playlists (.m3u .m3u8)\n"
    u8"  keep their order. Whatever the player cannot play is left out and named with the reason.\n"
    u8"  A name with characters Shift-JIS lacks is written by its short (8.3) name, if it has "
    u8"one.\n"
    u8"  /S  --subfolders    search sub-folders too\n"
    u8"  /R  --replace       replace an existing list\n"
    u8"  /A  --append        add to an existing list\n"
    u8"  /D:FOLDER  --dir FOLDER   the folder of TaVEL32.EXE (default: the folder of TAVLIST.EXE)\n"
    u8"  /M  --mp3-wma       take MP3 and WMA too (the player plays them with its\n"
    u8"                      option \"ＭＰ３・ＷＭＡ再生ＯＮ\")\n"
    u8"  /?  --help          this help\n"
    u8"  Exit codes: 0 written, 1 written with entries left out, 2 wrong arguments,\n"
    u8"              3 nothing playable, 4 the list exists (give /R or /A), 5 read or write "
    u8"failed\n";

}  // namespace

std::string HelpText() {
  return kHelp;
}

std::string ArgumentErrorText(const ParsedArguments& parsed, Language l) {
  std::string text;
  switch (parsed.error) {
    case ArgumentError::None:
      return "";
    case ArgumentError::NoMemory:
      text = Pick(l, u8"最初の引数はメモリ M0 ～ M9 です: ",
                  u8"the first argument is a memory M0 to M9: ");
      text += parsed.argument;
      break;
    case ArgumentError::NoInput:
      text = Pick(l, u8"フォルダかファイルを指定してください", u8"name a folder or a file");
      break;
    case ArgumentError::UnknownOption:
      text = Pick(l, u8"知らないオプションです: ", u8"unknown option: ") + parsed.argument;
      break;
    case ArgumentError::MissingFolder:
      text = Pick(l, u8"フォルダがありません: ", u8"folder missing after ") + parsed.argument;
      break;
    case ArgumentError::ReplaceAndAppend:
      text = Pick(l, u8"/R と /A は同時に指定できません", u8"/R and /A cannot be given together");
      break;
  }
  return text + Pick(l, u8" (TAVLIST /? で説明)", u8" (TAVLIST /? for help)");
}

std::string RefusalText(const RefusedEntry& refused, Language l) {
  return std::string(Pick(l, u8"除外: ", u8"left out: ")) + refused.path + " : " +
         ReasonText(refused.reason, l);
}

std::string ShortenedText(const ShortenedEntry& shortened, Language l) {
  return std::string(Pick(l, u8"短い名前で登録: ", u8"written by its short name: ")) +
         shortened.path + Pick(l, u8" → ", u8" -> ") + shortened.written;
}

std::string WrittenText(const std::string& list, std::size_t entries, std::size_t refused,
                        Language l) {
  std::string text = list + Pick(l, u8" に ", u8": ") + std::to_string(entries) +
                     Pick(l, u8" 件を書きました", u8" entries written");
  if (refused == 0) return text;
  return text + Pick(l, u8" (除外 ", u8" (") + std::to_string(refused) +
         Pick(l, u8" 件)", u8" left out)");
}

std::string NoticeText(Notice notice, const std::string& path, Language l) {
  struct Text {
    const char* japanese;
    const char* english;
  };
  static const Text kTexts[] = {
      {u8"再生できる項目がないので書きません: ", u8"nothing playable; not written: "},
      {u8"リストが既にあります (置き換えは /R、追加は /A): ",
       u8"the list exists (/R replaces it, /A adds to it): "},
      {u8"リストを書けません (元のリストはそのまま): ",
       u8"cannot write the list (any previous list is unchanged): "},
      {u8"既にあるリストを読めません: ", u8"cannot read the existing list: "},
      {u8"リストを置くフォルダがないか、シフトJISで書けない名前です: ",
       u8"the folder for the list is missing or its name is not Shift-JIS: "},
      {u8"注意: TaVEL32.EXE がないフォルダです: ", u8"note: TaVEL32.EXE is not in this folder: "},
  };
  const Text& text = kTexts[static_cast<int>(notice)];
  return Pick(l, text.japanese, text.english) + path;
}

}  // namespace tavel
