#include "widgets/ButtonWithColor.h"

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <iterator>

namespace {

// The classic system colours, taken from the application palette rather than the
// button's own, so a window's text colours never leak into the bevels.
QColor SysColor(QPalette::ColorRole role) { return QGuiApplication::palette().color(QPalette::Active, role); }
QColor WindowFrameColor() { return SysColor(QPalette::WindowText); }
QColor BtnFaceColor() { return SysColor(QPalette::Button); }
QColor BtnShadowColor() { return SysColor(QPalette::Dark); }
QColor BtnHighlightColor() { return SysColor(QPalette::Light); }
QColor Light3DColor() { return SysColor(QPalette::Midlight); }
QColor DarkShadow3DColor() { return SysColor(QPalette::Shadow); }

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);

bool SameColour(QRgb a, QRgb b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

// A one-pixel outline that stays inside r, as the system draws a hollow rectangle.
void FrameRect(QPainter& p, const QRect& r, const QColor& colour)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

// One raised border: light on the top and left, dark on the bottom and right
// (the dark lines own the corners they share with the light ones).
void RaisedBorder(QPainter& p, const QRect& r, const QColor& light, const QColor& dark)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), light);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), light);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dark);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), dark);
}

// The system's raised 3-D edge: outer and inner raised borders, two pixels in all.
void DrawRaisedEdge(QPainter& p, const QRect& r)
{
    RaisedBorder(p, r, Light3DColor(), DarkShadow3DColor());
    RaisedBorder(p, r.adjusted(1, 1, -1, -1), BtnHighlightColor(), BtnShadowColor());
}

// A dotted focus rectangle: every other pixel inverted, so it shows on any face colour
// and over the caption alike.
void DrawFocusRect(QPainter& p, const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    QPolygon dots;
    const auto dot = [&dots](int x, int y) {
        if (((x + y) & 1) == 0)
            dots << QPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(QColor(kWhite), 1));
    p.drawPoints(dots);
    p.restore();
}

struct KindRow {
    bool isDefault;
    bool cancel;
    int modalResult;
};
using Kind = TBitBtnWithColor::TBitBtnWithColorKind;
constexpr KindRow kKindRows[] = {
    {false, false, TBitBtnWithColor::mrNone},  // bkCustom (unused)
    {true, false, TBitBtnWithColor::mrOk},  // bkOK
    {false, true, TBitBtnWithColor::mrCancel},  // bkCancel
    {false, false, TBitBtnWithColor::mrNone},  // bkHelp
    {true, false, TBitBtnWithColor::mrYes},  // bkYes
    {false, true, TBitBtnWithColor::mrNo},  // bkNo
    {false, false, TBitBtnWithColor::mrNone},  // bkClose
    {false, false, TBitBtnWithColor::mrAbort},  // bkAbort
    {false, false, TBitBtnWithColor::mrRetry},  // bkRetry
    {false, false, TBitBtnWithColor::mrIgnore},  // bkIgnore
    {false, false, TBitBtnWithColor::mrAll},  // bkAll
};
static_assert(std::size(kKindRows) == TBitBtnWithColor::bkAll + 1);

