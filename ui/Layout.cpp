#include "ui/Layout.h"

#include "app/Exceptions.h"

#include <QFile>
#include <QStringDecoder>
#include <cctype>

namespace {

[[noreturn]] void Fail(int line, const QString& what)
{
    throw EReadError(QStringLiteral("Error reading layout, line %1: %2").arg(line).arg(what));
}

class Parser {
public:
    Parser(const QByteArray& text, LayoutResourceLoader loader) : s_(text), loader_(loader) {}

    LayoutObject ParseDocument()
    {
        SkipBlank();
        LayoutObject root = ParseObject(0);
        SkipBlank();
        if (pos_ < s_.size())
            Fail(line_, QStringLiteral("text after the end of the layout"));
        return root;
    }

private:
    LayoutObject ParseObject(int depth)
    {
        if (depth > 1)
            Fail(line_, QStringLiteral("a component cannot contain another"));
        LayoutObject object;
        object.line = line_;
        if (Word() != QLatin1String("object"))
            Fail(object.line, QStringLiteral("'object' expected"));
        object.name = Identifier();
        Expect(':');
        object.kind = Identifier();
        for (;;) {
            SkipBlank();
            if (pos_ >= s_.size())
                Fail(line_, QStringLiteral("'end' expected"));
            const int at = pos_;
            const QString word = Word();
            if (word == QLatin1String("end"))
                return object;
            if (word == QLatin1String("object")) {
                pos_ = at;
                object.children.push_back(ParseObject(depth + 1));
                continue;
            }
            if (word.isEmpty())
                Fail(line_, QStringLiteral("setting name expected"));
            Expect('=');
            object.properties.emplace_back(word, ParseValue());
        }
    }

    LayoutValue ParseValue()
    {
        SkipBlank();
        LayoutValue value;
        value.line = line_;
        const char c = Peek();
        if (c == '\'') {
            value.kind = LayoutValue::Kind::Text;
            value.text = QuotedText();
        } else if (c == '-' || IsDigit(c)) {
            value.kind = LayoutValue::Kind::Integer;
            value.integer = Integer();
        } else if (c == '[') {
            value.kind = LayoutValue::Kind::Set;
            ++pos_;
            SkipBlank();
            if (Peek() != ']') {
                for (;;) {
                    value.list << Identifier();
                    SkipBlank();
                    if (Peek() == ',') { ++pos_; continue; }
                    break;
                }
            }
            Expect(']');
        } else if (c == '(') {
            value.kind = LayoutValue::Kind::TextList;
            ++pos_;
            for (;;) {
                SkipBlank();
                if (Peek() == ')') { ++pos_; break; }
                if (Peek() != '\'')
                    Fail(line_, QStringLiteral("quoted text or ')' expected"));
                value.list << QuotedText();
            }
        } else if (c == '{') {
            value.kind = LayoutValue::Kind::Bytes;
            value.bytes = HexBytes();
        } else if (IsIdentStart(c)) {
            value.text = Identifier();
            value.kind = LayoutValue::Kind::Identifier;
            SkipSpacesOnLine();
            if (Peek() == '@') {
                value.kind = LayoutValue::Kind::Picture;
                value.bytes = Resource();
            }
        } else {
            Fail(line_, QStringLiteral("value expected"));
        }
        return value;
    }

    QByteArray Resource()
    {
        ++pos_;  // '@'
        const int start = pos_;
        while (pos_ < s_.size() && !IsSpace(s_[pos_]))
            ++pos_;
        const QString name = QString::fromUtf8(s_.mid(start, pos_ - start));
        bool found = false;
        QByteArray bytes = name.isEmpty() || !loader_ ? QByteArray() : loader_(name, &found);
        if (!found)
            Fail(line_, QStringLiteral("built-in file '%1' not found").arg(name));
        return bytes;
    }

