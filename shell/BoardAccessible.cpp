#include "shell/BoardAccessible.h"

#include "shell/ShellState.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

namespace {

// The reader of each board, for the accessibility factory.
QHash<const QObject*, const TBoardReader*>& Readers()
{
  static QHash<const QObject*, const TBoardReader*> readers;
  return readers;
}

class TSlotAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
  TSlotAccessible(QWidget* board, int position)
    : Board(board)
    , Position(position)
  {
  }

  bool isValid() const override { return Board && Reader(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Board ? Board->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return Board ? QAccessible::queryAccessibleInterface(Board) : nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override
  {
    const TBoardReader* reader = Reader();
    return reader && t == QAccessible::Name ? reader->SlotName(Position) : QString();
  }
  void setText(QAccessible::Text, const QString&) override { }
  QRect rect() const override
  {
    const TBoardReader* reader = Reader();
    if (!reader)
      return {};
    const QRect cell = reader->SlotRect(Position);
    return QRect(Board->mapToGlobal(cell.topLeft()), cell.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override
  {
    QAccessible::State state;
    state.selectable = true;
    const TBoardReader* reader = Reader();
    state.selected = reader && reader->SlotPicked(Position);
    state.focusable = true;
    state.focused = reader && reader->FocusPosition() == Position;
    state.invisible = !Board || !Board->isVisible();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override
  {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return { pressAction() }; }
  void doAction(const QString& action) override
  {
    if (const TBoardReader* reader = Reader(); reader && action == pressAction())
      reader->PressSlot(Position);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  const TBoardReader* Reader() const { return Board ? Readers().value(Board.data()) : nullptr; }

  QPointer<QWidget> Board;
  int Position;
};

class TBoardAccessible final : public QAccessibleWidget {
public:
  explicit TBoardAccessible(QWidget* board)
    : QAccessibleWidget(board, QAccessible::List)
  {
    for (int p = 0; p < SlotCount; ++p) {
      auto* slot = new TSlotAccessible(board, p);
      Ids[static_cast<std::size_t>(p)] = QAccessible::registerAccessibleInterface(slot);
    }
  }
  ~TBoardAccessible() override
  {
    for (const QAccessible::Id id : Ids)
      QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return SlotCount; }
  QAccessibleInterface* child(int index) const override
  {
    return index >= 0 && index < SlotCount ? QAccessible::accessibleInterface(Ids[static_cast<std::size_t>(index)]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override
  {
    for (int p = 0; p < SlotCount; ++p)
      if (QAccessible::accessibleInterface(Ids[static_cast<std::size_t>(p)]) == child)
        return p;
    return -1;
  }
  QAccessibleInterface* focusChild() const override
  {
    const TBoardReader* reader = Readers().value(object());
    return reader && reader->FocusPosition() >= 0 ? child(reader->FocusPosition()) : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override
  {
    for (int p = 0; p < SlotCount; ++p)
      if (child(p)->rect().contains(x, y))
        return child(p);
    return nullptr;
  }
  QString text(QAccessible::Text t) const override
  {
    const TBoardReader* reader = Readers().value(object());
    if (!reader)
      return QAccessibleWidget::text(t);
    if (t == QAccessible::Name)
      return reader->German() ? QStringLiteral("Spieltisch") : QStringLiteral("Table");
    if (t == QAccessible::Description)
      return reader->Description();
    return QAccessibleWidget::text(t);
  }

private:
  std::array<QAccessible::Id, SlotCount> Ids {};
};

QAccessibleInterface* BoardAccessible(const QString& className, QObject* object)
{
  if (className == QLatin1String("TBoardWidget") && object->isWidgetType())
    return new TBoardAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

} // namespace

QString CardName(int code, bool german, bool easyColours)
{
  if (code < 1 || code > 81)
    return german ? QStringLiteral("leer") : QStringLiteral("empty");
  const int v = code - 1;
  const int colour = v % 3, shape = (v / 3) % 3, fill = (v / 9) % 3, number = (v / 27) % 3;
  if (!german) {
    static const char* const numbers[] = { "one", "two", "three" };
    static const char* const standard[] = { "blue", "green", "red" };
    static const char* const easy[] = { "blue", "black", "orange" };
    const char* const* colours = easyColours ? easy : standard;
    static const char* const fills[] = { "empty", "solid", "hatched" };
    static const char* const shapes[] = { "square", "circle", "triangle" };
    return QStringLiteral("%1 %2 %3 %4%5").arg(QLatin1String(numbers[number]), QLatin1String(colours[colour]), QLatin1String(fills[fill]),
      QLatin1String(shapes[shape]), number > 0 ? QStringLiteral("s") : QString());
  }
  // Adjectives after "ein" take -es (das Quadrat, das Dreieck) or -er (der
  // Kreis); in the plural, without an article, -e.
  static const char* const numbers[] = { "ein", "zwei", "drei" };
  static const char* const standard[] = { "blau", "grün", "rot" };
  static const char* const easy[] = { "blau", "schwarz", "orangefarben" };
  const char* const* colours = easyColours ? easy : standard;
  static const char* const fills[] = { "leer", "gefüllt", "schraffiert" };
  static const char* const shapes[] = { "Quadrat", "Kreis", "Dreieck" };
  static const char* const plurals[] = { "Quadrate", "Kreise", "Dreiecke" };
  const QString ending = number > 0 ? QStringLiteral("e") : shape == 1 ? QStringLiteral("er") : QStringLiteral("es");
  return QStringLiteral("%1 %2%5 %3%5 %4")
    .arg(QString::fromUtf8(numbers[number]), QString::fromUtf8(colours[colour]), QString::fromUtf8(fills[fill]),
      QString::fromUtf8(number > 0 ? plurals[shape] : shapes[shape]), ending);
}

TBoardReader::TBoardReader(QWidget* board, const TGameRecord& record, const TShellState& state, std::function<QRect(TSlot)> cell,
  std::function<void(TSlot)> press)
  : BoardWidget(board)
  , Record(record)
  , State(state)
  , Cell(std::move(cell))
  , Press(std::move(press))
{
  static const bool installed = (QAccessible::installFactory(BoardAccessible), true);
  (void)installed;
  Readers().insert(board, this);
}

TBoardReader::~TBoardReader()
{
  Readers().remove(BoardWidget);
}

bool TBoardReader::German() const
{
  return State.German();
}

QString TBoardReader::SlotName(int position) const
{
  if (Record.GameState == gsPaused)
    return German() ? QStringLiteral("verdeckt") : QStringLiteral("hidden");
  const TSlot slot = SlotOfPosition(position);
  return CardName(Record.Table[static_cast<std::size_t>(slot.Col)][static_cast<std::size_t>(slot.Row)], German(), State.EasyColours());
}

bool TBoardReader::SlotPicked(int position) const
{
  const TSlot slot = SlotOfPosition(position);
  return Record.Picked[static_cast<std::size_t>(slot.Col)][static_cast<std::size_t>(slot.Row)];
}

QRect TBoardReader::SlotRect(int position) const
{
  return Cell(SlotOfPosition(position));
}

void TBoardReader::PressSlot(int position) const
{
  Press(SlotOfPosition(position));
}

QString TBoardReader::Description() const
{
  const bool german = German();
  const QString score = (german ? QStringLiteral("Punkte: %1") : QStringLiteral("Score: %1")).arg(ComputeScore(Record));
  const char* const states[][2] = { { "Spiel läuft", "game running" }, { "Spiel angehalten", "game paused" }, { "Spiel aus", "game over" } };
  const QString said = score + QStringLiteral(", ") + QString::fromUtf8(states[Record.GameState][german ? 0 : 1]);
  return WrongPick.isEmpty() ? said : said + QStringLiteral(". ") + WrongPick;
}

void TBoardReader::SetWrongPick(const QString& text)
{
  if (text == WrongPick)
    return;
  WrongPick = text;
  ScoreChanged();
}

void TBoardReader::SlotChanged(TSlot slot) const
{
  if (!QAccessible::isActive())
    return;
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(BoardWidget);
  QAccessibleInterface* child = board ? board->child(slot.Row * GridSize + slot.Col) : nullptr;
  if (!child)
    return;
  QAccessibleEvent named(child, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&named);
  QAccessible::State selected;
  selected.selected = true;
  QAccessibleStateChangeEvent changed(child, selected);
  QAccessible::updateAccessibility(&changed);
}

void TBoardReader::ScoreChanged() const
{
  if (!QAccessible::isActive())
    return;
  QAccessibleEvent described(BoardWidget, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&described);
}

void TBoardReader::BoardChanged() const
{
  if (!QAccessible::isActive())
    return;
  for (int position = 0; position < SlotCount; ++position)
    SlotChanged(SlotOfPosition(position));
  ScoreChanged();
}

void TBoardReader::CursorMoved(TSlot slot)
{
  Focus = slot.Row * GridSize + slot.Col;
  if (!QAccessible::isActive())
    return;
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(BoardWidget);
  if (QAccessibleInterface* child = board ? board->child(Focus) : nullptr) {
    QAccessibleEvent focused(child, QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
  }
}