// The sixteen-colour set the kind glyphs are drawn in.
const QColor kOlive(128, 128, 0);
const QColor kGreen(0, 128, 0);
const QColor kLime(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kMaroon(128, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kPurple(128, 0, 128);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);

QPen GlyphPen(const QColor& colour, int width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void DrawCheck(QPainter& p, QPoint a, QPoint b, QPoint c, const QColor& colour, int width)
{
    p.setPen(GlyphPen(colour, width));
    const QPoint pts[] = {a, b, c};
    p.drawPolyline(pts, 3);
}

// The picture of a kind inside one cell; the cell's olive shows through.
void DrawKindShape(QPainter& p, Kind kind)
{
    p.setBrush(Qt::NoBrush);
    switch (kind) {
    case TBitBtnWithColor::bkOK: DrawCheck(p, {3, 9}, {7, 13}, {14, 4}, kGreen, 3); break;
    case TBitBtnWithColor::bkCancel:
        p.setPen(GlyphPen(kRed, 3));
        p.drawLine(4, 4, 13, 13);
        p.drawLine(13, 4, 4, 13);
        break;
    case TBitBtnWithColor::bkHelp:
        p.setPen(GlyphPen(kBlue, 2));
        p.drawArc(QRect(5, 2, 8, 7), 180 * 16, -270 * 16);
        p.drawLine(9, 9, 9, 11);
        p.fillRect(QRect(8, 13, 2, 2), kBlue);
        break;
    case TBitBtnWithColor::bkYes:
        DrawCheck(p, {2, 9}, {7, 14}, {15, 3}, kGreen, 3);
        DrawCheck(p, {2, 9}, {7, 14}, {15, 3}, kLime, 1);
        break;
    case TBitBtnWithColor::bkNo:
        p.setPen(GlyphPen(kRed, 2));
        p.drawEllipse(QRect(3, 3, 11, 11));
        p.drawLine(6, 6, 12, 12);
        break;
    case TBitBtnWithColor::bkClose: {
        p.fillRect(QRect(5, 2, 8, 14), kBlack);
        p.setPen(GlyphPen(kMaroon, 1));
        p.setBrush(kMaroon);
        const QPoint leaf[] = {{5, 2}, {10, 4}, {10, 16}, {5, 15}};
        p.drawPolygon(leaf, 4);
        p.fillRect(QRect(9, 9, 1, 2), kYellow);
        break;
    }
    case TBitBtnWithColor::bkAbort: {
        p.setPen(GlyphPen(kMaroon, 1));
        p.setBrush(kRed);
        const QPoint octagon[] = {{6, 2}, {11, 2}, {15, 6}, {15, 11}, {11, 15}, {6, 15}, {2, 11}, {2, 6}};
        p.drawPolygon(octagon, 8);
        p.fillRect(QRect(5, 8, 8, 2), QColor(kWhite));
        break;
    }
    case TBitBtnWithColor::bkRetry: {
        p.setPen(GlyphPen(kNavy, 2));
        p.drawArc(QRect(3, 3, 11, 11), 90 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kNavy);
        const QPoint head[] = {{11, 10}, {17, 10}, {14, 6}};
        p.drawPolygon(head, 3);
        break;
    }
    case TBitBtnWithColor::bkIgnore: {
        p.setPen(GlyphPen(kPurple, 2));
        p.drawArc(QRect(3, 4, 11, 12), 180 * 16, -180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kPurple);
        const QPoint head[] = {{11, 10}, {17, 10}, {14, 14}};
        p.drawPolygon(head, 3);
        p.fillRect(QRect(7, 12, 3, 5), kBlack);
        break;
    }
    case TBitBtnWithColor::bkAll:
        DrawCheck(p, {1, 9}, {4, 12}, {9, 5}, kGreen, 2);
        DrawCheck(p, {7, 11}, {10, 14}, {16, 6}, kGreen, 2);
        break;
    case TBitBtnWithColor::bkCustom: break;
    }
}

// Two images side by side: the picture, and its disabled look (the silhouette in grey
// over a white copy one pixel lower right; white parts of the picture stay holes), on
// olive, the transparent colour.
QImage MakeKindGlyph(Kind kind)
{
    const int cell = 18;
    const int height = kind == TBitBtnWithColor::bkAll ? 19 : 18;
    QImage picture(cell, height, QImage::Format_RGB32);
    picture.fill(kOlive);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing, false);
        DrawKindShape(p, kind);
    }
    QImage bitmap(2 * cell, height, QImage::Format_RGB32);
    bitmap.fill(kOlive);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < cell; ++x)
            bitmap.setPixel(x, y, picture.pixel(x, y));
    const auto silhouette = [&](int dx, int dy, QRgb colour) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < cell; ++x)
                if (!SameColour(picture.pixel(x, y), kOlive.rgb()) && !SameColour(picture.pixel(x, y), kWhite) &&
                    x + dx < cell && y + dy < height)
                    bitmap.setPixel(cell + x + dx, y + dy, colour);
    };
    silhouette(1, 1, kWhite);
    silhouette(0, 0, kGrey);
    return bitmap;
}

