#pragma once
// Layout data: a screen's settings and its components in creation order, in
// a small text form that reads like the screens' tables:
//
//   object Form1: TForm1
//     Caption = 'Tavimo系列软件'
//     Left = 10
//     object Image1: TImage
//       Picture.Data = TJPEGImage @home.jpg
//     end
//   end
//
// Values: integers, 'quoted text' ('' is a quote), identifiers, [sets],
// ( 'text list' ), {hex bytes}, and pictures (a graphic class and a built-in
// file). Texts are UTF-8.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

struct LayoutValue {
    enum class Kind { Integer, Text, Identifier, Set, TextList, Bytes, Picture };
    Kind kind = Kind::Integer;
    qint64 integer = 0;
    QString text;        // Text, Identifier; Picture: the graphic class
    QStringList list;    // Set, TextList
    QByteArray bytes;    // Bytes; Picture: the picture file's bytes
    int line = 0;

    // Typed reads that raise EReadError when the stored kind does not fit.
    int ToInt() const;
    bool ToBool() const;
    QString ToText() const;
    QString ToIdentifier() const;
};

struct LayoutObject {
    QString name;
    QString kind;
    std::vector<std::pair<QString, LayoutValue>> properties;
    std::vector<LayoutObject> children;
    int line = 0;
};

// Reads built-in files that layouts refer to with @name.
using LayoutResourceLoader = QByteArray (*)(const QString& name, bool* found);

// Parses one layout; raises EReadError naming the line of the first fault.
LayoutObject ParseLayout(const QByteArray& utf8, LayoutResourceLoader loadResource);

// The built-in file of that name (":/builtin/<name>").
QByteArray LoadBuiltinResource(const QString& name, bool* found);
