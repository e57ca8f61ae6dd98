#pragma once

#include <QFile>
#include <QPointer>
#include <QString>

class QTextBrowser;
class QTextDocument;

#include <functional>
#include <memory>

// The rules viewer: the help file next to the program holds one topic per
// help context (1 German, 2 English, 3 to 10 the other languages) as HTML; a request shows the topic in
// the program's own viewer window, raising it when it is already open.
class THelpSystem {
public:
  // The viewer opens as a window of its own over the window that asked.
  THelpSystem(QString helpFilePath, bool logging, const QString& logFolder);
  ~THelpSystem();
  // The program's rules, next to it. The layer keeps a log of its calls
  // when asked to, by a file "debug.debug" next to the program or a
  // "/debug" or "-debug" argument; the log goes to the player's own data
  // folder, never beside the program.
  static std::unique_ptr<THelpSystem> ForProgram(const QString& programDir);

  // Shows the topic of a context; a missing file or topic is reported.
  void ShowContext(int context);
  // The quit command at close: nothing to do for a viewer of our own.
  void Quit();
  void CloseAll();

  QTextBrowser* Viewer() const;
  const QString& HelpFilePath() const { return Path; }

  // Extracts the topic of a context from the help file's text.
  static QString Topic(const QString& html, int context);

  std::function<void(const QString&)> OnError;
  // Fills a topic's pictures in, as images of the viewer's document drawn
  // at the viewer's pixel density; none shows the topic as it is.
  std::function<QString(const QString& topic, QTextDocument& document, qreal density)> Pictures;

  // The topic on show drawn anew (its pictures follow the options).
  void Refresh();

private:
  void Log(const QString& line);

  QString Path;
  QPointer<QTextBrowser> View;
  int ViewContext = 0;
  QFile LogFile;
};