TGlyphCache* gGlyphCache = nullptr;

}  // namespace

// ---------------------------------------------------------------------------------------
// TGlyphList

TGlyphList::TGlyphList(int width, int height) : width_(width), height_(height) {}

int TGlyphList::AllocateIndex()
{
    const auto free = std::find(used_.begin(), used_.end(), false);
    const int index = int(free - used_.begin());
    if (free == used_.end()) {
        used_.push_back(true);
        images_.emplace_back();
    } else {
        *free = true;
    }
    ++count_;
    return index;
}

int TGlyphList::Store(const QImage& image)
{
    const int index = AllocateIndex();
    images_[index] = image;
    return index;
}

int TGlyphList::Add(const QImage& image) { return Store(image.convertToFormat(QImage::Format_RGB32)); }

int TGlyphList::AddMasked(const QImage& image, QRgb transparent)
{
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if (SameColour(line[x], transparent))
                line[x] = 0;
    }
    return Store(masked);
}

void TGlyphList::Delete(int index)
{
    if (!IsUsed(index))
        return;
    used_[index] = false;
    images_[index] = QImage();
    --count_;
}

bool TGlyphList::IsUsed(int index) const { return index >= 0 && index < int(used_.size()) && used_[index]; }

QImage TGlyphList::Image(int index) const { return IsUsed(index) ? images_[index] : QImage(); }

void TGlyphList::Draw(QPainter& painter, int index, QPoint at) const
{
    if (IsUsed(index))
        painter.drawImage(at, images_[index]);
}

// ---------------------------------------------------------------------------------------
// TGlyphCache

TGlyphCache* TGlyphCache::Instance() { return gGlyphCache; }

TGlyphCache& TGlyphCache::Acquire()
{
    if (!gGlyphCache)
        gGlyphCache = new TGlyphCache;
    return *gGlyphCache;
}

TGlyphList* TGlyphCache::GetList(int width, int height)
{
    for (auto it = lists_.rbegin(); it != lists_.rend(); ++it)
        if ((*it)->width() == width && (*it)->height() == height)
            return it->get();
    lists_.push_back(std::make_unique<TGlyphList>(width, height));
    return lists_.back().get();
}

void TGlyphCache::ReturnList(TGlyphList* list)
{
    if (!list || list->Count() != 0)
        return;
    const auto it = std::find_if(lists_.begin(), lists_.end(), [list](const auto& l) { return l.get() == list; });
    if (it != lists_.end())
        lists_.erase(it);
}

// ---------------------------------------------------------------------------------------
// TButtonGlyph

TButtonGlyph::TButtonGlyph() { TGlyphCache::Acquire(); }

TButtonGlyph::~TButtonGlyph()
{
    Invalidate();
    if (gGlyphCache && gGlyphCache->Empty()) {
        delete gGlyphCache;
        gGlyphCache = nullptr;
    }
}

void TButtonGlyph::Changed()
{
    if (OnChange)
        OnChange();
}

void TButtonGlyph::SetGlyph(const QImage& bitmap)
{
    Invalidate();
    original_ = bitmap;
    if (bitmap.height() > 0) {
        transparent_ = bitmap.pixel(0, bitmap.height() - 1);
        if (bitmap.width() % bitmap.height() == 0) {
            const int count = bitmap.width() / bitmap.height();
            SetNumGlyphs(count > 4 ? 1 : count);
        }
    }
    Changed();
}

void TButtonGlyph::SetNumGlyphs(int count)
{
    // A count of 0 would make the image width a division by zero.
    if (count == numGlyphs_ || count < 1)
        return;
    Invalidate();
    numGlyphs_ = count;
    Changed();
}

