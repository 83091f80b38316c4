#include "app/Application.h"

#include "app/Exceptions.h"
#include "media/AudioDevice.h"
#include "ui/Cursors.h"
#include "ui/Form.h"
#include "ui/Types.h"

#include <QApplication>
#include <QDebug>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <cxxabi.h>
#include <dlfcn.h>
#include <typeinfo>

TApplication* Application = nullptr;

QString ProgramTitleFromFileName(const QString& executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString ErrorBoxText(const QString& message)
{
    // In the 8-bit text the message is shown as, every non-ASCII character
    // ends in a byte above ".", so comparing the last code unit is enough.
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

namespace {

QString Demangled(const char* name)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> plain(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                                 std::free);
    return QString::fromLatin1(status == 0 && plain ? plain.get() : name);
}

}  // namespace

QString FatalBoxText(std::exception_ptr failure)
{
    QString className = QStringLiteral("Exception");
    QString message;
    const void* address = nullptr;
    try {
        std::rethrow_exception(failure);
    } catch (const Exception& e) {
        className = QString::fromLatin1(e.ClassName());
        message = e.Message();
        address = e.Address();
    } catch (const std::exception& e) {
        className = Demangled(typeid(e).name());
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
    }

    QString module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    quintptr offset = 0;
    Dl_info info{};
    if (address && dladdr(address, &info) && info.dli_fname) {
        module = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName();
        offset = reinterpret_cast<quintptr>(address) - reinterpret_cast<quintptr>(info.dli_fbase);
    }
    const QString hexAddress =
        QStringLiteral("%1").arg(qulonglong(offset & 0xFFFFFFFFu), 8, 16, QLatin1Char('0')).toUpper();
    const QString stop = !message.isEmpty() && !message.endsWith(QLatin1Char('.')) ? QStringLiteral(".")
                                                                                  : QString();
    return QStringLiteral("Exception %1 in module %2 at %3.\r\n%4%5\r\n")
        .arg(className, module, hexAddress, message, stop);
}

TApplication::TApplication(const QString& executablePath)
    : title_(ProgramTitleFromFileName(executablePath)),
      icon_(QStringLiteral(":/builtin/learn3a.ico"))
{
    Application = this;
    QCoreApplication::setApplicationName(title_);
    QGuiApplication::setWindowIcon(icon_);
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication()
{
    DestroyForms();
    audio_.reset();  // after the players, which close their clips
    if (Application == this)
        Application = nullptr;
}

AudioDevice& TApplication::Audio()
{
    if (!audio_)
        audio_ = std::make_unique<AudioDevice>();
    return *audio_;
}

void TApplication::Initialize() { handCursor_ = LoadHandCursor(); }

QCursor TApplication::CursorFor(TCursor cursor) const
{
    switch (cursor) {
    case TCursor::crHandPoint: return handCursor_;
    case TCursor::crIBeam: return QCursor(Qt::IBeamCursor);
    case TCursor::crDefault:
    case TCursor::crArrow: break;
    }
    return QCursor(Qt::ArrowCursor);
}

void TApplication::Adopt(std::unique_ptr<TForm> form, std::function<void()> clearReference)
{
    if (!mainForm_)
        mainForm_ = form.get();
    forms_.push_back({std::move(form), std::move(clearReference)});
}

int TApplication::Run()
{
    if (mainForm_) {
        mainForm_->Show();
        QCoreApplication::exec();
    }
    DestroyForms();
    return 0;
}

void TApplication::Terminate()
{
    // Like posting the quit message: whatever is already queued runs first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            terminated_ = true;
            QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
}

int TApplication::Execute(const std::function<void()>& createScreens)
{
    try {
        createScreens();
    } catch (...) {
        Present({QStringLiteral("Application Error"), FatalBoxText(std::current_exception()), true});
        DestroyForms();
        return 1;
    }
    return Run();
}

void TApplication::HandleException(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        ShowException(e.Message());
    } catch (const std::bad_alloc&) {
        ShowException(QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        ShowException(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unknown failure"));
    }
}

void TApplication::ShowException(const QString& message)
{
    Present({title_, ErrorBoxText(message), false});
}

void TApplication::Present(const MessageBoxRequest& request)
{
    if (presenter_) {
        presenter_(request);
        return;
    }
    // Modal to the whole program: no click reaches any screen while it is up.
    QPointer<QWidget> wasActive = QApplication::activeWindow();
    QString text = request.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // The same words go to the log, for whoever looks after the machine.
    qWarning().noquote() << "error box:" << text.simplified();
    QMessageBox box(QMessageBox::Critical, request.title, text.trimmed(), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (wasActive && wasActive->isVisible())
        wasActive->activateWindow();
}

void TApplication::DestroyForms()
{
    for (auto& owned : forms_)
        owned.form->hide();
    while (!forms_.empty()) {
        Owned owned = std::move(forms_.back());
        forms_.pop_back();
        const QString name = owned.form->objectName();
        if (owned.form.get() == mainForm_)
            mainForm_ = nullptr;
        owned.form.reset();
        if (owned.clearReference)
            owned.clearReference();
        if (OnScreenDestroyed)
            OnScreenDestroyed(name);
    }
}
