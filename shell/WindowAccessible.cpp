#include "shell/WindowAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The rules as a document. Offsets count the document's positions, so the
// frame and paragraph marks of the raw text are read as line ends.
class TDocumentAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  explicit TDocumentAccessible(QTextBrowser* view)
    : QAccessibleWidget(view, QAccessible::Document)
  {
  }

  void* interface_cast(QAccessible::InterfaceType type) override
  {
    if (type == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override
  {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
  }

  QString text(int start, int end) const override { return Plain().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Plain().size()); }
  int cursorPosition() const override { return View()->textCursor().position(); }
  void setCursorPosition(int position) override { View()->setTextCursor(CursorAt(position)); }

  int selectionCount() const override { return View()->textCursor().hasSelection() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override
  {
    const QTextCursor cursor = View()->textCursor();
    const bool has = index == 0 && cursor.hasSelection();
    *start = has ? cursor.selectionStart() : 0;
    *end = has ? cursor.selectionEnd() : 0;
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override
  {
    QTextCursor cursor = View()->textCursor();
    cursor.clearSelection();
    View()->setTextCursor(cursor);
  }
  void setSelection(int, int start, int end) override
  {
    QTextCursor cursor = CursorAt(start);
    cursor.setPosition(Clamped(end), QTextCursor::KeepAnchor);
    View()->setTextCursor(cursor);
  }

  QRect characterRect(int offset) const override
  {
    const QRect at = View()->cursorRect(CursorAt(offset));
    return QRect(View()->viewport()->mapToGlobal(at.topLeft()), QSize(std::max(at.width(), 1), at.height()));
  }
  int offsetAtPoint(const QPoint& point) const override
  {
    return View()->cursorForPosition(View()->viewport()->mapFromGlobal(point)).position();
  }
  void scrollToSubstring(int start, int) override
  {
    View()->setTextCursor(CursorAt(start));
    View()->ensureCursorVisible();
  }
  QString attributes(int offset, int* start, int* end) const override
  {
    *start = offset;
    *end = offset;
    return QString();
  }

private:
  QTextBrowser* View() const { return static_cast<QTextBrowser*>(widget()); }
  int Clamped(int position) const { return std::clamp(position, 0, characterCount()); }
  QTextCursor CursorAt(int position) const
  {
    QTextCursor cursor(View()->document());
    cursor.setPosition(Clamped(position));
    return cursor;
  }
  QString Plain() const
  {
    QString text = View()->document()->toRawText();
    for (QChar& c : text)
      if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c.unicode() == 0xfdd0 || c.unicode() == 0xfdd1)
        c = QLatin1Char('\n');
      else if (c == QChar::Nbsp)
        c = QLatin1Char(' ');
    return text;
  }
};

QAccessibleInterface* WindowRoles(const QString& className, QObject* object)
{
  if (className == QLatin1String("Tmainform") && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  if (className == QLatin1String("QTextBrowser") && object->objectName() == QLatin1String("HelpViewer"))
    return new TDocumentAccessible(static_cast<QTextBrowser*>(object));
  return nullptr;
}

} // namespace

void InstallWindowRoles()
{
  static const bool installed = (QAccessible::installFactory(WindowRoles), true);
  (void)installed;
}
