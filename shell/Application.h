#pragma once

#include <QApplication>

#include <functional>

// The application object: an error that escapes any event handler ends
// that handler and is shown in one standard error box; the program goes on.
// It gives the windows their identity: the desktop entry's name as app id.
class TApplication final : public QApplication {
public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // Where the error goes instead, once the main window speaks the game's
  // language.
  std::function<void(const QString&)> OnError;
};

// The standard error box. Under the offscreen platform (the tests) the text
// goes to the log instead of waiting for a click.
void ShowErrorBox(const QString& text);
