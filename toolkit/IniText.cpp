#include "toolkit/IniText.h"

#include <algorithm>

namespace {

bool IsHexDigit(char c)
{
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return c - 'A' + 10;
}

bool IsBlank(char c)
{
  return c == ' ' || c == '\t';
}

// The line without the blanks around it, as the format ignores them.
QByteArray Trimmed(const QByteArray& raw)
{
  qsizetype begin = 0;
  qsizetype end = raw.size();
  while (begin < end && (IsBlank(raw[begin]) || raw[begin] == '\r'))
    ++begin;
  while (end > begin && (IsBlank(raw[end - 1]) || raw[end - 1] == '\r'))
    --end;
  return raw.mid(begin, end - begin);
}

} // namespace

TIniText::TIniText(const QByteArray& bytes)
{
  // A byte-order mark that an editor put in front is no part of the text;
  // a write leaves it out.
  QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
  if (text.contains("\r\n"))
    LineEnd = "\r\n";
  // A line ends at LF, CR LF or a CR of its own (old editors end lines so).
  QList<QByteArray> raws;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r')
      continue;
    raws.append(text.mid(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
    start = i + 1;
  }
  if (start < text.size())
    raws.append(text.mid(start)); // the last line, without its line end
  const TLine* previous = nullptr;
  for (const QByteArray& raw : raws) {
    Lines.append(Parse(raw, previous));
    previous = &Lines.last();
  }
}

TIniText::TLine TIniText::Parse(const QByteArray& raw, const TLine* previous)
{
  TLine line;
  line.Raw = raw;
  // Keys above the first header belong to the general section.
  line.Section = previous ? (previous->Kind == TLine::lkSection ? previous->Name : previous->Section) : QStringLiteral("General");
  line.Named = previous ? previous->Named : true;
  const QByteArray text = Trimmed(raw);
  if (text.startsWith('[')) {
    line.Kind = TLine::lkSection;
    const qsizetype close = text.indexOf(']');
    line.Named = close > 0;
    line.Name = line.Named ? UnescapedName(text.mid(1, close - 1)) : QString();
    line.Section = line.Name;
    return line;
  }
  const qsizetype equals = text.indexOf('=');
  if (text.isEmpty() || text.startsWith(';') || text.startsWith('#') || equals <= 0)
    return line;
  line.Kind = TLine::lkValue;
  line.Name = UnescapedName(Trimmed(text.left(equals)));
  return line;
}

int TIniText::Find(const QString& section, const QString& key) const
{
  for (qsizetype i = Lines.size() - 1; i >= 0; --i) {
    const TLine& line = Lines[i];
    if (line.Kind == TLine::lkValue && line.Named && line.Section == section && line.Name == key)
      return static_cast<int>(i);
  }
  return -1;
}

std::optional<QString> TIniText::Value(const QString& section, const QString& key) const
{
  const int at = Find(section, key);
  if (at < 0)
    return std::nullopt;
  const QByteArray& raw = Lines[at].Raw;
  return UnescapedValue(Trimmed(raw.mid(raw.indexOf('=') + 1)));
}

void TIniText::SetValue(const QString& section, const QString& key, const QString& value)
{
  const QByteArray raw = EscapedName(key) + '=' + EscapedValue(value);
  const int at = Find(section, key);
  if (at >= 0) {
    Lines[at].Raw = raw;
    return;
  }
  TLine line;
  line.Raw = raw;
  line.Kind = TLine::lkValue;
  line.Name = key;
  line.Section = section;
  line.Named = true;
  // After the last line that is not blank in the section's last block.
  qsizetype header = -1;
  for (qsizetype i = Lines.size() - 1; i >= 0 && header < 0; --i)
    if (Lines[i].Kind == TLine::lkSection && Lines[i].Named && Lines[i].Name == section)
      header = i;
  if (header >= 0) {
    qsizetype last = header;
    for (qsizetype i = header + 1; i < Lines.size() && Lines[i].Kind != TLine::lkSection; ++i)
      if (!Trimmed(Lines[i].Raw).isEmpty())
        last = i;
    Lines.insert(last + 1, line);
    return;
  }
  if (!Lines.isEmpty() && !Trimmed(Lines.last().Raw).isEmpty())
    Lines.append(Parse(QByteArray(), &Lines.last()));
  TLine head;
  head.Raw = '[' + EscapedName(section) + ']';
  head.Kind = TLine::lkSection;
  head.Name = section;
  head.Section = section;
  head.Named = true;
  Lines.append(head);
  Lines.append(line);
}

void TIniText::Remove(const QString& section, const QString& key)
{
  // Every line of the key goes, so that an earlier one does not show again.
  for (int at = Find(section, key); at >= 0; at = Find(section, key))
    Lines.removeAt(at);
}

QByteArray TIniText::Bytes() const
{
  QByteArray bytes;
  for (const TLine& line : Lines)
    bytes += line.Raw + LineEnd;
  return bytes;
}

QByteArray TIniText::EscapedValue(const QString& value)
{
  const QByteArray text = (value.startsWith(QLatin1Char('@')) ? QStringLiteral("@") + value : value).toUtf8();
  QByteArray out;
  bool quote = false;
  bool escapeHexDigit = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto hexEscape = [&out](unsigned char byte) {
      out += "\\x" + QByteArray::number(byte, 16);
    };
    if (escapeHexDigit && IsHexDigit(c)) {
      // Written plainly, the digit would read as part of the escape before.
      hexEscape(static_cast<unsigned char>(c));
      continue;
    }
    escapeHexDigit = false;
    switch (c) {
    case ';':
    case ',':
    case '=':
      quote = true;
      out += c;
      break;
    case ' ':
      quote = quote || i == 0 || i == text.size() - 1;
      out += c;
      break;
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\a':
      out += "\\a";
      break;
    case '\b':
      out += "\\b";
      break;
    case '\f':
      out += "\\f";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    case '\v':
      out += "\\v";
      break;
    default:
      if ((c >= 0 && c < 0x20) || c == 0x7F) {
        hexEscape(static_cast<unsigned char>(c));
        escapeHexDigit = true;
      } else {
        out += c;
      }
    }
  }
  return quote ? '"' + out + '"' : out;
}

