// The folder browser window: the drive box, the folder list and the file list drawn by the
// program, the current folder, and the buttons that set it or cancel.
#include "folders/browser_window.h"

#include "dialogs/dialog_form.h"
#include "dialogs/dialog_painting.h"
#include "dialogs/work_area.h"
#include "folders/browser_pictures.h"
#include "platform/process.h"
#include "platform/services.h"
#include "ui/application.h"

namespace tavel {

namespace {

// "System" 19 pixels high: the font of the drive box and the folder list.
Font ListFont() {
  Font f = DialogFont();
  f.height = 19;
  return f;
}

void Place(Control& control, int left, int top, int width, int height, const char* hint = "") {
  control.SetBounds({left, top, width, height});
  control.SetHint(hint);
}

// The counts change with every listing. A count label keeps one size, as wide as the room beside
// it and one line high, so that a new count is only drawn anew: a label that sized itself to each
// text would move its window twice in every listing, which costs more than the rest of listing a
// folder of many sub-folders apart from the search itself.
void PlaceCount(Label& label, int left, int top, int width, const char* hint) {
  label.SetAutoSize(false);
  const Size line = label.OwnerForm()->App().Backend().MeasureText(label.GetFont(), "0");
  Place(label, left, top, width, line.height, hint);
}

}  // namespace

TDIRVIEWForm::TDIRVIEWForm(Application& app, Services& services)
    : DialogForm(app, "TDIRVIEWForm", "DIRVIEWForm", DialogKind::FolderBrowser, services.desktop,
                 385, 182),
      ComboBox2(this, "ComboBox2"),
      Label19(this, "Label19"),
      Label3(this, "Label3"),
      ListBox1(this, "ListBox1"),
      ListBox4(this, "ListBox4"),
      Label1(this, "Label1"),
      Button1(this, "Button1"),
      Button2(this, "Button2"),
      Label2(this, "Label2"),
      Image5(this, "Image5"),
      Image6(this, "Image6"),
      Floppy(this, "Floppy"),
      Fixed(this, "Fixed"),
      Network(this, "Network"),
      CDROM(this, "CDROM"),
      RAM(this, "RAM"),
      KolapBoxDlg1(app, services.desktop, DialogWorkArea),
      services_(services) {
  SetCaption(" フォルダーの参照");
  SetShowHint(true);
  SetUpControls();
  SetUpPictures();
  OnPaint = [this] { FormPaint(); };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  FormCreate();
}

void TDIRVIEWForm::SetUpControls() {
  Place(ComboBox2, 8, 8, 145, 26, "ドライブの選択");
  ComboBox2.SetStyle(ListStyle::OwnerDrawFixed);
  ComboBox2.SetItemHeight(20);
  ComboBox2.SetFont(ListFont());
  PlaceCount(Label19, 160, 8, 52, "現在左記リストに登録されているフォルダーの個数 ");
  Place(Label3, 216, 8, 0, 0);
  Label3.SetCaption("フォルダーの選択");
  Place(ListBox1, 8, 40, 145, 97, "フォルダーの選択");
  ListBox1.SetStyle(ListStyle::OwnerDrawFixed);
  ListBox1.SetItemHeight(20);
  ListBox1.SetFont(ListFont());
  Place(ListBox4, 160, 40, 145, 97, "フォルダーに存在するファイル");
  ListBox4.SetItemHeight(18);
  PlaceCount(Label1, 312, 40, 65, "ファイルの数 ");
  Place(Button1, 312, 72, 65, 33, "参照を中止する");
  Button1.SetCaption("中止");
  Button1.SetCancel(true);
  Button1.SetModalResult(kResultCancel);
  Place(Button2, 312, 112, 65, 33, "フォルダーの設定");
  Button2.SetCaption("設定");
  Button2.SetDefault(true);
  Button2.SetModalResult(kResultOk);
  Place(Label2, 8, 152, 0, 0, "設定フォルダー名");

  ComboBox2.OnChange = [this] { ComboBox2Click(); };
  ListBox1.OnClick = [this] { ListBox1Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  ComboBox2.OnDrawItem = [this](Canvas& c, int i, const Rect& r, ItemState s) {
    ComboBox2DrawItem(c, i, r, s);
  };
  ListBox1.OnDrawItem = [this](Canvas& c, int i, const Rect& r, ItemState s) {
    ListBox1DrawItem(c, i, r, s);
  };
}

void TDIRVIEWForm::SetUpPictures() {
  const std::pair<Image*, BrowserPicture> pictures[] = {
      {&Image5, BrowserPicture::ClosedFolder},
      {&Image6, BrowserPicture::OpenFolder},
      {&Floppy, BrowserPicture::Floppy},
      {&Fixed, BrowserPicture::Fixed},
      {&Network, BrowserPicture::Network},
      {&CDROM, BrowserPicture::CdRom},
      {&RAM, BrowserPicture::Ram},
  };
  for (auto& [image, picture] : pictures) {
    Bitmap b = BrowserPictureBitmap(picture);
    image->SetBounds({0, 0, b.width, b.height});
    image->SetPicture(std::move(b));
    image->SetVisible(false);
  }
}

void TDIRVIEWForm::FormCreate() {
  ChosenFolder.clear();
  BrowserControls controls{ComboBox2, ListBox1, ListBox4, Label19, Label1};
  BrowserMessages messages{[this](const std::string& t) { KolapBoxDlg1.ShowMsg(t); },
                           [this](const std::string& t) { KolapBoxDlg1.ShowTimedMsg(t); }};
  // The remembered folders, the file masks and the Windows folder start afresh with the browser.
  Browser = std::make_unique<FolderBrowser>(App(), controls, messages, services_.drives,
                                            services_.files, services_.process.OwnPath());
}

void TDIRVIEWForm::FormPaint() {
  PaintBackground();
}

void TDIRVIEWForm::FormCloseQuery(bool& canClose) {
  if (Browser) Browser->RecentFolders.clear();
  canClose = true;
}

void TDIRVIEWForm::UseStandardColor(bool standard) {
  const Color color = standard ? kDefaultColor : DialogFormColor(services_.desktop);
  ComboBox2.SetColor(color);
  ListBox1.SetColor(color);
  ListBox4.SetColor(color);
}

void TDIRVIEWForm::ComboBox2Click() {
  const int selected = ComboBox2.ItemIndex();
  if (selected < 0 || !Browser) return;
  Browser->EnterDrive(static_cast<char>(ComboBox2.Item(selected)[0] & ~0x20));
  Label2.SetCaption(Browser->CurrentFolder);
}

void TDIRVIEWForm::ListBox1Click() {
  if (!Browser) return;
  Browser->FolderFromSelection();
  Label2.SetCaption(Browser->CurrentFolder);
}

// Both buttons close the window by their modal results; 中止 leaves the result empty.
void TDIRVIEWForm::Button1Click() {}

void TDIRVIEWForm::Button2Click() {
  ChosenFolder = Label2.Caption();
}

const Bitmap* TDIRVIEWForm::Picture(BrowserPicture picture) const {
  switch (picture) {
    case BrowserPicture::ClosedFolder:
      return &Image5.Picture();
    case BrowserPicture::OpenFolder:
      return &Image6.Picture();
    case BrowserPicture::Floppy:
      return &Floppy.Picture();
    case BrowserPicture::Fixed:
      return &Fixed.Picture();
    case BrowserPicture::Network:
      return &Network.Picture();
    case BrowserPicture::CdRom:
      return &CDROM.Picture();
    case BrowserPicture::Ram:
      return &RAM.Picture();
    default:
      return nullptr;
  }
}

Color TDIRVIEWForm::FillItem(Canvas& canvas, const ItemList& list, const Rect& rect,
                             ItemState state) {
  Color brush =
      list.GetColor() == kDefaultColor ? canvas.System(SystemColor::Window) : list.GetColor();
  if (state.selected) brush = canvas.System(SystemColor::Highlight);
  canvas.Fill(rect, brush);
  return canvas.System(state.selected ? SystemColor::HighlightText : SystemColor::WindowText);
}

// The pictures' pure red shows the brush beneath, so each item looks cut out on its background.
void TDIRVIEWForm::ListBox1DrawItem(Canvas& canvas, int index, const Rect& rect, ItemState state) {
  const Color text = FillItem(canvas, ListBox1, rect, state);
  const std::size_t at = static_cast<std::size_t>(index);
  int x = rect.left +
          (Browser && at < Browser->FolderLevels.size() ? Browser->FolderLevels[at] * 4 : 0) + 2;
  if (const Bitmap* picture = Browser ? Picture(Browser->FolderPicture(index)) : nullptr) {
    canvas.DrawPicture(x, rect.top, *picture, kPictureBackground);
    x += picture->width;
  }
  canvas.WriteText({x, rect.top, rect.Right() - x, rect.height}, ListBox1.Item(index),
                   ListBox1.GetFont(), text);
}

void TDIRVIEWForm::ComboBox2DrawItem(Canvas& canvas, int index, const Rect& rect, ItemState state) {
  const Color text = FillItem(canvas, ComboBox2, rect, state);
  const std::size_t at = static_cast<std::size_t>(index);
  int x = rect.left + 1;
  if (Browser && at < Browser->DrivePictures.size()) {
    if (const Bitmap* picture = Picture(Browser->DrivePictures[at])) {
      canvas.DrawPicture(x, rect.top + 5, *picture, kPictureBackground);
      x += picture->width + 4;
    }
  }
  canvas.WriteText({x, rect.top, rect.Right() - x, rect.height}, ComboBox2.Item(index),
                   ComboBox2.GetFont(), text);
}

}  // namespace tavel
