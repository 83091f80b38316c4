#pragma once

#include "ui/Controls.h"

#include <QPlainTextEdit>

// A multi-line text box with a sunken border: its lines wrap at the box's
// width and there are no scroll bars.
class TMemo : public TWinControl {
    Q_OBJECT
public:
    explicit TMemo(TForm& owner);
    QPlainTextEdit* Editor() const;
    QStringList Lines() const;
    bool ReadOnly() const;
    void SetStoredProperty(const QString& name, const LayoutValue& value) override;

protected:
    void FontChanged() override;
};