QSize TButtonGlyph::GlyphSize() const
{
    if (original_.isNull() || original_.height() == 0)
        return QSize(0, 0);
    return QSize(original_.width() / numGlyphs_, original_.height());
}

void TButtonGlyph::Invalidate()
{
    for (int& index : indexes_) {
        if (index != -1 && list_)
            list_->Delete(index);
        index = -1;
    }
    if (list_ && gGlyphCache)
        gGlyphCache->ReturnList(list_);
    list_ = nullptr;
}

int TButtonGlyph::CreateButtonGlyph(TButtonState state, const QColor& face)
{
    if (state == bsDown && numGlyphs_ < 3)
        state = bsUp;
    if (indexes_[state] != -1)
        return indexes_[state];
    const QSize size = GlyphSize();
    if (size.width() <= 0 || size.height() <= 0)
        return -1;
    if (!list_)
        list_ = TGlyphCache::Acquire().GetList(size.width(), size.height());

    const int source = int(state) < numGlyphs_ ? int(state) : 0;
    const QImage image = original_.copy(source * size.width(), 0, size.width(), size.height());
    if (state == bsExclusive)
        return indexes_[state] = list_->AddMasked(image, transparent_);

    // The picture with its transparent colour cut out, laid on the face colour.
    QImage cut = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cut.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(cut.scanLine(y));
        for (int x = 0; x < cut.width(); ++x)
            if (SameColour(line[x], transparent_))
                line[x] = 0;
    }
    QImage result(size, QImage::Format_RGB32);
    result.fill(face);
    QPainter p(&result);
    if (state == bsDisabled && numGlyphs_ > 1) {
        // The bitmap's own disabled image, its white and grey turned into the system's bevel colours.
        const QRgb highlight = BtnHighlightColor().rgb();
        const QRgb shadow = BtnShadowColor().rgb();
        for (int y = 0; y < cut.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(cut.scanLine(y));
            for (int x = 0; x < cut.width(); ++x) {
                if (qAlpha(line[x]) == 0)
                    continue;
                if (SameColour(line[x], kWhite))
                    line[x] = highlight;
                else if (SameColour(line[x], kGrey))
                    line[x] = shadow;
            }
        }
        p.drawImage(0, 0, cut);
    } else if (state == bsDisabled) {
        // Made up from the picture: its shape (every pixel neither transparent nor white)
        // embossed in the bevel colours.
        QImage shape(size, QImage::Format_ARGB32);
        shape.fill(Qt::transparent);
        for (int y = 0; y < cut.height(); ++y)
            for (int x = 0; x < cut.width(); ++x)
                if (qAlpha(cut.pixel(x, y)) != 0 && !SameColour(cut.pixel(x, y), kWhite))
                    shape.setPixel(x, y, 0xFF000000);
        const auto paintShape = [&](QPoint at, const QColor& colour) {
            QImage tinted = shape;
            QPainter t(&tinted);
            t.setCompositionMode(QPainter::CompositionMode_SourceIn);
            t.fillRect(tinted.rect(), colour);
            t.end();
            p.drawImage(at, tinted);
        };
        paintShape(QPoint(1, 1), BtnHighlightColor());
        paintShape(QPoint(0, 0), BtnShadowColor());
    } else {
        p.drawImage(0, 0, cut);
    }
    p.end();
    return indexes_[state] = list_->Add(result);
}

void TButtonGlyph::DrawGlyph(QPainter& painter, QPoint at, TButtonState state, const QColor& face)
{
    if (original_.isNull())
        return;
    const int index = CreateButtonGlyph(state, face);
    if (index >= 0 && list_)
        list_->Draw(painter, index, at);
}

