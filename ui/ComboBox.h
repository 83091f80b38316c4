#pragma once

#include "ui/Controls.h"

#include <QComboBox>

// A selector: an editable text part with a drop-down list below it. No entry
// is current at first and the text part shows the stored prompt text.
class TComboBox : public TWinControl {
    Q_OBJECT
public:
    explicit TComboBox(TForm& owner);
    QComboBox* Combo() const;
    // The current entry, counted from 0; -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    QString Text() const;
    QStringList Items() const;
    int DropDownCount() const;
    void SetStoredProperty(const QString& name, const LayoutValue& value) override;
    void BindEvent(const QString& event, TNotifyEvent handler) override;
    void Loaded() override;

    TNotifyEvent OnChange;

protected:
    void FontChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Typing: a typed beginning of an entry completes to the first such entry
    // (letter case ignored) with the rest selected; Backspace clears the
    // current entry.
    void TextEdited(const QString& text);
    void SetCurrentKeepingText(int index, const QString& text);

    QString storedText_;
    bool backspace_ = false;
    int lengthBefore_ = 0;  // text length before the edit, less any selection
};
