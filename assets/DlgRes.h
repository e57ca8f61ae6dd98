#pragma once

#include "toolkit/FramedDialog.h"

#include "toolkit/BitmapList.h"
#include "toolkit/ImageButton.h"

#include <QIcon>

class QWidget;
class TImageButton;

// The bitmap lists that the dialogs and the right-hand buttons share.
class TDlgResources {
public:
  TDlgResources();

  TBitmapList dlgs;
  TBitmapList opts;
  // Items 0..8 are the program buttons, 9..10 the statistics button, 11..12
  // the practice button, 13..14 the deals' button; 19..21 the Tip button's
  // faces.
  TBitmapList btns;
  // Two faces for each language beyond German and English (French to
  // Russian): up, and under the pointer or held down.
  TBitmapList langs;

  // An image button of the dialogs or the right-hand buttons, with its
  // faces and transparent colour, at (left, top) in the parent; buttons
  // whose faces are in the main window's list take it as bmps.
  TImageButton* FaceButton(QWidget* parent, const char* name, int left, int top, const TBitmapList* bmps = nullptr) const;
  // What the framed dialogs are drawn from.
  TDialogArt DialogArt() const;

  static constexpr int DlgsCount = 28;
  static constexpr int OptsCount = 16;
  static constexpr int BtnsCount = 22;
  static constexpr int LangsCount = 16;

  // The faces of the eight further languages (0 French … 7 Russian).
  TFaceTable LanguageFaces(int language) const;
  // An image button showing one of them.
  TImageButton* LanguageButton(QWidget* parent, const char* name, int language, int left, int top) const;

private:
  // A button of these faces, keyed by the transparent colour of its up face.
  static TImageButton* MakeButton(QWidget* parent, const char* name, const TBitmapList& list, const TFaceTable& table, int left, int top);
};

enum TFaceList { flBmps, flDlgs, flOpts, flBtns };

// The items of dlgs that are not button faces.
enum TDlgsItem : int {
  dlgBlank = 0,
  dlgDialogGranite = 1, // the light granite that fills a dialog
  dlgPanelGranite = 2, // the darker granite of the panels inside it
  dlgEmblem = 3,
};

// Which list items one button shows when up, disabled, under the pointer
// and held down.
struct TButtonFaces {
  const char* Button;
  TFaceList List;
  int Up, Disabled, Over, Down;

  TFaceTable Table() const { return FaceTable(Up, Disabled, Over, Down); }
};

// Every image button of the program.
extern const TButtonFaces ButtonFaces[25];

const TButtonFaces& FacesOf(const char* button);

QIcon ProgramIcon();
