#include "ui/ComboBox.h"

#include "app/Exceptions.h"
#include "ui/Layout.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

TComboBox::TComboBox(TForm& owner) : TWinControl(owner, std::make_unique<QComboBox>())
{
    QComboBox* combo = Combo();
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);  // typing never adds entries
    combo->setMaxVisibleItems(8);
    combo->setFocusPolicy(Qt::StrongFocus);
    SetBounds(0, 0, 145, 21);
    // A pick in the list puts the entry's text into the text part, then fires.
    QObject::connect(combo, qOverload<int>(&QComboBox::activated), this, [this] { Fire(OnChange); });
    combo->setCompleter(nullptr);  // completion follows the rules below instead
    combo->lineEdit()->installEventFilter(this);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, this, &TComboBox::TextEdited);
}

bool TComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Combo()->lineEdit() && event->type() == QEvent::KeyPress) {
        const QLineEdit* edit = Combo()->lineEdit();
        backspace_ = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace;
        lengthBefore_ = int(edit->text().size() - edit->selectedText().size());
    }
    return TWinControl::eventFilter(watched, event);
}

void TComboBox::SetCurrentKeepingText(int index, const QString& text)
{
    QComboBox* combo = Combo();
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
    combo->setEditText(text);
}

void TComboBox::TextEdited(const QString& text)
{
    QLineEdit* edit = Combo()->lineEdit();
    const bool typed = !backspace_ && text.size() > lengthBefore_;
    if (backspace_) {
        backspace_ = false;
        const int cursor = edit->cursorPosition();
        SetCurrentKeepingText(-1, text);
        edit->setCursorPosition(cursor);
        Fire(OnChange);
        return;
    }
    if (typed && edit->cursorPosition() == text.size() && !text.isEmpty()) {
        const int match = Combo()->findText(text, Qt::MatchStartsWith);  // case-insensitive
        if (match >= 0) {
            const bool changed = match != ItemIndex();
            const QString entry = Combo()->itemText(match);
            SetCurrentKeepingText(match, entry);
            edit->setSelection(int(entry.size()), -int(entry.size() - text.size()));
            if (changed)
                Fire(OnChange);
            return;
        }
    }
    // Text that is no entry's beginning: no entry is current.
    const int cursor = edit->cursorPosition();
    SetCurrentKeepingText(-1, text);
    edit->setCursorPosition(cursor);
    Fire(OnChange);
}

QComboBox* TComboBox::Combo() const { return static_cast<QComboBox*>(Widget()); }

int TComboBox::ItemIndex() const { return Combo()->currentIndex(); }

void TComboBox::SetItemIndex(int index)
{
    Combo()->setCurrentIndex(index);
    if (index < 0)
        Combo()->setEditText(QString());
}

QString TComboBox::Text() const { return Combo()->currentText(); }

QStringList TComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < Combo()->count(); ++i)
        items << Combo()->itemText(i);
    return items;
}

int TComboBox::DropDownCount() const { return Combo()->maxVisibleItems(); }

void TComboBox::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    if (name == QLatin1String("Text")) {
        storedText_ = value.ToText();
        Combo()->setEditText(storedText_);
    } else if (name == QLatin1String("Items.Strings")) {
        if (value.kind != LayoutValue::Kind::TextList)
            throw EReadError(QStringLiteral("Invalid property value"));
        Combo()->clear();
        Combo()->addItems(value.list);
        Combo()->setCurrentIndex(-1);
        Combo()->setEditText(storedText_);
    } else if (name == QLatin1String("ItemHeight") || name == QLatin1String("ImeName")) {
        // Kept as data: no effect with an editable selector, nor on an input
        // method this platform chooses itself.
        Combo()->setProperty(name.toLatin1().constData(),
                             value.kind == LayoutValue::Kind::Integer ? QVariant(value.ToInt())
                                                                      : QVariant(value.ToText()));
    } else {
        TWinControl::SetStoredProperty(name, value);
    }
}

void TComboBox::BindEvent(const QString& event, TNotifyEvent handler)
{
    if (event == QLatin1String("OnChange"))
        OnChange = std::move(handler);
    else
        TWinControl::BindEvent(event, std::move(handler));
}

void TComboBox::Loaded()
{
    Combo()->setCurrentIndex(-1);
    Combo()->setEditText(storedText_);
}

void TComboBox::FontChanged()
{
    TWinControl::FontChanged();
    QPalette palette = Combo()->palette();
    palette.setColor(QPalette::Text, EffectiveFont().Color);
    palette.setColor(QPalette::ButtonText, EffectiveFont().Color);
    palette.setColor(QPalette::Base, Colors::Window());
    Combo()->setPalette(palette);
}
