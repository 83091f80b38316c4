#include "ui/Form.h"

#include "app/Application.h"
#include "app/Exceptions.h"
#include "ui/ControlFactory.h"
#include "ui/Layout.h"
#include "ui/Taskbar.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

// ---- FormSurface ----------------------------------------------------------

FormSurface::FormSurface(TForm& form) : form_(form)
{
    setMouseTracking(true);
    setAutoFillBackground(false);
}

TGraphicControl* FormSurface::GraphicControlAt(const QPoint& pos) const
{
    const auto& components = form_.Components();
    for (auto it = components.rbegin(); it != components.rend(); ++it) {
        auto* control = qobject_cast<TGraphicControl*>(it->get());
        if (control && control->Visible() && control->Enabled() && control->BoundsRect().contains(pos))
            return control;
    }
    return nullptr;
}

void FormSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), form_.Color());
    for (const auto& component : form_.Components()) {
        auto* control = qobject_cast<TGraphicControl*>(component.get());
        if (!control || !control->Visible())
            continue;
        const QRect area = control->BoundsRect().intersected(event->rect());
        if (area.isEmpty())
            continue;
        painter.save();
        painter.setClipRect(area);
        try {
            control->Paint(painter);
        } catch (...) {
            // The failure ends this paint; it is shown once the paint is over
            // (a modal box must not open inside a paint), and the next paint
            // draws whatever can be drawn.
            painter.restore();
            QMetaObject::invokeMethod(
                &form_, [failure = std::current_exception()] { Application->HandleException(failure); },
                Qt::QueuedConnection);
            update();
            return;
        }
        painter.restore();
    }
}

void FormSurface::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    captured_ = GraphicControlAt(event->position().toPoint());
    if (captured_)
        captured_->MouseDown(event->position().toPoint());
}

void FormSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !captured_)
        return;
    TGraphicControl* control = captured_;
    captured_ = nullptr;
    control->MouseUp(event->position().toPoint());
}

void FormSurface::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click starts no click of its own.
    captured_ = nullptr;
}

void FormSurface::mouseMoveEvent(QMouseEvent* event) { UpdateCursor(event->position().toPoint()); }

void FormSurface::leaveEvent(QEvent*) { unsetCursor(); }

void FormSurface::UpdateCursor(const QPoint& pos)
{
    TGraphicControl* control = captured_ ? captured_ : GraphicControlAt(pos);
    const TCursor cursor = control ? control->Cursor() : TCursor::crDefault;
    if (cursor == TCursor::crDefault)
        unsetCursor();
    else
        setCursor(Application->CursorFor(cursor));
}

// ---- TForm ----------------------------------------------------------------

TForm::TForm() : QWidget(nullptr, Qt::Window), color_(Colors::BtnFace())
{
    auto* layout = new QVBoxLayout(this);  // owned by this window
    layout->setContentsMargins(0, 0, 0, 0);
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setWidgetResizable(true);  // the surface fills the client area
    surface_ = new FormSurface(*this);
    scrollArea_->setWidget(surface_);
    layout->addWidget(scrollArea_);
    setWindowIcon(Application ? Application->Icon() : QIcon());
}

// Controls go before the window's widgets, so none is deleted twice.
TForm::~TForm() { components_.clear(); }

TComponent* TForm::FindComponent(const QString& name) const
{
    for (const auto& c : components_)
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0)
            return c.get();
    return nullptr;
}

void TForm::ReadLayout()
{
    const QString className = QString::fromLatin1(metaObject()->className());
    QFile file(QStringLiteral(":/layouts/") + className);
    if (!file.open(QIODevice::ReadOnly))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(className));
    ReadLayout(ParseLayout(file.readAll(), &LoadBuiltinResource));
}

