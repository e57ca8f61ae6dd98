#include "shell/Application.h"

#include "shell/Version.h"

#include <QMessageBox>

#include <exception>

TApplication::TApplication(int& argc, char** argv)
  : QApplication(argc, argv)
{
  // One identity for the window and the menu entry: the Wayland app id is
  // the desktop file's name, and WM_CLASS ("trivolo", "trivolo") is what
  // the desktop file's StartupWMClass names.
  setApplicationName(QStringLiteral("trivolo"));
  setDesktopFileName(QStringLiteral(TRIVOLO_APP_ID));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
  QString text;
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    text = QString::fromUtf8(error.what());
  } catch (...) {
    text = QStringLiteral("An unexpected error occurred.");
  }
  OnError ? OnError(text) : ShowErrorBox(text);
  return false;
}

void ShowErrorBox(const QString& text)
{
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    qWarning("%s", qPrintable(text));
    return;
  }
  // The game's name as title; an application display name would also be
  // appended to every window's title.
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Trivolo"), text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
