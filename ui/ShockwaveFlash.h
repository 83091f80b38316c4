#pragma once

#include "ui/Controls.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QWebEngineProfile;
class QWebEngineView;
class FlashSchemeHandler;
class FlashRequestGuard;

// The game area's player control: a Flash emulator (Ruffle's web build) in
// an embedded web view. The player must exist when the screen is built; its
// view is made and given the stored state the first time the screen is shown.
class TShockwaveFlash : public TWinControl {
    Q_OBJECT
public:
    explicit TShockwaveFlash(TForm& owner);
    ~TShockwaveFlash() override;

    const QByteArray& ControlData() const { return controlData_; }
    void SetStoredProperty(const QString& name, const LayoutValue& value) override;
    void Loaded() override;
    void FirstShown() override;

    // The movie to load, by full path; raises EOleException when it cannot be
    // read or is no Flash movie.
    void SetMovie(const QString& path);
    QString Movie() const { return movie_; }
    // Starts the movie; loading goes on without holding up the caller.
    void Play();

    bool Active() const { return view_ != nullptr; }
    QWebEngineView* View() const { return view_.get(); }
    // The movie is loaded and playing.
    bool Playing() const { return playing_; }
    int Loads() const { return loads_; }

    // The settings the player understands, read from the stored state.
    struct Settings {
        QString quality;
        QString scale;
        bool valid = false;
    };
    static Settings ParseControlData(const QByteArray& data);
    // Where the player's runtime lies: "ruffle" beside the executable.
    static QString RuntimeDirectory();

private:
    void PageMessage(const QString& kind, const QString& detail);
    void StartLoad();

    QByteArray controlData_;
    QString movie_;
    bool pageReady_ = false;
    bool loadWanted_ = false;
    bool playing_ = false;
    int loads_ = 0;
    // Destroyed in reverse: the view (a child of the control's widget) goes
    // before the profile it uses.
    std::unique_ptr<FlashSchemeHandler> scheme_;
    std::unique_ptr<FlashRequestGuard> guard_;
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<QWebEngineView> view_;
};

// Registers the player's URL scheme; must run before the platform starts.
void RegisterFlashScheme();
