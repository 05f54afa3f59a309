// The folder browser component: the caller sets the start folder, the title and the window to
// centre over, runs it, and gets the chosen folder back.
#include "folders/folder_dialog.h"

#include <memory>

#include "dialogs/work_area.h"
#include "folders/browser_window.h"
#include "platform/process.h"
#include "platform/services.h"
#include "text/path.h"

namespace tavel {

const char* const kNoFolderToShowText = "フォルダーを表示できません\nフォルダーの参照を中止します";

TDIROPENDLG::TDIROPENDLG(Application& app, Services& services)
    : DialogComponent(app, services.desktop, DialogWorkArea), services_(services) {}

std::string TDIROPENDLG::Execute() {
  auto form = std::make_unique<TDIRVIEWForm>(context_.app, services_);
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
  const std::string title = Caption();
  form->Attach();
  form->KolapBoxDlg1.Title = title;
  form->KolapBoxDlg1.SourceHandle = form->Handle();
  PlaceAndShow(*form, title + form->Caption());
  return form->ChosenFolder;
}

}  // namespace tavel
