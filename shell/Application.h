#pragma once

#include <QApplication>

// The application object: an error that escapes any event handler ends
// that handler and is shown in one standard error box; the program goes on.
class TApplication final : public QApplication {
public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// The standard error box. Under the offscreen platform (the tests) the text
// goes to the log instead of waiting for a click.
void ShowErrorBox(const QString& text);
