#pragma once

#include "ui/Controls.h"

#include <QPushButton>

// A push button that, like the classic desktop's, also clicks on Enter.
class ClassicButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A push button with its caption centred in its own font and colour.
class TBitBtn : public TWinControl {
    Q_OBJECT
public:
    explicit TBitBtn(TForm& owner);
    QPushButton* Button() const;
    QString Caption() const;
    void SetStoredProperty(const QString& name, const LayoutValue& value) override;
    void BindEvent(const QString& event, TNotifyEvent handler) override;

    TNotifyEvent OnClick;

protected:
    void FontChanged() override;
};