QRect TButtonGlyph::Draw(QPainter& painter, const QRect& client, const QString& caption,
                         TBitBtnWithColor::TButtonLayout layout, int margin, int spacing, TButtonState state,
                         const QColor& face, const QColor& textColor)
{
    QSize textSize(0, 0);
    if (!caption.isEmpty()) {
        // Measured as the system measures: word-wrapped lines of the font's height, no
        // leading, so a one-line caption is exactly as high as the font.
        const QFontMetrics fm = painter.fontMetrics();
        const QRect wrapped =
            fm.boundingRect(QRect(0, 0, client.width(), 0), Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
        const int lines = std::max(1, qRound(double(wrapped.height()) / fm.lineSpacing()));
        textSize = QSize(wrapped.width(), lines * fm.height());
    }
    const TButtonPlacement place = CalcButtonLayout(client, GlyphSize(), textSize, layout, margin, spacing);
    DrawGlyph(painter, place.glyphPos, state, face);

    if (!caption.isEmpty()) {
        painter.save();
        painter.setBackgroundMode(Qt::TransparentMode);
        if (state == bsDisabled) {
            // Grey over a white copy reads as engraved, whatever the caption's own colour.
            const int plain = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
            painter.setPen(QColor(kWhite));
            painter.drawText(place.textBounds.translated(1, 1), plain, caption);
            painter.setPen(QColor(kGrey));
            painter.drawText(place.textBounds, plain, caption);
        } else {
            painter.setPen(textColor);
            painter.drawText(place.textBounds, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
        }
        painter.restore();
    }
    return place.textBounds;
}

TButtonPlacement CalcButtonLayout(const QRect& client, QSize glyphSize, QSize textSize,
                                  TBitBtnWithColor::TButtonLayout layout, int margin, int spacing)
{
    const int clientW = client.width();
    const int clientH = client.height();
    const bool sideways = layout == TBitBtnWithColor::blGlyphLeft || layout == TBitBtnWithColor::blGlyphRight;
    QPoint glyphPos(0, 0);
    QPoint textPos(0, 0);
    // Across the layout's axis both parts are centred.
    if (sideways) {
        glyphPos.setY((clientH - glyphSize.height() + 1) / 2);
        textPos.setY((clientH - textSize.height() + 1) / 2);
    } else {
        glyphPos.setX((clientW - glyphSize.width() + 1) / 2);
        textPos.setX((clientW - textSize.width() + 1) / 2);
    }
    if (textSize.width() == 0 || glyphSize.width() == 0)
        spacing = 0;

    const int extent = sideways ? clientW : clientH;
    const int glyphExtent = sideways ? glyphSize.width() : glyphSize.height();
    const int textExtent = sideways ? textSize.width() : textSize.height();
    if (margin == -1) {
        if (spacing == -1) {
            margin = (extent - (glyphExtent + textExtent)) / 3;
            spacing = margin;
        } else {
            margin = (extent - (glyphExtent + spacing + textExtent) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (extent - (margin + glyphExtent) - textExtent) / 2;
    }

    switch (layout) {
    case TBitBtnWithColor::blGlyphLeft:
        glyphPos.setX(margin);
        textPos.setX(glyphPos.x() + glyphSize.width() + spacing);
        break;
    case TBitBtnWithColor::blGlyphRight:
        glyphPos.setX(clientW - margin - glyphSize.width());
        textPos.setX(glyphPos.x() - spacing - textSize.width());
        break;
    case TBitBtnWithColor::blGlyphTop:
        glyphPos.setY(margin);
        textPos.setY(glyphPos.y() + glyphSize.height() + spacing);
        break;
    case TBitBtnWithColor::blGlyphBottom:
        glyphPos.setY(clientH - margin - glyphSize.height());
        textPos.setY(glyphPos.y() - spacing - textSize.height());
        break;
    }
    return {glyphPos + client.topLeft(), QRect(textPos + client.topLeft(), textSize)};
}

// ---------------------------------------------------------------------------------------
// TBitBtnWithColor

TBitBtnWithColor::TBitBtnWithColor(QWidget* parent)
    : QPushButton(parent), color_(BtnFaceColor()), glyph_(std::make_unique<TButtonGlyph>())
{
    glyph_->OnChange = [this] { update(); };
    // Enter presses the focused button in every window, not only in dialogs.
    setAutoDefault(true);
    // Connected first, so the dialog's result is set before the click handlers run.
    connect(this, &QAbstractButton::clicked, this, &TBitBtnWithColor::HandleClick);
    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

TBitBtnWithColor::~TBitBtnWithColor()
{
    // A focused button hands its focus on while QWidget takes it down, and by then this
    // part of it is gone; the connection would only go later, with the QObject.
    disconnect(focusWatch_);
}

void TBitBtnWithColor::setColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    // Assigning the glyph again drops the state images built on the old face.
    ApplyGlyph(glyph_->Glyph());
}

QColor TBitBtnWithColor::fontColor() const { return palette().color(QPalette::Active, QPalette::ButtonText); }

void TBitBtnWithColor::setFontColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, color);
    setPalette(pal);
}

void TBitBtnWithColor::ApplyGlyph(const QImage& glyph)
{
    glyph_->SetGlyph(glyph);
    modifiedGlyph_ = true;
    update();
}

QPixmap TBitBtnWithColor::glyph() const { return QPixmap::fromImage(glyph_->Glyph()); }

void TBitBtnWithColor::setGlyph(const QPixmap& glyph) { ApplyGlyph(glyph.toImage()); }

void TBitBtnWithColor::setGlyphImage(const QImage& glyph) { ApplyGlyph(glyph); }

int TBitBtnWithColor::numGlyphs() const { return glyph_->NumGlyphs(); }

void TBitBtnWithColor::setNumGlyphs(int count)
{
    count = std::clamp(count, 1, 4);
    if (count == glyph_->NumGlyphs())
        return;
    glyph_->SetNumGlyphs(count);
    update();
}

TBitBtnWithColor::TBitBtnWithColorKind TBitBtnWithColor::kind() const
{
    if (kind_ != bkCustom) {
        const KindRow& row = kKindRows[kind_];
        if (default_ != row.isDefault || cancel_ != row.cancel || modalResult_ != row.modalResult || modifiedGlyph_)
            kind_ = bkCustom;
    }
    return kind_;
}

void TBitBtnWithColor::setKind(TBitBtnWithColorKind kind)
{
    if (kind == this->kind())
        return;
    if (kind != bkCustom) {
        const KindRow& row = kKindRows[kind];
        setDefault(row.isDefault);
        setCancel(row.cancel);
        // A design's own caption still wins: uic sets texts after every other property.
        setText(KindCaption(kind));
        setModalResult(row.modalResult);
        glyph_->SetGlyph(KindGlyph(kind));
        setNumGlyphs(2);
        modifiedGlyph_ = false;
    }
    kind_ = kind;
    update();
}

void TBitBtnWithColor::setLayout(TButtonLayout layout)
{
    if (layout == layout_)
        return;
    layout_ = layout;
    update();
}

void TBitBtnWithColor::setStyle(TButtonStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    update();
}

void TBitBtnWithColor::setMargin(int margin)
{
    if (margin == margin_ || margin < -1)
        return;
    margin_ = margin;
    update();
}

void TBitBtnWithColor::setSpacing(int spacing)
{
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    update();
}

void TBitBtnWithColor::setModalResult(int result) { modalResult_ = result; }

void TBitBtnWithColor::setDefault(bool on)
{
    default_ = on;
    QPushButton::setDefault(on);
    // The active flag follows at once, as if the focus had just moved where it is.
    FocusChanged(window()->focusWidget());
    if (!window()->focusWidget())
        SetActive(default_);
}

void TBitBtnWithColor::setCancel(bool on)
{
    cancel_ = on;
    if (on && !cancelKey_) {
        cancelKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        cancelKey_->setContext(Qt::WindowShortcut);
        connect(cancelKey_, &QShortcut::activated, this, [this] {
            if (cancel_ && isVisible() && isEnabled())
                click();
        });
    }
    if (cancelKey_)
        cancelKey_->setEnabled(on);
}

void TBitBtnWithColor::FocusChanged(QWidget* now)
{
    if (!now || now->window() != window())
        return;
    if (now == this)
        SetActive(true);
    else if (qobject_cast<QPushButton*>(now))
        SetActive(false);
    else
        SetActive(default_);
}

void TBitBtnWithColor::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    repaint();
}

void TBitBtnWithColor::HandleClick()
{
    QWidget* form = window();
    if (kind() == bkClose && form != this) {
        form->close();
        return;
    }
    // Widgets carry no help contexts, so a help button always ends in the plain click.
    auto* dialog = qobject_cast<QDialog*>(form);
    if (modalResult_ == mrNone || !dialog || !dialog->isModal())
        return;
    dialog->setResult(modalResult_);
    // Like a modal form, the dialog ends once the click has been handled, unless a
    // click handler took the result back.
    QPointer<QDialog> guard(dialog);
    QTimer::singleShot(0, dialog, [guard] {
        if (guard && guard->isVisible() && guard->result() != mrNone)
            guard->done(guard->result());
    });
}

void TBitBtnWithColor::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a fast double click is a press too, so it clicks again.
    if (event->button() == Qt::LeftButton)
        mousePressEvent(event);
    else
        QPushButton::mouseDoubleClickEvent(event);
}

