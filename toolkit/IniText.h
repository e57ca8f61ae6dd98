#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The text of a settings file: "[section]" headers and "key=value" lines,
// with keys and values escaped as Qt's INI settings format escapes them, so
// that files written by either stay readable by the other.
//
// A change rewrites only the line of the value it changes (or adds one);
// every other line stays byte for byte as it was, including comments, lines
// that cannot be understood, and sections and keys the program does not
// know. A line that cannot be understood is never a value: a "[" line
// without its "]" starts a section that no name finds, so the keys below it
// are not taken for keys of the section above.
class TIniText {
public:
  TIniText() = default;
  explicit TIniText(const QByteArray& bytes);

  std::optional<QString> Value(const QString& section, const QString& key) const;
  void SetValue(const QString& section, const QString& key, const QString& value);
  void Remove(const QString& section, const QString& key);

  QByteArray Bytes() const;

  // The escaped forms of a value and of a key or section name.
  static QByteArray EscapedValue(const QString& value);
  static QString UnescapedValue(const QByteArray& raw);
  static QByteArray EscapedName(const QString& name);
  static QString UnescapedName(const QByteArray& raw);

private:
  struct TLine {
    QByteArray Raw; // as read, without its line end
    enum TKind { lkOther, lkSection, lkValue } Kind = lkOther;
    QString Name; // the section's name, or the value's key
    QString Section; // for a value: its section; empty when none finds it
    bool Named = false; // for a value: lies in a section a name finds
  };
  // The index of the line that holds a value, the last one when the key is
  // there twice, as the last one is the one that counts.
  int Find(const QString& section, const QString& key) const;
  static TLine Parse(const QByteArray& raw, const TLine* previous);

  QList<TLine> Lines;
  QByteArray LineEnd = "\n";
};