QString TIniText::UnescapedValue(const QByteArray& raw)
{
  QString result;
  QByteArray literal; // UTF-8 bytes not yet decoded
  const auto flush = [&] {
    result += QString::fromUtf8(literal);
    literal.clear();
  };
  bool quoted = false;
  qsizetype itemStart = 0; // where the current item of a list begins in result
  qsizetype kept = 0; // blanks before here were quoted or escaped
  bool atItemStart = true;
  const auto chopBlanks = [&] {
    flush();
    while (result.size() > std::max(itemStart, kept) && (result.endsWith(QLatin1Char(' ')) || result.endsWith(QLatin1Char('\t'))))
      result.chop(1);
  };
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '"') {
      if (quoted) {
        flush();
        kept = result.size();
      }
      quoted = !quoted;
      atItemStart = false;
      continue;
    }
    if (c == '\\' && i + 1 < raw.size()) {
      flush();
      atItemStart = false;
      const char e = raw[++i];
      switch (e) {
      case 'a': result += QLatin1Char('\a'); break;
      case 'b': result += QLatin1Char('\b'); break;
      case 'f': result += QLatin1Char('\f'); break;
      case 'n': result += QLatin1Char('\n'); break;
      case 'r': result += QLatin1Char('\r'); break;
      case 't': result += QLatin1Char('\t'); break;
      case 'v': result += QLatin1Char('\v'); break;
      case 'x': {
        char16_t code = 0;
        while (i + 1 < raw.size() && IsHexDigit(raw[i + 1]))
          code = static_cast<char16_t>((code << 4) | HexValue(raw[++i]));
        result += QChar(code);
        break;
      }
      default:
        if (e >= '0' && e <= '7') {
          char16_t code = static_cast<char16_t>(e - '0');
          while (i + 1 < raw.size() && raw[i + 1] >= '0' && raw[i + 1] <= '7')
            code = static_cast<char16_t>((code << 3) | (raw[++i] - '0'));
          result += QChar(code);
        } else {
          literal += e; // \" \\ \' \? and anything unknown stand for themselves
        }
      }
      flush();
      kept = result.size();
      continue;
    }
    if (!quoted) {
      if (c == ';')
        break; // a comment to the end of the line
      if (c == ',') {
        // The items of a list, read back as one text joined by commas.
        chopBlanks();
        result += QLatin1Char(',');
        itemStart = result.size();
        atItemStart = true;
        continue;
      }
      if (atItemStart && IsBlank(c))
        continue;
    }
    atItemStart = false;
    literal += c;
  }
  if (!quoted)
    chopBlanks();
  flush();
  if (result.startsWith(QLatin1String("@@")))
    return result.mid(1);
  for (const QLatin1String wrapper : { QLatin1String("@String("), QLatin1String("@ByteArray(") })
    if (result.startsWith(wrapper) && result.endsWith(QLatin1Char(')')))
      return result.mid(wrapper.size(), result.size() - wrapper.size() - 1);
  return result;
}

QByteArray TIniText::EscapedName(const QString& name)
{
  QByteArray out;
  for (const QChar ch : name) {
    const char16_t c = ch.unicode();
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.')
      out += static_cast<char>(c);
    else if (c == '/')
      out += '\\';
    else if (c <= 0xFF)
      out += '%' + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
    else
      out += "%U" + QByteArray::number(c, 16).rightJustified(4, '0').toUpper();
  }
  return out;
}

QString TIniText::UnescapedName(const QByteArray& raw)
{
  QString out;
  QByteArray literal;
  const auto flush = [&] {
    out += QString::fromUtf8(literal);
    literal.clear();
  };
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '%' && i + 5 < raw.size() && raw[i + 1] == 'U' && IsHexDigit(raw[i + 2]) && IsHexDigit(raw[i + 3])
      && IsHexDigit(raw[i + 4]) && IsHexDigit(raw[i + 5])) {
      flush();
      out += QChar(static_cast<char16_t>((HexValue(raw[i + 2]) << 12) | (HexValue(raw[i + 3]) << 8) | (HexValue(raw[i + 4]) << 4)
        | HexValue(raw[i + 5])));
      i += 5;
    } else if (c == '%' && i + 2 < raw.size() && IsHexDigit(raw[i + 1]) && IsHexDigit(raw[i + 2])) {
      flush();
      out += QChar(static_cast<char16_t>((HexValue(raw[i + 1]) << 4) | HexValue(raw[i + 2])));
      i += 2;
    } else if (c == '\\') {
      literal += '/';
    } else {
      literal += c;
    }
  }
  flush();
  return out;
}
