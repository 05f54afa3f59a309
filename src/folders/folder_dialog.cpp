// The folder browser component: the caller sets the start folder, the title and the window to
// centre over, runs it, and gets the chosen folder back.
#include "folders/folder_dialog.h"

#include <memory>

#include "dialogs/dialog_form.h"
#include "dialogs/dialog_placement.h"
#include "dialogs/work_area.h"
#include "folders/browser_window.h"
#include "platform/process.h"
#include "platform/services.h"
#include "text/path.h"
#include "ui/application.h"

namespace tavel {

const char* const kNoFolderToShowText = "フォルダーを表示できません\nフォルダーの参照を中止します";

namespace {

// The folder of a file's path with its trailing backslash (C:\KoLAPP32\TaVIN32\).
std::string FolderOf(const std::string& path) {
  const std::string name = DisplayName(path);
  return path.substr(0, path.size() - name.size());
}

}  // namespace

TDIROPENDLG::TDIROPENDLG(Application& app, Services& services) : app_(app), services_(services) {}

std::string TDIROPENDLG::Execute() {
  auto form = std::make_unique<TDIRVIEWForm>(app_, services_);
  DialogContext context{app_, services_.desktop, DialogWorkArea};
  PlaceForm(*form, context, SourceHandle);
  FolderBrowser& browser = *form->Browser;
  browser.FillDriveList();
  const std::string ownFolder = FolderOf(services_.process.OwnPath());
  const std::string start = Directory.empty() ? ownFolder : Directory;
  const bool entered = browser.GoToFolder(start) || browser.GoToFolder(ownFolder);
  // Without any folder listed the browser could only return nothing: say so instead of showing
  // an empty window.
  if (!entered || browser.CurrentFolder.empty()) {
    form->KolapBoxDlg1.Title = Title;
    form->KolapBoxDlg1.ShowMsg(kNoFolderToShowText);
    return {};
  }
  form->Label2.SetCaption(browser.CurrentFolder);
  form->UseStandardColor(StandardColor);
  const std::string title = DialogCaption(Title, app_);
  form->Attach();
  form->KolapBoxDlg1.Title = title;
  form->KolapBoxDlg1.SourceHandle = form->Handle();
  form->SetCaption(title + form->Caption());
  ShowDialogModal(*form);
  return form->ChosenFolder;
}

}  // namespace tavel
