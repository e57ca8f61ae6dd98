#pragma once

#include "assets/DlgRes.h"
#include "board/Board.h"
#include "board/BoardWidget.h"
#include "game/Game.h"
#include "shell/Forms.h"
#include "shell/Help.h"
#include "shell/KeyMap.h"
#include "tests/shell/SpokenLanguage.h"
#include "shell/PlaySession.h"
#include "sound/Music.h"
#include "sound/SdlAudio.h"
#include "toolkit/ImageButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <ostream>

// Answers modal dialogs while a test waits: every few milliseconds it looks
// for the active modal dialog and hands it to the handler. Only the newest
// answerer acts, so that an older one in the same test never answers a
// dialog meant for the next.
// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
  *out << '"' << text.toStdString() << '"';
}

class TModalAnswerer {
public:
  explicit TModalAnswerer(std::function<void(QWidget*)> handler)
    : Handler(std::move(handler))
    , Previous(Newest)
  {
    Newest = this;
    Poll.setInterval(5);
    QObject::connect(&Poll, &QTimer::timeout, [this] {
      if (Newest != this)
        return;
      QWidget* modal = QApplication::activeModalWidget();
      // Mouse events sent before the dialog is on the screen get lost.
      const bool exposed = modal && modal->windowHandle() && modal->windowHandle()->isExposed();
      if (modal && modal != Last && exposed) {
        Last = modal;
        ++Seen;
        Handler(modal);
      } else if (!modal) {
        Last = nullptr;
      }
    });
    Poll.start();
  }

  ~TModalAnswerer() { Newest = Previous; }
  TModalAnswerer(const TModalAnswerer&) = delete;
  TModalAnswerer& operator=(const TModalAnswerer&) = delete;

  int Seen = 0;

private:
  static inline TModalAnswerer* Newest = nullptr;
  std::function<void(QWidget*)> Handler;
  TModalAnswerer* Previous;
  QWidget* Last = nullptr;
  QTimer Poll;
};

inline void Press(QWidget* dialog, Qt::Key key)
{
  QTest::keyClick(dialog, key);
}

class TShellTest : public ::testing::Test {
protected:
  TDlgResources Resources;
  TSdlAudio Audio;
  TIniCtrl Settings { QStringLiteral("Mollberg"), QStringLiteral("Trivolo/V2") };
  std::unique_ptr<TForms> Forms;

  void SetUp() override { QFile::remove(Settings.FileName()); }

  // The same deal every run unless a test asks for another.
  static constexpr std::uint64_t DefaultSeed = 2024;

  void Start(TAudioBackend* audio = nullptr, std::uint64_t seed = DefaultSeed)
  {
    Forms = std::make_unique<TForms>(Resources, audio ? *audio : Audio, seed);
    Forms->mainform.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Forms->mainform));
    QTest::qWait(30); // the first-show question is queued after the show
  }

  Tmainform& Main() { return Forms->mainform; }
  // The parts of the window that a test looks at or acts on.
  TPlaySession& Session() { return *Forms->mainform.Session; }
  TImageButton* Button(TButtonKey key) { return Forms->mainform.ButtonOf(key); }
  TBoardWidget* Box() { return Forms->mainform.box; }
  QLabel* Score() { return Forms->mainform.ScoreLabel; }
  QLabel* SetsOnTable() { return Forms->mainform.SetsLabel; }
  TShapeHint* Hints() { return Forms->mainform.ShapeHint1; }
  THelpSystem* Help() { return Forms->mainform.HelpSystem.get(); }
  TMusicBox& Music() { return *Forms->mainform.Music; }
  // A card's cell on the board, as the board lays it out.
  QRect Cell(TSlot slot)
  {
    const TCellRect cell = CellRect(Session().BoardOf().Layout(), slot);
    return QRect(cell.Left, cell.Top, cell.Size, cell.Size);
  }
  // The window's options, set directly where a test needs one without
  // going through the options dialog.
  TShellState& State() { return Forms->mainform.State; }
  // The language, as the options set it: kept in the state and in use.
  void Speak(TLanguage language) { Forms->mainform.SetLanguage(language); }
  QString Stored(const char* key) { return Settings.ReadString(QStringLiteral("common"), QString::fromLatin1(key), QStringLiteral("-")); }
  void Write(const char* key, const char* value) { Settings.WriteString(QStringLiteral("common"), QString::fromLatin1(key), QString::fromLatin1(value)); }

  static void Click(QWidget* widget, QPoint at = QPoint(25, 25))
  {
    QTest::mouseMove(widget, at);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  }
};
