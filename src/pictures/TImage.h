#pragma once
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <future>
#include <memory>

class QBuffer;
class QMovie;
class QSvgRenderer;

// The picture control of every window: shows a still picture or a looping GIF
// animation, loaded from a game data file ("Graph\otvet.gif", JPEG via libjpeg)
// or from the pictures stored in the window designs (":/img/...", set in the .ui).
// An animation plays only while the control is visible, and a design picture is decoded only
// once it is needed: the window instances made at start-up are never shown and must not
// spend time or memory on them.
// On a screen scaled above 1, a still variant ("@2x") is kept scaled to the device pixels it
// is drawn at, not at its own size, and drawn 1:1.
class TImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool center READ center WRITE setCenter)

public:
    explicit TImage(QWidget* parent = nullptr);
    ~TImage() override;

    // Loads a data file by the game's name for it; the extension chooses the decoder.
    // Throws zk::PictureError: "Cannot open file <name>" for a missing file, the
    // decoder's own message for a damaged one. The old picture stays on failure.
    // On a screen scaled above 1 the sharper variant beside the file ("Graph\otvet@2x.gif")
    // is taken when there is one; a damaged variant is reported in the error box and the
    // picture itself shown instead.
    void LoadFromFile(const QString& gameName);
    // The game name of the last file loaded (empty for a design picture).
    QString fileName() const { return fileName_; }

    // A design picture from the resources (":/img/main_ladder.png"); SVG is rendered at the control's size.
    // It is set from generated ui code inside constructors, so a picture that cannot be
    // read is a warning and leaves the control as it was instead of throwing. Only its
    // header is read here; it is decoded when the control is shown or painted, or its
    // frames are asked for (a picture damaged past its header is the warning then).
    QString picture() const { return picture_; }
    void setPicture(const QString& resource);

    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    // Transparent: the picture's transparent pixels show whatever lies behind the control.
    // Opaque: they show the control's window colour, as a bitmap would.
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    bool center() const { return center_; }
    void setCenter(bool on);

    // Starts decoding the sharper variant of the design picture in the background, so that
    // showing the control first does not wait for it (the main window does this before the splash).
    void PrepareVariant();

    // The names to try for a picture on a screen of the given device pixel ratio, best first,
    // the picture's own name last: "otvet@2x.gif" for 1.5 or 2, "@3x" above 2 (then "@2x").
    static QStringList VariantNames(const QString& name, qreal devicePixelRatio);
    // How many device pixels per logical pixel the picture shown was made for (1, 2 or 3).
    int variantScale() const { return scale_; }

    bool isAnimated() const;
    // Whether decoded pixels (or an animation, or a vector drawing) are held; false for a
    // design picture still waiting to be needed.
    bool isDecoded() const;
    // True while the animation's timer runs (animated, visible, not destroyed).
    bool isPlaying() const;
    // Frame delays in milliseconds of the animation loaded (empty for a still picture).
    QList<int> frameDelays() const;
    // The natural size of the picture in logical pixels, whichever variant is shown (0 x 0 when empty).
    QSize pictureSize() const;
    // The current frame as drawn, before stretching or centring (an SVG at the control's size),
    // for tests and screenshots.
    QImage currentImage() const;

signals:
    // A left button pressed and released inside the control; a double click is one click.
    void clicked();
    // The mouse moved over the control (tracked without a button held, for the hint line).
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Decodes first and changes nothing until that succeeded, so a failed load keeps the old picture.
    void showBytes(const QByteArray& bytes, const QString& extension, int scale = 1);
    // A file or a design picture (":/img/..."), made for `scale` device pixels per logical pixel.
    void showFile(const QString& path, const QString& name, int scale);
    // Shows the best variant of `name` that can be read; false when only the picture itself is left.
    // A variant that is there but cannot be decoded goes to `damaged`.
    bool showVariant(const QString& name, const std::function<QString(const QString&)>& locate,
                     const std::function<void(const QString&)>& damaged);
    void showStill(const QImage& image);
    void showMovie(const QByteArray& gif, const QImage& firstFrame, const QList<int>& delays);
    void showSvg(std::unique_ptr<QSvgRenderer> renderer);
    void clearPicture();
    // Decodes the design picture waiting (its variant on a scaled screen); const callers
    // only make the picture they were asked for.
    void decodePending();
    void decodePending() const { const_cast<TImage*>(this)->decodePending(); }
    // The device pixels the picture covers at the current ratio and geometry.
    QSize devicePixels() const;
    // Makes the kept variant the size of devicePixels(), from `decoded` or else from its file again.
    void fitVariant(const QImage& decoded = QImage());
    void applyAutoSize();
    void updatePlaying();
    QImage svgImage() const;

    QString fileName_;
    QString picture_;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool transparent_ = false;
    bool center_ = false;
    bool pressed_ = false;
    int scale_ = 1;
    bool pending_ = false;  // picture_ is set but not decoded
    QSize logical_;  // the picture's size in logical pixels
    QString variantPath_;  // the still variant behind still_, when it is kept scaled
    std::future<QImage> prepared_;
    int preparedScale_ = 1;
    QString preparedPath_;
    QImage still_;
    std::unique_ptr<QSvgRenderer> svg_;
    QByteArray movieData_;
    std::unique_ptr<QBuffer> movieDevice_;
    std::unique_ptr<QMovie> movie_;
    QList<int> delays_;
};
