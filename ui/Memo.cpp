#include "ui/Memo.h"

#include "app/Exceptions.h"
#include "ui/Layout.h"

TMemo::TMemo(TForm& owner) : TWinControl(owner, std::make_unique<QPlainTextEdit>())
{
    QPlainTextEdit* editor = Editor();
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    editor->setLineWidth(2);
    editor->setTabChangesFocus(true);
    editor->setFocusPolicy(Qt::StrongFocus);
    SetBounds(0, 0, 185, 89);
}

QPlainTextEdit* TMemo::Editor() const { return static_cast<QPlainTextEdit*>(Widget()); }

QStringList TMemo::Lines() const { return Editor()->toPlainText().split(QLatin1Char('\n')); }

bool TMemo::ReadOnly() const { return Editor()->isReadOnly(); }

void TMemo::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    if (name == QLatin1String("Lines.Strings")) {
        if (value.kind != LayoutValue::Kind::TextList)
            throw EReadError(QStringLiteral("Invalid property value"));
        Editor()->setPlainText(value.list.join(QLatin1Char('\n')));
    } else if (name == QLatin1String("ReadOnly")) {
        Editor()->setReadOnly(value.ToBool());
        // Read-only text can still be selected, with the mouse or the keys.
        if (value.ToBool())
            Editor()->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    } else if (name == QLatin1String("ImeName")) {
        Editor()->setProperty("ImeName", value.ToText());  // kept as data
    } else {
        TWinControl::SetStoredProperty(name, value);
    }
}

void TMemo::FontChanged()
{
    TWinControl::FontChanged();
    QPalette palette = Editor()->palette();
    palette.setColor(QPalette::Text, EffectiveFont().Color);
    palette.setColor(QPalette::Base, Colors::Window());
    Editor()->setPalette(palette);
}
