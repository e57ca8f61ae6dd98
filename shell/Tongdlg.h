#pragma once

#include "shell/Language.h"
#include "toolkit/FramedDialog.h"

#include <optional>

class QLabel;
class TBackPanel;
class TDlgResources;
class TImageButton;

// Asks for the language at the first start; its texts show both languages,
// and a desktop in one of the further languages gets a third answer in that
// language, below the two. The answer goes out as Answered.
class TTongueDlg final : public TFramedDialog {
  Q_OBJECT

public:
  TTongueDlg(QWidget* mainform, const TDlgResources& resources);

  // Shows the question, with the third answer for the desktop's language
  // when it is one of the further languages.
  void Ask(std::optional<TLanguage> desktop);
  // The third answer's language, while it is offered.
  std::optional<TLanguage> Offered() const { return Third; }

  TImageButton* GermanBtn;
  TImageButton* EnglishBtn;
  TImageButton* OtherBtn;
  QLabel* OtherLabel;

protected:
  // Centred on the screen: it is asked before the player knows the window.
  void Place() override;

signals:
  void Answered(TLanguage language);

private:
  void Offer(std::optional<TLanguage> language);
  void Answer(TLanguage language);

  const TDlgResources& Resources;
  TBackPanel* Panel;
  std::optional<TLanguage> Third;
};
