#pragma once
// The application object: program title and icon, the screens it owns, the
// message loop, and the presentation of failures.

#include <QCursor>
#include <QIcon>
#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

class AudioDevice;
class TForm;
enum class TCursor;

// What an error box shows. The shell hands it to a presenter, which shows a
// real message box unless a test has put its own in place.
struct MessageBoxRequest {
    QString title;
    QString text;
    bool fatal = false;  // the start-up failure box: task-modal, no owner
};
using MessageBoxPresenter = std::function<void(const MessageBoxRequest&)>;

// The title rule: the file name without its directory, cut at its first ".",
// everything after the first character lower-cased.
QString ProgramTitleFromFileName(const QString& executablePath);
// The error box's text: a full stop is added after a last character that
// sorts after "." (a letter, digit, "?", "]", a Chinese character ...).
QString ErrorBoxText(const QString& message);
// The fatal start-up box's text: class name, module, address and message.
QString FatalBoxText(std::exception_ptr failure);

class TApplication : public QObject {
    Q_OBJECT
public:
    explicit TApplication(const QString& executablePath);
    ~TApplication() override;

    const QString& Title() const { return title_; }
    const QIcon& Icon() const { return icon_; }
    TForm* MainForm() const { return mainForm_; }
    int FormCount() const { return int(forms_.size()); }
    TForm* Forms(int index) const { return forms_.at(size_t(index)).form.get(); }
    QCursor CursorFor(TCursor cursor) const;
    // The program's audio device, made when a clip first needs it.
    AudioDevice& Audio();

    // Start-up step before the screens: loads the built-in cursor.
    void Initialize();

    // Builds one screen from its layout and stores it in `reference`; the
    // first screen becomes the main window. On failure the reference is
    // cleared again and the failure travels on.
    template <class T>
    void CreateForm(T*& reference)
    {
        auto form = std::make_unique<T>();
        reference = form.get();
        try {
            form->ReadLayout();
        } catch (...) {
            reference = nullptr;
            throw;
        }
        Adopt(std::move(form), [&reference] { reference = nullptr; });
    }

    // Shows the main window and runs the message loop until terminated; then
    // ends the program (screens destroyed last first). Returns the exit code.
    int Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The main block's frame: runs `createScreens` and then the loop; a
    // failure while the screens are created shows the fatal box, destroys
    // what was created and gives exit code 1.
    int Execute(const std::function<void()>& createScreens);

    // The handler of last resort for a failure that escaped an event handler.
    void HandleException(std::exception_ptr failure);
    void ShowException(const QString& message);

    void SetMessageBoxPresenter(MessageBoxPresenter presenter) { presenter_ = std::move(presenter); }
    // Called after each screen is destroyed at the end (for the shutdown order).
    std::function<void(const QString& screenName)> OnScreenDestroyed;

    void DestroyForms();

private:
    struct Owned {
        std::unique_ptr<TForm> form;
        std::function<void()> clearReference;
    };
    void Adopt(std::unique_ptr<TForm> form, std::function<void()> clearReference);
    void Present(const MessageBoxRequest& request);

    QString title_;
    QIcon icon_;
    QCursor handCursor_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::vector<Owned> forms_;
    MessageBoxPresenter presenter_;
    std::unique_ptr<AudioDevice> audio_;
};

// The one application object of the process.
extern TApplication* Application;