void TForm::ReadLayout(const LayoutObject& layout)
{
    const QString className = QString::fromLatin1(metaObject()->className());
    if (layout.kind != className)
        throw EReadError(QStringLiteral("Layout of %1 found for %2").arg(layout.kind, className));
    setObjectName(layout.name);

    auto located = [](const QString& where, int line, const EReadError& e) {
        return EReadError(QStringLiteral("Error reading %1 (line %2): %3").arg(where).arg(line).arg(e.Message()));
    };
    for (const auto& [name, value] : layout.properties) {
        try {
            SetStoredProperty(name, value);
        } catch (const EReadError& e) {
            throw located(layout.name + QLatin1Char('.') + name, value.line, e);
        }
    }

    for (const LayoutObject& child : layout.children) {
        if (FindComponent(child.name))
            throw EReadError(QStringLiteral("A component named %1 already exists").arg(child.name));
        std::unique_ptr<TComponent> component = CreateComponent(child.kind, *this);
        if (!component)
            throw EReadError(QStringLiteral("Class %1 not found").arg(child.kind));
        component->setObjectName(child.name);
        for (const auto& [name, value] : child.properties) {
            try {
                if (name.startsWith(QLatin1String("On")) && value.kind == LayoutValue::Kind::Identifier)
                    component->BindEvent(name, BindHandler(value.text, value.line));
                else
                    component->SetStoredProperty(name, value);
            } catch (const EReadError& e) {
                throw located(child.name + QLatin1Char('.') + name, value.line, e);
            }
        }
        const auto field = fields_.constFind(child.name);
        if (field != fields_.constEnd() && !(*field)(component.get()))
            throw EReadError(QStringLiteral("Field %1 is not of kind %2").arg(child.name, child.kind));
        components_.push_back(std::move(component));
    }
    for (auto it = fields_.constBegin(); it != fields_.constEnd(); ++it)
        if (!FindComponent(it.key()))
            throw EReadError(QStringLiteral("Component %1 of %2 not found").arg(it.key(), className));
    FinishLayout();
}

void TForm::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    if (name == QLatin1String("Left"))
        storedBounds_.moveLeft(value.ToInt());
    else if (name == QLatin1String("Top"))
        storedBounds_.moveTop(value.ToInt());
    else if (name == QLatin1String("Width"))
        storedBounds_.setWidth(qMax(0, value.ToInt()));
    else if (name == QLatin1String("Height"))
        storedBounds_.setHeight(qMax(0, value.ToInt()));
    else if (name == QLatin1String("Caption"))
        setWindowTitle(value.ToText());
    else if (name == QLatin1String("Color")) {
        const QColor color = Colors::FromName(value.ToIdentifier());
        if (!color.isValid())
            throw EReadError(QStringLiteral("Invalid property value %1").arg(value.text));
        color_ = color;
    } else if (name == QLatin1String("Font.Name"))
        font_.Name = value.ToText();
    else if (name == QLatin1String("Font.Height"))
        font_.Height = value.ToInt();
    else if (name == QLatin1String("Font.Color"))
        font_.Color = Colors::FromName(value.ToIdentifier());
    else if (name == QLatin1String("Font.Style"))
        font_.Bold = value.list.contains(QStringLiteral("fsBold"));
    else if (name == QLatin1String("Font.Charset"))
        font_.Charset = value.kind == LayoutValue::Kind::Integer ? value.ToInt() : DEFAULT_CHARSET;
    else if (name == QLatin1String("Icon.Data")) {
        QPixmap icon;
        if (value.kind != LayoutValue::Kind::Picture || !icon.loadFromData(value.bytes, "ICO"))
            throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
        setWindowIcon(QIcon(icon));
    } else if (name == QLatin1String("PixelsPerInch"))
        pixelsPerInch_ = qMax(1, value.ToInt());
    else if (name == QLatin1String("TextHeight"))
        textHeight_ = qMax(1, value.ToInt());
    else if (name == QLatin1String("OldCreateOrder"))
        oldCreateOrder_ = value.ToBool();
    else
        throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
}

TNotifyEvent TForm::BindHandler(const QString& method, int line)
{
    // Like connecting slots by name: a slot of this screen class with that
    // name, taking the sender.
    const QMetaObject* meta = metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Slot && m.parameterCount() == 1 &&
            QLatin1String(m.name()) == method) {
            return [this, i](TObject* sender) {
                void* args[] = {nullptr, &sender};
                QMetaObject::metacall(this, QMetaObject::InvokeMetaMethod, i, args);
            };
        }
    }
    throw EReadError(QStringLiteral("Method %1 not found (line %2)").arg(method).arg(line));
}

