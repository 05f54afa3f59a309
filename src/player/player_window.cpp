// The player window's layout: every component with its place, caption and hint.
#include "player/player_window.h"

#include "ui/application.h"

namespace tavel {

TTAVEL32KOLAP::TTAVEL32KOLAP(Application& app, Services& services, const EntryState& entry)
    : Form(app, kPlayerClass, "TAVEL32KOLAP"),
      StackBoxDlg1(app, services.desktop, DialogWorkArea),
      YesNoBoxDlg1(app, services.desktop, DialogWorkArea),
      AboutBoxDlg1(app, services.desktop, DialogWorkArea),
      TmSETBoxDlg1(app, services.desktop, DialogWorkArea),
      services_(services) {
  State.OtherPlayerWindow = entry.OtherPlayerWindow;
  BuildLayout();
  WireHandlers();
  FormCreate();
}

TTAVEL32KOLAP::~TTAVEL32KOLAP() = default;

void TTAVEL32KOLAP::BuildLayout() {
  windowFont_.face = "ＭＳ Ｐゴシック";
  windowFont_.height = 16;
  SetFont(windowFont_);
  SetCaption(kAppTitle);
  SetMenu(&MainMenu1);
  SetClientSize(439, 205);

  ComboBox1.SetBounds({8, 8, 121, 24});
  ComboBox1.SetHint("メモリー番号　：　登録数");
  std::vector<std::string> memories;
  for (int m = 0; m <= 9; ++m) memories.push_back("M" + std::to_string(m) + " : 12345ｺ");
  memories[0] = "M0 : 88888ｺ";
  memories.push_back("HIS: 12345ｺ");
  ComboBox1.Assign(memories);

  // The time labels keep their right edges where the design puts them as their texts change.
  for (auto [label, left, hint] : {std::tuple{&Label5, 232, "再生終了時間（秒）"},
                                   std::tuple{&Label6, 275, "再生経過時間（秒）"}}) {
    label->SetBounds({left, 12, 0, 16});
    label->SetAlignment(TextAlign::Right);
    label->SetCaption("0");
    label->SetLeft(left);
    label->SetHint(hint);
  }
  CheckBox1.SetBounds({288, 10, 64, 20});
  CheckBox1.SetCaption("無限@");
  CheckBox1.SetHint("チェックすると、エンドレスに再生する");

  ListBox2.SetBounds({8, 40, 345, 129});
  ListBox2.SetHint("メモリー登録ファイル名表示");
  ListBox8.SetBounds({8, 40, 345, 129});
  ListBox8.SetHint("メモリー登録ファイル名表示");
  ListBox8.SetVisible(false);
  ListBox5.SetVisible(false);
  Panel4.SetBounds({8, 8, 121, 24});  // over the selector while a memory loads or is counted
  Panel4.SetCaption("ﾒﾓﾘｰ設定中");
  Panel4.SetVisible(false);

  PanelBar.SetBounds({0, 0, 193, 27});
  PanelBar.SetVisible(false);
  ButtonStop2.SetBounds({4, 3, 22, 21});
  ButtonStop2.SetCaption("■");
  ButtonStop2.SetHint("ストップ");
  ScrollBar1.SetBounds({30, 5, 158, 17});
  ScrollBar1.SetHint("移動＆再生");
  ScrollBar1.SetLargeChange(10);

  PanelFSD.SetHeight(29);
  PanelFSD.SetAlign(Align::Bottom);
  PanelFSD.SetOuter(Bevel::None);
  Label2.SetCaption("サイズを求める");
  Label2.SetVisible(false);
  StatusBar2.SetAlign(Align::Client);
  StatusBar2.SetHint("ファイル名／サイズ／日付　属性表示");
  StatusBar2.SetPanelCount(3);
  StatusBar2.SetPanelWidth(0, 100);
  StatusBar2.SetPanelWidth(1, 100);
  StatusBar2.SetPanelWidth(2, 50);
  StatusBar2.SetPanelText(0, "AAAAAAAA.AAA");
  StatusBar2.SetPanelText(1, "8888888888");

  BuildCommandPanel();

  Font opening;
  opening.face = "ＭＳ Ｐゴシック";
  opening.height = 60;
  opening.bold = opening.italic = opening.underline = true;
  opening.color = Rgb(0, 128, 0);
  PanelOPEN.SetFont(opening);
  PanelOPEN.SetColor(Rgb(255, 255, 0));
  PanelOPEN.SetCaption("楽蔵32 T-VEL");
}

void TTAVEL32KOLAP::BuildCommandPanel() {
  PanelCMD.SetWidth(78);
  PanelCMD.SetAlign(Align::Right);
  PanelCMD.SetOuter(Bevel::None);
  RadioGroup1.SetBounds({2, 0, 74, 86});
  RadioGroup1.SetItems({"連続", "逆連", "単独", "ﾗﾝﾀﾞﾑ"});
  RadioGroup1.SetHint("再生モード選択");
  struct ButtonDesign {
    Button* button;
    Rect bounds;
    const char* caption;
    const char* hint;
  };
  for (const ButtonDesign& b : {
           ButtonDesign{&Button2, {2, 87, 74, 22}, "再生", "再生スタート"},
           ButtonDesign{&Button3, {2, 110, 36, 21}, "BS", "バック・スキップ"},
           ButtonDesign{&Button4, {40, 110, 36, 21}, "Skip", "次にスキップする"},
           ButtonDesign{&Button5, {2, 132, 74, 21}, "中断", "再生中断"},
           ButtonDesign{&ButtonTRAY, {2, 154, 36, 21}, "Tray", "タスクトレーに常駐する"},
           ButtonDesign{&Button6, {40, 154, 36, 21}, "終了", "楽蔵を終了する"},
       }) {
    b.button->SetBounds(b.bounds);
    b.button->SetCaption(b.caption);
    b.button->SetHint(b.hint);
  }
}

void TTAVEL32KOLAP::WireHandlers() {
  WireListHandlers();
  WirePlayback();
  WireHelpMenu();
  WireAboutMenu();
  WireHistoryMenu();
  WireFileTypesMenu();
  WireTray();
  WireMediaKeys();
  Timer6.OnTimer = [this] { Timer6Timer(); };
  TimerEROUT.OnTimer = [this] { TimerEROUTTimer(); };
  OnResize = [this] { FormResize(); };
  OnPaint = [this] { FormPaint(); };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  OnEndSession = [this] { FormEndSession(); };
  Button6.OnClick = [this] { Button6Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  TL1.OnClick = TR1.OnClick = [this] { Button2Click(); };
  TROFF.OnClick = [this] { Close(); };
  BackColor.OnClick = [this] {
    BackColor.SetChecked(!BackColor.Checked());
    ApplyListColours();
  };
  SAISEIBAR.OnClick = [this] { SAISEIBARClick(); };
  for (MenuItem* item : {&Start1, &N2, &START2}) {
    item->OnClick = [item] { item->SetChecked(!item->Checked()); };
  }
  HELP3.OnClick = [this] {
    auto busy = App().ShowBusy();
    SetShowHint(!ShowHint());
    HELP3.SetChecked(ShowHint());
  };
}

}  // namespace tavel
