#include "shell/BoardAccessible.h"

#include "shell/BoardReader.h"
#include "shell/SlotAccessible.h"

TBoardAccessible::TBoardAccessible(QWidget* board)
  : QAccessibleWidget(board, QAccessible::List)
{
  for (int p = 0; p < SlotCount; ++p) {
    auto* slot = new TSlotAccessible(board, p);
    Ids[static_cast<std::size_t>(p)] = QAccessible::registerAccessibleInterface(slot);
  }
}

TBoardAccessible::~TBoardAccessible()
{
  for (const QAccessible::Id id : Ids)
    QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TBoardAccessible::child(int index) const
{
  return index >= 0 && index < SlotCount ? QAccessible::accessibleInterface(Ids[static_cast<std::size_t>(index)]) : nullptr;
}

int TBoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
  for (int p = 0; p < SlotCount; ++p)
    if (QAccessible::accessibleInterface(Ids[static_cast<std::size_t>(p)]) == child)
      return p;
  return -1;
}

QAccessibleInterface* TBoardAccessible::focusChild() const
{
  const TBoardReader* reader = TBoardReader::Of(object());
  return reader && reader->FocusPosition() >= 0 ? child(reader->FocusPosition()) : nullptr;
}

QAccessibleInterface* TBoardAccessible::childAt(int x, int y) const
{
  for (int p = 0; p < SlotCount; ++p)
    if (child(p)->rect().contains(x, y))
      return child(p);
  return nullptr;
}

QString TBoardAccessible::text(QAccessible::Text t) const
{
  const TBoardReader* reader = TBoardReader::Of(object());
  if (!reader)
    return QAccessibleWidget::text(t);
  if (t == QAccessible::Name)
    return tr("Table", "the board, for screen readers");
  if (t == QAccessible::Description)
    return reader->Description();
  return QAccessibleWidget::text(t);
}

QAccessibleInterface* TBoardAccessible::Factory(const QString& className, QObject* object)
{
  if (className == QLatin1String("TBoardWidget") && object->isWidgetType())
    return new TBoardAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

void TBoardAccessible::Install()
{
  static const bool installed = (QAccessible::installFactory(Factory), true);
  (void)installed;
}
