#include "shell/Help.h"

#include "shell/CommandLine.h"
#include "shell/DataFolder.h"
#include "shell/WindowAccessible.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextStream>

THelpSystem::THelpSystem(QString helpFilePath, bool logging, const QString& logFolder)
  : Path(std::move(helpFilePath))
{
  InstallWindowRoles();
  if (!logging)
    return;
  LogFile.setFileName(QDir(logFolder).filePath(QStringLiteral("HHDebug.txt")));
  if (!LogFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
    return;
  Log(QStringLiteral("help file %1").arg(Path));
}

QTextBrowser* THelpSystem::Viewer() const
{
  return View;
}

THelpSystem::~THelpSystem()
{
  CloseAll();
  delete View.data(); // closed, it would be deleted only by a running event loop
  Log(QStringLiteral("released"));
}

std::unique_ptr<THelpSystem> THelpSystem::ForProgram(const QString& programDir)
{
  QString ignored;
  QTextStream sink(&ignored);
  const bool logging = QFileInfo::exists(programDir + QStringLiteral("debug.debug"))
    || ReadCommandLine(QCoreApplication::arguments(), sink, sink).Debug;
  const QString logFolder = UserDataFolder();
  if (logging)
    QDir().mkpath(logFolder);
  return std::make_unique<THelpSystem>(programDir + QStringLiteral("trivolo.html"), logging, logFolder);
}

void THelpSystem::Log(const QString& line)
{
  if (!LogFile.isOpen())
    return;
  QTextStream(&LogFile) << QDateTime::currentDateTime().toString(Qt::ISODateWithMs) << ' ' << line << '\n';
  LogFile.flush();
}

QString THelpSystem::Topic(const QString& html, int context)
{
  const QString open = QStringLiteral("<section id=\"context-%1\"").arg(context);
  const qsizetype begin = html.indexOf(open);
  if (begin < 0)
    return QString();
  const qsizetype end = html.indexOf(QStringLiteral("</section>"), begin);
  if (end < 0)
    return QString();
  const qsizetype content = html.indexOf(QLatin1Char('>'), begin) + 1;
  return html.mid(content, end - content);
}

void THelpSystem::ShowContext(int context)
{
  Log(QStringLiteral("context %1").arg(context));
  // The topic on show is raised as it is, so a reader keeps the place.
  if (View && ViewContext == context) {
    View->show();
    View->raise();
    View->activateWindow();
    return;
  }
  QFile file(Path);
  QString topic;
  if (file.open(QIODevice::ReadOnly))
    topic = Topic(QString::fromUtf8(file.readAll()), context);
  if (topic.isEmpty()) {
    const QString text = file.exists() ? QStringLiteral("The help file \"%1\" holds no topic %2.").arg(Path).arg(context)
                                       : QStringLiteral("The help file \"%1\" is missing.").arg(Path);
    Log(text);
    if (OnError)
      OnError(text);
    return;
  }
  if (!View) {
    // A window of its own, not one that belongs to the main window: a
    // compositor keeps a window's own windows above it, so that a click on
    // the main window would not bring it (and the keyboard) back.
    View = new QTextBrowser();
    View->setObjectName(QStringLiteral("HelpViewer"));
    View->setAttribute(Qt::WA_DeleteOnClose);
    View->setOpenExternalLinks(false);
    View->resize(640, 560);
    // Closed with Escape and Ctrl+W, as help viewers are.
    for (const QKeySequence& keys : { QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close) })
      QObject::connect(new QShortcut(keys, View), &QShortcut::activated, View, &QWidget::close);
    // Open over the window that asked, not in a corner of the screen, and
    // with its icon.
    if (const QWidget* asking = QApplication::activeWindow()) {
      View->move(asking->frameGeometry().center() - View->rect().center());
      View->setWindowIcon(asking->windowIcon());
    }
  }
  // The window is titled as the topic is headed ("Trivolo – Rules").
  static const QRegularExpression heading(QStringLiteral("<h1>([^<]*)</h1>"));
  const QRegularExpressionMatch title = heading.match(topic);
  View->setWindowTitle(title.hasMatch() ? title.captured(1) : QStringLiteral("Trivolo"));
  if (Pictures)
    topic = Pictures(topic, *View->document(), View->devicePixelRatioF());
  View->setHtml(topic);
  ViewContext = context;
  View->show();
  View->raise();
  View->activateWindow();
}

void THelpSystem::Refresh()
{
  if (!View || !View->isVisible())
    return;
  const int context = ViewContext;
  const int position = View->verticalScrollBar()->value();
  ViewContext = 0;
  ShowContext(context);
  View->verticalScrollBar()->setValue(position);
}

void THelpSystem::Quit()
{
  Log(QStringLiteral("quit"));
}

void THelpSystem::CloseAll()
{
  if (View)
    View->close();
}
