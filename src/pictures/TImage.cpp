#include "pictures/TImage.h"

#include "pictures/decoders.h"
#include "platform/errorbox.h"
#include "core/errors.h"
#include "core/paths.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <future>

namespace {

QString Extension(const QString& path) { return QFileInfo(path).suffix().toLower(); }

bool KnownExtension(const QString& ext)
{
    static const QStringList known{QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                   QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("svg")};
    return known.contains(ext);
}

QByteArray ReadWhole(const QString& path, const QString& gameName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw zk::PictureError(QStringLiteral("Cannot open file ") + gameName);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw zk::PictureError(QStringLiteral("Cannot open file ") + gameName);
    return bytes;
}

// Hands `use` a reader of the bytes in the format the extension names: guessing would load
// and ask every image plugin.
template <typename Use>
auto WithReader(const QByteArray& bytes, const QString& extension, Use use)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, extension.toLatin1());
    reader.setAutoDetectImageFormat(false);
    return use(reader);
}

// Decodes a still picture; an animated GIF gives its first frame.
QImage DecodeStill(const QByteArray& bytes, const QString& extension)
{
    if (extension == QLatin1String("gif"))
        return zk::CheckGif(bytes).firstFrame;
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return zk::DecodeJpeg(bytes);
    return WithReader(bytes, extension, [](QImageReader& reader) {
        QImage image;
        if (!reader.read(&image))
            throw zk::PictureError(reader.errorString());
        return image;
    });
}

// The size a design picture will have, from its header where the format has one (not SVG:
// an invalid size). A header the reader cannot make sense of is decoded in full, so the
// warning has the decoder's own text.
QSize HeaderSize(const QString& path, const QString& extension)
{
    if (extension == QLatin1String("svg")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw zk::PictureError(QStringLiteral("Cannot open file ") + path);
        return {};
    }
    const QByteArray bytes = ReadWhole(path, path);
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return zk::JpegSize(bytes);
    const QSize size = WithReader(bytes, extension, [](QImageReader& reader) { return reader.size(); });
    return size.isValid() ? size : DecodeStill(bytes, extension).size();
}

// Still design pictures are decoded once and shared (the four answer plates, windows opened
// again); the cache keeps only what some control still shows. Keys: the path for a picture
// at its own size, the path and device size for a variant scaled to the screen.
QHash<QString, QImage>& DecodedCache()
{
    static QHash<QString, QImage> decoded;
    return decoded;
}

void Remember(const QString& key, const QImage& image)
{
    QHash<QString, QImage>& decoded = DecodedCache();
    decoded.removeIf([](const QHash<QString, QImage>::iterator& it) { return it.value().isDetached(); });
    decoded.insert(key, image);
}

QString ScaledKey(const QString& path, QSize device)
{
    return path + QStringLiteral("|%1x%2").arg(device.width()).arg(device.height());
}

// Where a picture of the given size lands in the control.
QRect TargetRect(const QRect& box, const QSize& picture, bool stretch, bool center)
{
    if (stretch)
        return box;
    if (center)
        return QRect(QPoint((box.width() - picture.width()) / 2, (box.height() - picture.height()) / 2), picture);
    return QRect(QPoint(0, 0), picture);
}

}  // namespace

TImage::TImage(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

// The movie reads from the buffer, so it goes first.
TImage::~TImage() { clearPicture(); }

QStringList TImage::VariantNames(const QString& name, qreal devicePixelRatio)
{
    // The smallest variant at least as fine as the screen, then finer ones, then coarser ones.
    const int wanted = std::clamp(int(std::ceil(devicePixelRatio - 0.01)), 1, 3);
    QList<int> order;
    for (int n = wanted; n <= 3; ++n)
        order << n;
    for (int n = wanted - 1; n >= 2; --n)
        order << n;
    QStringList names;
    if (wanted > 1) {
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        const int slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
        const int at = dot > slash ? dot : int(name.size());
        for (int n : order)
            names << name.left(at) + QStringLiteral("@%1x").arg(n) + name.mid(at);
    }
    names << name;
    return names;
}

bool TImage::showVariant(const QString& name, const std::function<QString(const QString&)>& locate,
                         const std::function<void(const QString&)>& damaged)
{
    const QStringList names = VariantNames(name, devicePixelRatioF());
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        const QString path = locate(names[i]);
        if (!QFile::exists(path))
            continue;
        // Only the first variant there is tried: a damaged one is a fault in the picture set.
        try {
            const int at = int(names[i].lastIndexOf(QLatin1Char('@')));
            showFile(path, names[i], names[i].at(at + 1).digitValue());
            return true;
        } catch (const zk::PictureError& e) {
            damaged(e.text());
            return false;
        }
    }
    return false;
}