void TBitBtnWithColor::showEvent(QShowEvent* event)
{
    QPushButton::showEvent(event);
    // Built ahead, so the first paint does not have to.
    glyph_->CreateButtonGlyph(isEnabled() ? bsUp : bsDisabled, color_);
}

void TBitBtnWithColor::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect client = rect();
    QRect r = client;
    const bool pressed = isDown();
    const bool focused = hasFocus();
    const TButtonState state = !isEnabled() ? bsDisabled : pressed ? bsDown : bsUp;

    if (active_ || focused) {
        FrameRect(p, r, WindowFrameColor());
        r.adjust(1, 1, -1, -1);
    }
    if (pressed) {
        FrameRect(p, r, BtnShadowColor());
        p.fillRect(r.adjusted(1, 1, -1, -1), color_);
    } else {
        DrawRaisedEdge(p, r);
        r.adjust(2, 2, -2, -2);
        p.fillRect(r, color_);
    }
    r.adjust(1, 1, -1, -1);
    if (active_)
        r = client.adjusted(1, 1, -1, -1);

    p.setFont(font());
    if (pressed)
        r.translate(1, 1);
    glyph_->Draw(p, r, text(), layout_, margin_, spacing_, state, color_, fontColor());

    if (active_)
        DrawFocusRect(p, client.adjusted(4, 4, -4, -4));
}

QString TBitBtnWithColor::KindCaption(TBitBtnWithColorKind kind)
{
    switch (kind) {
    case bkOK: return QStringLiteral("OK");
    case bkCancel: return QStringLiteral("Отмена");
    case bkHelp: return QStringLiteral("&Справка");
    case bkYes: return QStringLiteral("&Да");
    case bkNo: return QStringLiteral("&Нет");
    case bkClose: return QStringLiteral("&Закрыть");
    case bkAbort: return QStringLiteral("Прервать");
    case bkRetry: return QStringLiteral("&Повторить");
    case bkIgnore: return QStringLiteral("&Пропустить");
    case bkAll: return QStringLiteral("&Все");
    case bkCustom: break;
    }
    return QString();
}

const QImage& TBitBtnWithColor::KindGlyph(TBitBtnWithColorKind kind)
{
    static std::array<QImage, bkAll + 1> table;
    QImage& entry = table[kind];
    if (entry.isNull() && kind != bkCustom)
        entry = MakeKindGlyph(kind);
    return entry;
}
