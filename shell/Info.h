#pragma once

#include "toolkit/FramedDialog.h"

class QLabel;
class TDlgResources;
class TImageButton;
struct TShellState;

// Who made the game: the emblem, the turned name and version, and the
// publisher's lines.
class TInfoDlg final : public TFramedDialog {
  Q_OBJECT

public:
  TInfoDlg(QWidget* mainform, const TDlgResources& resources, const TShellState& state);

  void ShowModal();

  TImageButton* OKBtn;
  // Opens the statistics over this window.
  TImageButton* StatsBtn;
  QLabel* Lines;

signals:
  void StatsAsked();

private:
  void Reword() override;

  const TShellState& State;
};