void TImage::LoadFromFile(const QString& gameName)
{
    const QString path = zk::ResolveDataPath(gameName);
    const QString ext = Extension(path);
    if (!KnownExtension(ext))
        throw zk::PictureError(QStringLiteral("Unknown picture file extension (.%1)").arg(ext));
    if (!showVariant(gameName, zk::ResolveDataPath, [](const QString& text) { zk::ShowErrorBox(text); }))
        showBytes(ReadWhole(path, gameName), ext);
    fileName_ = gameName;
    picture_.clear();
}

void TImage::setPicture(const QString& resource)
{
    if (resource.isEmpty()) {
        clearPicture();
        picture_.clear();
        fileName_.clear();
        update();
        return;
    }
    try {
        const QString ext = Extension(resource);
        if (!KnownExtension(ext))
            throw zk::PictureError(QStringLiteral("Unknown picture file extension (.%1)").arg(ext));
        const QSize size = HeaderSize(resource, ext);
        clearPicture();
        picture_ = resource;
        fileName_.clear();
        logical_ = size;
        // Decoded when needed: most window instances made at start-up are never shown.
        pending_ = true;
        applyAutoSize();
        update();
        if (isVisible())
            decodePending();
    } catch (const zk::PictureError& e) {
        qWarning("TImage %s: %s", qPrintable(objectName()), qPrintable(e.text()));
    }
}

void TImage::decodePending()
{
    if (!pending_)
        return;
    pending_ = false;
    const QSize header = logical_;
    try {
        if (prepared_.valid()) {
            QImage image = prepared_.get();
            if (!image.isNull()) {
                const QString path = preparedPath_;
                const int scale = preparedScale_;
                clearPicture();
                scale_ = scale;
                logical_ = header;
                variantPath_ = path;
                const QString key = ScaledKey(path, image.size());
                const auto hit = DecodedCache().constFind(key);
                if (hit != DecodedCache().cend())
                    image = *hit;
                else
                    Remember(key, image);
                still_ = image;
                fitVariant();  // in case the control changed since
                applyAutoSize();
                update();
                return;
            }
        }
        if (!showVariant(
                picture_, [](const QString& n) { return n; },
                [this](const QString& text) { qWarning("TImage %s: %s", qPrintable(objectName()), qPrintable(text)); }))
            showFile(picture_, picture_, 1);
    } catch (const zk::PictureError& e) {
        qWarning("TImage %s: %s", qPrintable(objectName()), qPrintable(e.text()));
        clearPicture();
        logical_ = header;
    }
}

QSize TImage::devicePixels() const
{
    // The edges snapped to whole device pixels where the window puts them, so that pictures
    // side by side (a letter and its plate) still meet without a step between them.
    const qreal dpr = devicePixelRatioF();
    const QRect target = TargetRect(rect(), logical_, stretch_, center_);
    const QPoint from = mapTo(window(), target.topLeft());
    const QPointF a = QPointF(from) * dpr;
    const QPointF b = QPointF(from + QPoint(target.width(), target.height())) * dpr;
    return QSize(qRound(b.x()) - qRound(a.x()), qRound(b.y()) - qRound(a.y()));
}

void TImage::fitVariant(const QImage& decoded)
{
    if (variantPath_.isEmpty() || movie_ || svg_)
        return;
    const qreal dpr = devicePixelRatioF();
    const QSize device = devicePixels();
    if (device.isEmpty() || (decoded.isNull() && still_.size() == device && still_.devicePixelRatio() == dpr))
        return;
    const bool shared = variantPath_.startsWith(QLatin1String(":/"));
    const QString key = ScaledKey(variantPath_, device);
    if (shared) {
        const auto hit = DecodedCache().constFind(key);
        if (hit != DecodedCache().cend()) {
            still_ = *hit;
            return;
        }
    }
    QImage source = decoded;
    if (source.isNull()) {
        try {
            source = DecodeStill(ReadWhole(variantPath_, variantPath_), Extension(variantPath_));
        } catch (const zk::PictureError&) {
            return;  // the file went away: the painter scales what is kept
        }
    }
    QImage fitted = source.size() == device ? source
                                            : source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(dpr);
    still_ = fitted;
    if (shared)
        Remember(key, still_);
}

