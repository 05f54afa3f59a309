// The folder browser window: the drive box, the folder list and the file list drawn by the
// program, the current folder, and the buttons that set it or cancel.
#pragma once

#include <memory>
#include <string>

#include "dialogs/dialog_component.h"
#include "dialogs/kolap_box.h"
#include "folders/folder_browser.h"
#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/image.h"
#include "ui/list_controls.h"

namespace tavel {

struct Services;

class TDIRVIEWForm : public DialogForm {
 public:
  TDIRVIEWForm(Application& app, Services& services);

  ComboBox ComboBox2;
  Label Label19;
  Label Label3;
  ListBox ListBox1;
  ListBox ListBox4;
  Label Label1;
  Button Button1;
  Button Button2;
  Label Label2;
  Image Image5;  // closed folder
  Image Image6;  // open folder
  Image Floppy;
  Image Fixed;
  Image Network;
  Image CDROM;
  Image RAM;
  // The box the browser reports in.
  TKolapBoxDlg KolapBoxDlg1;

  // The browser's result: empty until 設定 is pressed.
  std::string ChosenFolder;
  // The listing and navigation behind the controls; made by FormCreate.
  std::unique_ptr<FolderBrowser> Browser;

  void FormCreate();
  void FormPaint();
  void FormCloseQuery(bool& canClose);
  void ComboBox2Click();
  void ListBox1Click();
  void Button1Click();
  void Button2Click();
  void ComboBox2DrawItem(Canvas& canvas, int index, const Rect& rect, ItemState state);
  void ListBox1DrawItem(Canvas& canvas, int index, const Rect& rect, ItemState state);

  // The folder that 設定 returns.
  std::string Text() const override { return Label2.Caption(); }

  // The drive box, the folder list and the file list in the system's window colour, or else in
  // the window's own colour.
  void UseStandardColor(bool standard);

 private:
  void SetUpControls();
  void SetUpPictures();
  const Bitmap* Picture(BrowserPicture picture) const;
  // The item's background in the list's colour, or the selection colour; returns the text colour.
  Color FillItem(Canvas& canvas, const ItemList& list, const Rect& rect, ItemState state);

  Services& services_;
};

}  // namespace tavel
