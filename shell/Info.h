#pragma once

#include "toolkit/FramedDialog.h"

#include <cstdint>
#include <optional>

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

  // With the code of the deal on the table, during a game.
  void ShowModal(std::optional<std::uint64_t> deal = std::nullopt);

  TImageButton* OKBtn;
  // Opens the statistics over this window.
  TImageButton* StatsBtn;
  QLabel* Lines;
  QLabel* DealText;

signals:
  void StatsAsked();

private:
  void Reword() override;

  const TShellState& State;
  std::optional<std::uint64_t> Deal;
};
