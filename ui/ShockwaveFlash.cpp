#include "ui/ShockwaveFlash.h"

#include "app/Application.h"
#include "app/Exceptions.h"
#include "ui/Layout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrlQuery>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>
#include <QtEndian>

namespace {

const QByteArray kScheme = "learn3a";
const QString kPageUrl = QStringLiteral("learn3a://app/player.html");
const QString kMovieUrl = QStringLiteral("learn3a://app/movie.swf");
constexpr int kLoadTimeoutMs = 15000;

QString TypeOf(const QString& path)
{
    if (path.endsWith(QLatin1String(".html")))
        return QStringLiteral("text/html");
    if (path.endsWith(QLatin1String(".js")))
        return QStringLiteral("application/javascript");
    if (path.endsWith(QLatin1String(".wasm")))
        return QStringLiteral("application/wasm");
    if (path.endsWith(QLatin1String(".swf")))
        return QStringLiteral("application/x-shockwave-flash");
    return QStringLiteral("application/octet-stream");
}

bool IsFlashMovie(const QByteArray& head)
{
    return head.size() >= 8 && (head.startsWith("FWS") || head.startsWith("CWS") || head.startsWith("ZWS"));
}

}  // namespace

// Serves the player page, the emulator's files and the one movie asked for;
// nothing else of the file system can be reached.
class FlashSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    QString movie;

    void requestStarted(QWebEngineUrlRequestJob* job) override
    {
        const QString path = job->requestUrl().path();
        QString file;
        if (path == QLatin1String("/player.html"))
            file = QStringLiteral(":/player/player.html");
        else if (path == QLatin1String("/movie.swf"))
            file = movie;
        else if (path.startsWith(QLatin1String("/ruffle/"))) {
            const QString name = path.mid(8);
            if (!name.contains(QLatin1Char('/')) && !name.startsWith(QLatin1Char('.')))
                file = TShockwaveFlash::RuntimeDirectory() + QLatin1Char('/') + name;
        }
        QFile source(file);
        if (file.isEmpty() || !source.open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* reply = new QBuffer(job);  // owned by the job
        reply->setData(source.readAll());
        job->reply(TypeOf(file).toLatin1(), reply);
    }
};

// The sandbox: every request that is not for the program's own scheme (or
// data the page makes itself) is blocked.
class FlashRequestGuard : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const QByteArray scheme = info.requestUrl().scheme().toLatin1();
        if (scheme != kScheme && scheme != "data" && scheme != "blob")
            info.block(true);
    }
};

namespace {
// Takes the page's console lines that carry its reports.
class FlashPage : public QWebEnginePage {
public:
    FlashPage(QWebEngineProfile* profile, std::function<void(QString, QString)> onReport, QObject* parent)
        : QWebEnginePage(profile, parent), onReport_(std::move(onReport))
    {
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override
    {
        if (!message.startsWith(QLatin1String("learn3a:")))
            return;
        const int colon = message.indexOf(QLatin1Char(':'), 8);
        onReport_(message.mid(8, colon - 8), colon < 0 ? QString() : message.mid(colon + 1));
    }
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        return !isMainFrame || url.toString(QUrl::RemoveQuery) == kPageUrl;
    }

private:
    std::function<void(QString, QString)> onReport_;
};
}  // namespace

void RegisterFlashScheme()
{
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    QWebEngineUrlScheme::Flags flags = QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled |
                                       QWebEngineUrlScheme::ContentSecurityPolicyIgnored;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    flags |= QWebEngineUrlScheme::FetchApiAllowed;
#endif
    scheme.setFlags(flags);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QString TShockwaveFlash::RuntimeDirectory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ruffle");
}

TShockwaveFlash::TShockwaveFlash(TForm& owner) : TWinControl(owner, std::make_unique<QWidget>())
{
    Widget()->setFocusPolicy(Qt::StrongFocus);
    SetBounds(0, 0, 192, 192);
}

TShockwaveFlash::~TShockwaveFlash() = default;

void TShockwaveFlash::SetStoredProperty(const QString& name, const LayoutValue& value)
{
    if (name == QLatin1String("ControlData")) {
        if (value.kind != LayoutValue::Kind::Bytes)
            throw EReadError(QStringLiteral("Invalid property value"));
        controlData_ = value.bytes;
    } else {
        TWinControl::SetStoredProperty(name, value);
    }
}

void TShockwaveFlash::Loaded()
{
    // The player must exist on this machine, or the screen cannot be built.
    if (!QFileInfo::exists(RuntimeDirectory() + QStringLiteral("/ruffle.js")))
        throw EOleSysError(QStringLiteral("Class not registered"));
}