int TForm::DisplayPixelsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

void TForm::ScaleControls(int multiplier, int divisor)
{
    if (multiplier == divisor || divisor <= 0)
        return;
    for (const auto& c : components_)
        c->ScaleBy(multiplier, divisor);
}

void TForm::FinishLayout()
{
    for (const auto& c : components_)
        c->Loaded();

    // At another resolution the layout is scaled by the text height it was
    // made for; the outer size stays as stored.
    const int dpi = DisplayPixelsPerInch();
    if (dpi != pixelsPerInch_) {
        const int scaledTextHeight = int((qint64(textHeight_) * dpi + pixelsPerInch_ / 2) / pixelsPerInch_);
        if (scaledTextHeight != textHeight_)
            ScaleControls(scaledTextHeight, textHeight_);
    }

    // Keyboard focus follows TabOrder through the windowed controls.
    std::vector<TWinControl*> order;
    for (const auto& c : components_)
        if (auto* w = qobject_cast<TWinControl*>(c.get()); w && w->Widget()->focusPolicy() != Qt::NoFocus)
            order.push_back(w);
    std::stable_sort(order.begin(), order.end(),
                     [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
    for (TWinControl* w : order) {
        if (w->Visible() && w->Enabled()) {
            w->Widget()->setFocus(Qt::OtherFocusReason);  // taken when first activated
            break;
        }
    }
    UpdateExtent();
    ApplyStoredBounds();
}

void TForm::ControlChanged(const QRect&)
{
    UpdateExtent();
}

void TForm::UpdateExtent()
{
    // Scroll bars appear only when the client area is smaller than this.
    QRect extent;
    for (const auto& c : components_)
        if (auto* control = qobject_cast<TControl*>(c.get()); control && control->Visible())
            extent = extent.united(control->BoundsRect());
    surface_->setMinimumSize(qMax(0, extent.right() + 1), qMax(0, extent.bottom() + 1));
}

void TForm::ApplyStoredBounds()
{
    // The stored rectangle is the outer window; the frame is whatever the
    // window manager draws around the client area.
    QMargins frame;
    if (const QWindow* window = windowHandle())
        frame = window->frameMargins();
    frameUsed_ = frame;
    resize(qMax(1, storedBounds_.width() - frame.left() - frame.right()),
           qMax(1, storedBounds_.height() - frame.top() - frame.bottom()));
    move(storedBounds_.topLeft());
}

void TForm::Show()
{
    if (!isVisible()) {
        // Activity screens belong to the program's one taskbar entry, the home screen's.
        if (Application && Application->MainForm() != this)
            KeepOffTaskbar(*this);
        show();
    }
    raise();
    activateWindow();
}

void TForm::Close()
{
    if (Application && Application->MainForm() == this)
        Application->Terminate();  // the home screen is not hidden first
    else
        hide();
}

void TForm::RunHandler(const TNotifyEvent& handler, TObject* sender)
{
    try {
        handler(sender);
    } catch (...) {
        Application->HandleException(std::current_exception());
    }
}

void TForm::closeEvent(QCloseEvent* event)
{
    // The close box, Alt+F4 and the system menu all mean the close operation.
    event->ignore();
    Close();
}

bool TForm::event(QEvent* event)
{
    // The window manager frames a window only after it is shown; once the
    // frame is known, fit the outer rectangle to the stored one (first show
    // only, so a user's later moves and resizes stand).
    const bool framed = event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                        event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
    if (event->type() == QEvent::Show && !shown_) {
        // Controls that take their place only once seen (the game area).
        shown_ = true;
        for (const auto& c : components_) {
            try {
                c->FirstShown();
            } catch (...) {
                Application->HandleException(std::current_exception());
            }
        }
    }
    if (framed && !fitted_ && isVisible()) {
        if (const QWindow* window = windowHandle(); window && window->frameMargins() != frameUsed_) {
            fitted_ = true;
            ApplyStoredBounds();
        }
    }
    return QWidget::event(event);
}
