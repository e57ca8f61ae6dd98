#pragma once

#include <QDialog>

#include <QList>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class TBackPanel;
class TBitmapList;
class TImageButton;

// What a framed dialog is drawn from: the bitmap list of its backgrounds and
// picture with their indices, and the maker of its image buttons (by name,
// in the parent at the place given).
struct TDialogArt {
  const TBitmapList* Bitmaps = nullptr;
  int DialogBackground = 0;
  int PanelBackground = 0;
  int Emblem = 0;
  std::function<TImageButton*(QWidget* parent, const char* name, int left, int top)> FaceButton;
};

// A borderless modal dialog filled with the light granite inside its black
// frame, the look that every dialog of the program shares. It helps its
// subclasses build the inner panels, labels and buttons, places itself over
// the main window each time it is shown, and answers only the keys that a
// subclass gives it.
class TFramedDialog : public QDialog {
public:
  TFramedDialog(QWidget* mainform, TDialogArt art, int width, int height);

protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A change of language while the dialog is open words it anew.
  void changeEvent(QEvent* event) override;
  // Sets the dialog's texts in the language in use; nothing by default.
  virtual void Reword() {}

  // Where the dialog goes when it is shown; by default the placement rule.
  virtual void Place() { ApplyPlacementRule(); }
  // Centred horizontally over the main window and vertically over its client
  // area; left where it is while the main window is hidden.
  void ApplyPlacementRule();

  // The results that the Yes keys and the No keys (Escape, N) close the
  // dialog with. Without them every key is swallowed, Escape included;
  // Tab and Shift+Tab move the focus, and Space presses the focused control.
  void SetKeyAnswers(std::optional<int> yes, std::optional<int> no = std::nullopt);
  // The controls in the order Tab visits them; the first has the focus
  // when the dialog opens, unless the dialog gives it elsewhere.
  void SetTabOrder(const QList<QWidget*>& controls);
  // What assistive technology says when the dialog opens: its title, and
  // its text as the description.
  void SetSpoken(const QString& title, const QString& text);

  TBackPanel* InnerPanel(int left, int top, int width, int height);
  // A white plain-text label; TextLabel's is top-aligned, so that descenders
  // stay inside labels lower than a line.
  static QLabel* WhiteLabel(QWidget* parent, const QRect& geometry, const QFont& font, Qt::Alignment alignment);
  static QLabel* TextLabel(QWidget* parent, int left, int top, int width, int height, int pixelSize, bool bold);
  // A panel 33 pixels high with the dialog's title, centred in bold, named
  // "title".
  QLabel* TitlePanel(int left, int top, int width);
  // A panel 29 pixels high with a check box and its label, named by the
  // given name; the box's focus shows as an amber square.
  QCheckBox* CheckRow(int left, int top, int width, const QString& labelName, QLabel*& label);
  TImageButton* FaceButton(QWidget* parent, const char* name, int left, int top);
  QLabel* Emblem();

  QWidget* Mainform;
  const TDialogArt Art;
  TBackPanel* Back;

private:
  QList<QWidget*> TabOrder;
  std::optional<int> YesAnswer;
  std::optional<int> NoAnswer;
};