TShockwaveFlash::Settings TShockwaveFlash::ParseControlData(const QByteArray& data)
{
    Settings settings;
    if (data.size() < 16 || qFromLittleEndian<quint32>(data.constData()) != 0x55665567u)
        return settings;
    // 24 values: a 16-bit type tag each; texts (8) have a byte count and
    // UTF-16 text, object references (13) 16 bytes.
    QStringList values;
    int at = 16;
    while (at + 2 <= data.size() && values.size() < 24) {
        const quint16 tag = qFromLittleEndian<quint16>(data.constData() + at);
        at += 2;
        if (tag == 8) {
            if (at + 4 > data.size())
                return settings;
            const quint32 n = qFromLittleEndian<quint32>(data.constData() + at);
            at += 4;
            if (n > quint32(data.size() - at) || n % 2)
                return settings;
            QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data.constData() + at), n / 2);
            if (text.endsWith(QChar(0)))
                text.chop(1);
            values << text;
            at += int(n);
        } else if (tag == 13) {
            at += 16;
            values << QString();
        } else {
            return settings;
        }
    }
    if (values.size() != 24 || at != data.size())
        return settings;
    settings.quality = values[6].toLower();          // "High"
    settings.scale = values[11] == QLatin1String("ShowAll") ? QStringLiteral("showAll") : values[11];
    settings.valid = true;
    return settings;
}

void TShockwaveFlash::FirstShown()
{
    const Settings settings = ParseControlData(controlData_);
    scheme_ = std::make_unique<FlashSchemeHandler>();
    guard_ = std::make_unique<FlashRequestGuard>();
    profile_ = std::make_unique<QWebEngineProfile>();  // off the record: nothing kept on disk
    profile_->installUrlSchemeHandler(kScheme, scheme_.get());
    profile_->setUrlRequestInterceptor(guard_.get());
    profile_->setHttpCacheType(QWebEngineProfile::NoCache);

    view_ = std::make_unique<QWebEngineView>(Widget());
    auto* page = new FlashPage(
        profile_.get(), [this](const QString& kind, const QString& detail) { PageMessage(kind, detail); },
        view_.get());  // owned by the view
    QWebEngineSettings* web = page->settings();
    web->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);  // the game sounds at once
    web->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    web->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    view_->setPage(page);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->setGeometry(0, 0, Width(), Height());
    view_->show();

    QUrl url(kPageUrl);
    QUrlQuery query;
    if (settings.valid) {
        query.addQueryItem(QStringLiteral("quality"), settings.quality);
        query.addQueryItem(QStringLiteral("scale"), settings.scale);
    }
    url.setQuery(query);
    page->load(url);
}

void TShockwaveFlash::SetMovie(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EOleException(QStringLiteral("The movie %1 cannot be opened").arg(QDir::toNativeSeparators(path)));
    if (!IsFlashMovie(file.read(8)))
        throw EOleException(QStringLiteral("The file %1 is not a Flash movie").arg(QDir::toNativeSeparators(path)));
    movie_ = path;
}

void TShockwaveFlash::Play()
{
    if (!view_)
        throw EOleSysError(QStringLiteral("OLE control activation failed"));
    if (movie_.isEmpty())
        return;
    loadWanted_ = true;
    if (pageReady_)
        StartLoad();
}

void TShockwaveFlash::StartLoad()
{
    loadWanted_ = false;
    playing_ = false;
    ++loads_;
    scheme_->movie = movie_;
    // A new address each time, so the player loads the file as it is now.
    const QString url = kMovieUrl + QStringLiteral("?load=%1").arg(loads_);
    view_->page()->runJavaScript(QStringLiteral("learn3aLoad(%1, %2)").arg(
        QLatin1Char('"') + url + QLatin1Char('"'), QString::number(kLoadTimeoutMs)));
}

void TShockwaveFlash::PageMessage(const QString& kind, const QString& detail)
{
    if (kind == QLatin1String("ready")) {
        pageReady_ = true;
        if (loadWanted_)
            StartLoad();
    } else if (kind == QLatin1String("playing")) {
        playing_ = true;
    } else if (kind == QLatin1String("error")) {
        // The player's failure comes after the handler that asked for the
        // movie has returned; it is shown like any other.
        QString description = detail.trimmed();
        while (description.endsWith(QLatin1Char('.')))
            description.chop(1);
        Application->HandleException(std::make_exception_ptr(
            EOleException(description.isEmpty() ? QStringLiteral("The movie could not be played") : description)));
    }
}
