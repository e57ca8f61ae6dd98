#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

class TBoardReader;

// One of the board's sixteen slots for assistive technology: named by its
// card, selected while picked, focused under the keyboard's frame, and
// pressed like a click on it. It reads everything from the board's reader.
class TSlotAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
  TSlotAccessible(QWidget* board, int position);

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override { }
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override { return { pressAction() }; }
  void doAction(const QString& action) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  const TBoardReader* Reader() const;

  QPointer<QWidget> Board;
  int Position;
};