void TImage::showFile(const QString& path, const QString& name, int scale)
{
    const bool shared = path.startsWith(QLatin1String(":/"));
    if (shared) {
        // A design picture's size is known from its header, so a scaled variant can be found too.
        const QSize logical = logical_;
        QHash<QString, QImage>& decoded = DecodedCache();
        const QString key = scale > 1 ? ScaledKey(path, devicePixels()) : path;
        const auto hit = decoded.constFind(key);
        if (hit != decoded.cend()) {
            showStill(*hit);
            scale_ = scale;
            logical_ = scale > 1 ? logical : hit->deviceIndependentSize().toSize();
            variantPath_ = scale > 1 ? path : QString();
            applyAutoSize();
            update();
            return;
        }
    }
    showBytes(ReadWhole(path, name), Extension(path), scale);
    if (movie_ || svg_)
        return;
    if (scale_ > 1) {
        // Only the variant scaled to the screen is kept.
        variantPath_ = path;
        const QImage variant = still_;
        fitVariant(variant);
    } else if (shared) {
        Remember(path, still_);
    }
}

void TImage::showBytes(const QByteArray& bytes, const QString& extension, int scale)
{
    if (extension == QLatin1String("gif")) {
        const zk::GifInfo gif = zk::CheckGif(bytes);
        if (gif.frameCount() > 1)
            showMovie(bytes, gif.firstFrame, gif.delays);
        else
            showStill(gif.firstFrame);
    } else if (extension == QLatin1String("svg")) {
        auto renderer = std::make_unique<QSvgRenderer>(bytes);
        if (!renderer->isValid())
            throw zk::PictureError(QStringLiteral("Invalid SVG picture"));
        showSvg(std::move(renderer));
    } else {
        showStill(DecodeStill(bytes, extension));
    }
    scale_ = svg_ ? 1 : scale;
    still_.setDevicePixelRatio(scale_);
    logical_ = svg_ ? svg_->defaultSize() : still_.deviceIndependentSize().toSize();
    applyAutoSize();
    update();
}

void TImage::showStill(const QImage& image)
{
    clearPicture();
    still_ = image;
}

void TImage::showMovie(const QByteArray& gif, const QImage& firstFrame, const QList<int>& delays)
{
    clearPicture();
    still_ = firstFrame;  // shown until the movie has a frame of its own
    delays_ = delays;
    movieData_ = gif;
    movieDevice_ = std::make_unique<QBuffer>(&movieData_);
    movieDevice_->open(QIODevice::ReadOnly);
    movie_ = std::make_unique<QMovie>(movieDevice_.get(), QByteArrayLiteral("gif"));
    // The pictures are small and loop for as long as a window is open: decode each frame once.
    movie_->setCacheMode(QMovie::CacheAll);
    connect(movie_.get(), &QMovie::frameChanged, this, [this] { update(); });
    // A file without a loop block plays once; the game's animations loop regardless.
    connect(movie_.get(), &QMovie::finished, this, &TImage::updatePlaying, Qt::QueuedConnection);
    updatePlaying();
}

void TImage::showSvg(std::unique_ptr<QSvgRenderer> renderer)
{
    clearPicture();
    svg_ = std::move(renderer);
}

void TImage::clearPicture()
{
    pending_ = false;
    logical_ = QSize();
    variantPath_.clear();
    if (prepared_.valid())
        prepared_ = {};  // waits for a decoding still under way
    movie_.reset();
    movieDevice_.reset();
    movieData_.clear();
    delays_.clear();
    svg_.reset();
    still_ = QImage();
    scale_ = 1;
}

void TImage::applyAutoSize()
{
    if (!autoSize_)
        return;
    const QSize size = pictureSize();
    if (!size.isEmpty())
        resize(size);
}

void TImage::updatePlaying()
{
    if (!movie_)
        return;
    if (isVisible()) {
        if (movie_->state() == QMovie::NotRunning)
            movie_->start();
        else if (movie_->state() == QMovie::Paused)
            movie_->setPaused(false);
    } else if (movie_->state() == QMovie::Running) {
        movie_->setPaused(true);
    }
}

void TImage::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void TImage::setAutoSize(bool on)
{
    autoSize_ = on;
    applyAutoSize();
}

