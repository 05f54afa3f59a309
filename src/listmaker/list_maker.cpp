// One run of the list maker: from its arguments to a memory list written beside the player.
#include "listmaker/list_maker.h"

#include "listmaker/playlist.h"
#include "lists/list_file.h"
#include "lists/playable.h"
#include "product/layout.h"
#include "text/path.h"

namespace tavel {

namespace {

// The list file of the request, in code page 932 and in UTF-8 for messages; nothing when its
// folder is missing or cannot be named in code page 932.
struct Target {
  std::string cp932;
  std::string utf8;
  std::string folder;
};

std::optional<Target> TargetOf(const ListRequest& request, ListMakerContext& c) {
  const std::string folder =
      request.playerFolder.empty() ? c.ownFolder : c.music.FullPath(request.playerFolder);
  std::optional<std::string> cp932Folder = c.codec.FromUtf8(folder);
  if (c.music.KindOf(folder) != PathKind::Folder || !cp932Folder) {
    c.console.Err(NoticeText(Notice::FolderUnusable, folder, c.language));
    return std::nullopt;
  }
  const std::string name = MemoryFileName("", request.memory);
  return Target{MemoryFileName(WithBackslash(*cp932Folder), request.memory),
                JoinPath(folder, name, PathEncoding::Utf8), folder};
}

// Puts the entries already in the list that stay in front of the new ones into `kept`; the exit
// code when the list must stay as it is, else kWritten.
int KeepEntries(const ListRequest& request, const Target& target, ListMakerContext& c,
                std::vector<std::string>& kept) {
  if (!c.lists.FileExists(target.cp932) || request.existing == ExistingList::Replace)
    return kWritten;
  if (request.existing == ExistingList::Keep) {
    c.console.Err(NoticeText(Notice::ListExists, target.utf8, c.language));
    return kListExists;
  }
  FileContent content = c.lists.ReadFile(target.cp932);
  if (content.status != ReadStatus::Ok) {
    c.console.Err(NoticeText(Notice::ListUnreadable, target.utf8, c.language));
    return kReadWriteFailed;
  }
  kept = ParseListFile(content.bytes);
  return kWritten;
}

int MakeList(const ListRequest& request, ListMakerContext& c) {
  std::optional<Target> target = TargetOf(request, c);
  if (!target) return kReadWriteFailed;
  if (c.music.KindOf(JoinPath(target->folder, kExeFileName, PathEncoding::Utf8)) != PathKind::File)
    c.console.Err(NoticeText(Notice::NoPlayer, target->folder, c.language));
  std::vector<std::string> entries;
  if (int code = KeepEntries(request, *target, c, entries); code != kWritten) return code;

  std::vector<std::string> inputs;
  for (const std::string& input : request.inputs) inputs.push_back(c.music.FullPath(input));
  Selection selection =
      SelectEntries(inputs, request.subfolders, c.music, c.codec, PlayableTypes(request.mp3AndWma));
  for (const RefusedEntry& refused : selection.refused)
    c.console.Err(RefusalText(refused, c.language));
  if (selection.entries.empty()) {
    c.console.Err(NoticeText(Notice::NothingToWrite, target->utf8, c.language));
    return kNothingPlayable;
  }
  entries.insert(entries.end(), selection.entries.begin(), selection.entries.end());
  if (!c.lists.ReplaceFileAtomically(target->cp932, FormatListFile(entries))) {
    c.console.Err(NoticeText(Notice::WriteFailed, target->utf8, c.language));
    return kReadWriteFailed;
  }
  for (const ShortenedEntry& shortened : selection.shortened)
    c.console.Out(ShortenedText(shortened, c.language));
  c.console.Out(
      WrittenText(target->utf8, selection.entries.size(), selection.refused.size(), c.language));
  return selection.refused.empty() ? kWritten : kWrittenWithRefusals;
}

}  // namespace

int RunListMaker(const std::vector<std::string>& args, ListMakerContext& context) {
  const ParsedArguments parsed = ParseArguments(args);
  if (args.empty()) {
    context.console.Out(HelpText());
    return kWrongArguments;
  }
  if (parsed.request.help) {
    context.console.Out(HelpText());
    return kWritten;
  }
  if (parsed.error != ArgumentError::None) {
    context.console.Err(ArgumentErrorText(parsed, context.language));
    return kWrongArguments;
  }
  return MakeList(parsed.request, context);
}

}  // namespace tavel
