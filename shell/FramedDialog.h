#pragma once

#include <QDialog>

class QLabel;
class TBackPanel;
class TBitmapList;
class TDlgResources;
class TImageButton;

// A borderless dialog filled with the light granite inside its black frame.
// It helps its subclasses build the inner panels, labels and buttons.
class TFramedDialog : public QDialog {
public:
  TFramedDialog(QWidget* mainform, const TDlgResources& resources, int width, int height);

protected:
  // A dialog has no keyboard answers of its own unless it says so; Escape
  // does not dismiss it either.
  void keyPressEvent(QKeyEvent* event) override;
  // Places the dialog over the main window: centred horizontally, and
  // vertically over its client area.
  void ApplyPlacementRule();
  TBackPanel* InnerPanel(int left, int top, int width, int height);
  QLabel* TextLabel(QWidget* parent, int left, int top, int width, int height, int pixelSize, bool bold);
  TImageButton* FaceButton(QWidget* parent, const char* name, int left, int top);
  QLabel* Emblem();

  QWidget* Mainform;
  const TDlgResources& Resources;
  TBackPanel* Back;
};
