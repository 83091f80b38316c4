#include "ui/BitBtn.h"

#include "ui/Layout.h"

#include <QKeyEvent>

void ClassicButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TBitBtn::TBitBtn(TForm& owner) : TWinControl(owner, std::make_unique<ClassicButton>())
{
    Button()->setAutoDefault(false);
    Button()->setFocusPolicy(Qt::StrongFocus);
    SetBounds(0, 0, 75, 25);
    QObject::connect(Button(), &QPushButton::clicked, this, [this] { Fire(OnClick); });
}

QPushButton* TBitBtn::Button() const { return static_cast<QPushButton*>(Widget()); }

QString TBitBtn::Caption() const { return Button()->text(); }

void TBitBtn::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    if (name == QLatin1String("Caption"))
        Button()->setText(value.ToText());
    else
        TWinControl::SetStoredProperty(name, value);
}

void TBitBtn::BindEvent(const QString& event, TNotifyEvent handler)
{
    if (event == QLatin1String("OnClick"))
        OnClick = std::move(handler);
    else
        TWinControl::BindEvent(event, std::move(handler));
}

void TBitBtn::FontChanged()
{
    TWinControl::FontChanged();
    QPalette palette = Button()->palette();
    palette.setColor(QPalette::ButtonText, EffectiveFont().Color);
    Button()->setPalette(palette);
}
