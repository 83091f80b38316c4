#pragma once
// A screen: a top-level window whose client area is one surface. The surface
// paints the screen's colour and its graphic controls in creation order and
// routes the mouse to them; windowed controls are its child widgets.

#include "ui/Controls.h"

#include <QHash>
#include <QIcon>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QScrollArea;
class TForm;
class TGraphicControl;
struct LayoutObject;

class FormSurface : public QWidget {
    Q_OBJECT
public:
    explicit FormSurface(TForm& form);
    // The graphic control that gets the mouse at `pos`: the last-created
    // visible one containing it.
    TGraphicControl* GraphicControlAt(const QPoint& pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void UpdateCursor(const QPoint& pos);
    TForm& form_;
    TGraphicControl* captured_ = nullptr;  // the control the left button went down on
};

class TForm : public QWidget {
    Q_OBJECT
public:
    TForm();
    ~TForm() override;

    // Builds the screen from the layout found by its class name.
    void ReadLayout();
    // Builds it from a given layout (the same steps).
    void ReadLayout(const LayoutObject& layout);

    // The shell's show operation: visible if hidden, then raised and activated.
    void Show();
    // The shell's close operation: hides an activity screen; ends the program
    // when this is the main window.
    void Close();

    QString Caption() const { return windowTitle(); }
    QColor Color() const { return color_; }
    const TFont& Font() const { return font_; }
    // The stored outer rectangle (frame and title bar included).
    QRect StoredBounds() const { return storedBounds_; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    int TextHeight() const { return textHeight_; }

    const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }
    TComponent* FindComponent(const QString& name) const;
    FormSurface* Surface() const { return surface_; }
    QScrollArea* ScrollArea() const { return scrollArea_; }

    // Scales every control's rectangle and font by multiplier/divisor.
    void ScaleControls(int multiplier, int divisor);
    // The resolution the screen scales its layout to; the display's by default.
    static int DisplayPixelsPerInch();

    // Runs a handler for `sender`; a failure goes to the handler of last resort.
    void RunHandler(const TNotifyEvent& handler, TObject* sender);

    void ControlChanged(const QRect& area);

protected:
    // Each screen class names its component fields, bound by name when read.
    template <class T>
    void Field(const char* name, T*& field)
    {
        fields_.insert(QString::fromLatin1(name), [&field](TComponent* c) {
            field = qobject_cast<T*>(c);
            return field != nullptr;
        });
    }

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SetStoredProperty(const QString& name, const struct LayoutValue& value);
    TNotifyEvent BindHandler(const QString& method, int line);
    void FinishLayout();
    void ApplyStoredBounds();
    void UpdateExtent();

    FormSurface* surface_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    std::vector<std::unique_ptr<TComponent>> components_;
    QHash<QString, std::function<bool(TComponent*)>> fields_;
    QColor color_;
    TFont font_;
    QRect storedBounds_{0, 0, 1006, 715};
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    bool oldCreateOrder_ = false;
    bool fitted_ = false;
    bool shown_ = false;
    QMargins frameUsed_;
};

#define FIELD(name) Field(#name, name)
