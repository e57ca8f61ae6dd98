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
