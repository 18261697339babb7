#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Picture decoding on bytes, free of widgets, so the picture control and the fuzz
// targets share one path. Every failure is a zk::PictureError with the decoder's own text.
namespace zk {

// A GIF as Qt's reader sees it after reading every frame.
struct GifInfo {
    QImage firstFrame;  // ARGB32; the transparent colour has alpha 0
    QList<int> delays;  // display time of each frame in milliseconds, as the reader reports it
    int loopCount = 0;  // the reader's loop count: -1 forever, 0 when the file has no loop block
    int frameCount() const { return int(delays.size()); }
};

// Reads every frame, because the animation player would otherwise play on over a damaged
// file. Throws with the reader's errorString() when no frame can be read, a frame fails,
// or the file stops inside a block.
GifInfo CheckGif(const QByteArray& bytes);

// The libjpeg decompressor: RGB888 for colour pictures, Grayscale8 for grey ones. Throws "JPEG error #N" with the
// library's msg_code.
QImage DecodeJpeg(const QByteArray& bytes);
QString JpegErrorText(int msgCode);
// The picture's size from its header alone; throws as DecodeJpeg does on a damaged header.
QSize JpegSize(const QByteArray& bytes);

}  // namespace zk