    QString QuotedText()
    {
        QByteArray raw;
        for (;;) {
            Expect('\'');
            for (;;) {
                if (pos_ >= s_.size() || s_[pos_] == '\n')
                    Fail(line_, QStringLiteral("unterminated text"));
                const char c = s_[pos_++];
                if (c == '\'') {
                    if (Peek() == '\'') { raw += '\''; ++pos_; continue; }
                    break;
                }
                raw += c;
            }
            // Adjacent pieces joined by '+' continue one text.
            SkipSpacesOnLine();
            if (Peek() != '+')
                break;
            ++pos_;
            SkipBlank();
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString text = utf8.decode(raw);
        if (utf8.hasError())
            Fail(line_, QStringLiteral("text is not valid UTF-8"));
        return text;
    }

    qint64 Integer()
    {
        bool negative = false;
        if (Peek() == '-') { negative = true; ++pos_; }
        if (!IsDigit(Peek()))
            Fail(line_, QStringLiteral("digit expected"));
        qint64 v = 0;
        while (IsDigit(Peek())) {
            v = v * 10 + (s_[pos_++] - '0');
            if (v > 0x7FFFFFFF)
                Fail(line_, QStringLiteral("number out of range"));
        }
        if (IsIdentStart(Peek()))
            Fail(line_, QStringLiteral("bad number"));
        return negative ? -v : v;
    }

    QByteArray HexBytes()
    {
        ++pos_;  // '{'
        QByteArray hex;
        for (;;) {
            SkipBlank();
            if (pos_ >= s_.size())
                Fail(line_, QStringLiteral("'}' expected"));
            const char c = s_[pos_++];
            if (c == '}')
                break;
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                Fail(line_, QStringLiteral("hex digit expected"));
            hex += c;
        }
        if (hex.size() % 2)
            Fail(line_, QStringLiteral("odd number of hex digits"));
        return QByteArray::fromHex(hex);
    }

    QString Identifier()
    {
        SkipBlank();
        const QString word = Word();
        if (word.isEmpty())
            Fail(line_, QStringLiteral("name expected"));
        return word;
    }

    // A name, possibly dotted ("Font.Height"); empty when none starts here.
    QString Word()
    {
        SkipBlank();
        if (!IsIdentStart(Peek()))
            return {};
        const int start = pos_;
        while (pos_ < s_.size() && (IsIdentStart(s_[pos_]) || IsDigit(s_[pos_]) || s_[pos_] == '.'))
            ++pos_;
        return QString::fromLatin1(s_.mid(start, pos_ - start));
    }

    void Expect(char c)
    {
        SkipBlank();
        if (Peek() != c)
            Fail(line_, QStringLiteral("'%1' expected").arg(QLatin1Char(c)));
        ++pos_;
    }

    char Peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }

    void SkipSpacesOnLine()
    {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\r'))
            ++pos_;
    }

    // Blanks, line ends and '#' comments.
    void SkipBlank()
    {
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '\n') { ++line_; ++pos_; }
            else if (IsSpace(c)) ++pos_;
            else if (c == '#') { while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_; }
            else break;
        }
    }

    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool IsIdentStart(char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    }

    const QByteArray& s_;
    LayoutResourceLoader loader_;
    int pos_ = 0;
    int line_ = 1;
};

[[noreturn]] void WrongKind(const LayoutValue& v, const char* wanted)
{
    Fail(v.line, QStringLiteral("%1 expected").arg(QLatin1String(wanted)));
}

}  // namespace

int LayoutValue::ToInt() const
{
    if (kind != Kind::Integer)
        WrongKind(*this, "number");
    return int(integer);
}

bool LayoutValue::ToBool() const
{
    if (kind == Kind::Identifier && text == QLatin1String("True"))
        return true;
    if (kind == Kind::Identifier && text == QLatin1String("False"))
        return false;
    WrongKind(*this, "True or False");
}

QString LayoutValue::ToText() const
{
    if (kind != Kind::Text)
        WrongKind(*this, "quoted text");
    return text;
}

QString LayoutValue::ToIdentifier() const
{
    if (kind != Kind::Identifier)
        WrongKind(*this, "name");
    return text;
}

LayoutObject ParseLayout(const QByteArray& utf8, LayoutResourceLoader loadResource)
{
    return Parser(utf8, loadResource).ParseDocument();
}

QByteArray LoadBuiltinResource(const QString& name, bool* found)
{
    QFile file(QStringLiteral(":/builtin/") + name);
    *found = file.open(QIODevice::ReadOnly);
    return *found ? file.readAll() : QByteArray();
}