void TImage::setTransparent(bool on)
{
    transparent_ = on;
    update();
}

void TImage::setCenter(bool on)
{
    center_ = on;
    update();
}

bool TImage::isAnimated() const
{
    decodePending();
    return movie_ != nullptr;
}

QList<int> TImage::frameDelays() const
{
    decodePending();
    return delays_;
}

bool TImage::isDecoded() const { return !still_.isNull() || movie_ || svg_; }

bool TImage::isPlaying() const { return movie_ && movie_->state() == QMovie::Running; }

QSize TImage::pictureSize() const
{
    if (!logical_.isValid())
        decodePending();  // an SVG has no header to read its size from
    return logical_.isValid() ? logical_ : QSize(0, 0);
}

QImage TImage::svgImage() const
{
    // Rendered in device pixels, so it is as sharp as the screen.
    const qreal dpr = devicePixelRatioF();
    QImage image((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg_->render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
    return image;
}

QImage TImage::currentImage() const
{
    decodePending();
    const_cast<TImage*>(this)->fitVariant();
    if (svg_)
        return svgImage();
    if (movie_) {
        QImage frame = movie_->currentImage();
        if (!frame.isNull()) {
            frame.setDevicePixelRatio(scale_);
            return frame;
        }
    }
    return still_;
}

void TImage::paintEvent(QPaintEvent*)
{
    decodePending();
    fitVariant();
    QPainter painter(this);
    if (svg_) {
        // Drawn straight from the shapes, as a metafile is: about a millisecond, and no copy of
        // its pixels kept (0.4 MB for the host, more on a scaled screen).
        if (!transparent_)
            painter.fillRect(rect(), palette().window());
        svg_->render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
        return;
    }
    QPixmap frame = movie_ ? movie_->currentPixmap() : QPixmap();
    frame.setDevicePixelRatio(scale_);
    const QSize size = frame.isNull() ? pictureSize() : frame.deviceIndependentSize().toSize();
    if (size.isEmpty())
        return;
    const QRect target = TargetRect(rect(), size, stretch_, center_);
    if (!transparent_)
        painter.fillRect(target, palette().window());
    if (frame.isNull() && !variantPath_.isEmpty() && still_.size() == devicePixels() &&
        still_.devicePixelRatio() == devicePixelRatioF()) {
        // Made for these device pixels: drawn 1:1 from a whole device pixel, unsmoothed.
        const QTransform device = painter.deviceTransform();
        const QPointF at = device.map(QPointF(target.topLeft()));
        painter.drawImage(device.inverted().map(QPointF(qRound(at.x()), qRound(at.y()))), still_);
        return;
    }
    // A picture drawn at another size than its pixels (stretched, or on a scaled screen) is
    // smoothed, never blocky.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (frame.isNull())
        painter.drawImage(target, still_);
    else
        painter.drawPixmap(target, frame);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    event->accept();  // so the release comes here too
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click: the picture has had its click already, so the
    // release that follows is not another one.
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    event->accept();
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && inside)
        zk::Guarded([&] { emit clicked(); });
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    zk::Guarded([&] { emit mouseMoved(); });
    event->accept();
}

void TImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
}

void TImage::PrepareVariant()
{
    if (!pending_ || prepared_.valid())
        return;
    const qreal dpr = devicePixelRatioF();
    for (const QString& name : VariantNames(picture_, dpr)) {
        if (name == picture_)
            return;
        if (!QFile::exists(name))
            continue;
        const QString ext = Extension(name);
        if (ext == QLatin1String("gif") || ext == QLatin1String("svg"))
            return;  // animations are set up when shown
        preparedScale_ = name.at(name.lastIndexOf(QLatin1Char('@')) + 1).digitValue();
        preparedPath_ = name;
        const QSize device = devicePixels();
        if (device.isEmpty())
            return;  // not laid out yet: decoded when shown
        prepared_ = std::async(std::launch::async, [name, ext, device, dpr]() -> QImage {
            try {
                QImage image = DecodeStill(ReadWhole(name, name), ext);
                if (image.size() != device)
                    image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                image.setDevicePixelRatio(dpr);
                return image;
            } catch (const zk::PictureError&) {
                return QImage();  // reported when shown, by the ordinary load
            }
        });
        return;
    }
}

void TImage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    decodePending();
    updatePlaying();
}

void TImage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    updatePlaying();
}
