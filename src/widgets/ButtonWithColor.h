#pragma once
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QShortcut;

// The four looks a glyph bitmap can hold, in the order of its images.
enum TButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };

// An image list of one image size. Released slots are reused before the list grows,
// so buttons that come and go do not make it grow for ever.
class TGlyphList {
public:
    TGlyphList(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // Adds an opaque image; returns its slot.
    int Add(const QImage& image);
    // Adds an image whose pixels of the given colour become see-through; returns its slot.
    int AddMasked(const QImage& image, QRgb transparent);
    void Delete(int index);
    // Used slots.
    int Count() const { return count_; }
    // Slots allocated so far, used or not.
    int Capacity() const { return int(used_.size()); }
    bool IsUsed(int index) const;
    QImage Image(int index) const;
    void Draw(QPainter& painter, int index, QPoint at) const;

private:
    int AllocateIndex();
    int Store(const QImage& image);

    int width_;
    int height_;
    std::vector<QImage> images_;
    std::vector<bool> used_;
    int count_ = 0;
};

// All image lists of the program's glyphs; buttons with glyphs of one size share a list.
// There is at most one; it exists while some glyph object needs it.
class TGlyphCache {
public:
    // The program's cache, or nullptr while there is none.
    static TGlyphCache* Instance();
    // The program's cache, made when there is none.
    static TGlyphCache& Acquire();

    // The newest list of this image size, or a new one.
    TGlyphList* GetList(int width, int height);
    // A list whose last image went is removed and freed.
    void ReturnList(TGlyphList* list);
    bool Empty() const { return lists_.empty(); }
    int ListCount() const { return int(lists_.size()); }

private:
    TGlyphCache() = default;
    friend class TButtonGlyph;
    std::vector<std::unique_ptr<TGlyphList>> lists_;
};

class TButtonGlyph;

// The push button of every game window: it paints itself, so its face can take any
// colour (every game button is black with a coloured bold caption), with an optional
// glyph picture beside the caption.
class TBitBtnWithColor : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(TBitBtnWithColorKind Kind READ kind WRITE setKind)
    Q_PROPERTY(TButtonLayout Layout READ buttonLayout WRITE setLayout)
    Q_PROPERTY(TButtonStyle Style READ buttonStyle WRITE setStyle)
    Q_PROPERTY(int Margin READ margin WRITE setMargin)
    Q_PROPERTY(int Spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(int NumGlyphs READ numGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(QPixmap Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(int ModalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool Cancel READ isCancel WRITE setCancel)

public:
    enum TBitBtnWithColorKind {
        bkCustom,
        bkOK,
        bkCancel,
        bkHelp,
        bkYes,
        bkNo,
        bkClose,
        bkAbort,
        bkRetry,
        bkIgnore,
        bkAll
    };
    Q_ENUM(TBitBtnWithColorKind)
    enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    Q_ENUM(TButtonLayout)
    enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
    Q_ENUM(TButtonStyle)

    // Dialog results a kind sets (the values of the classic modal results).
    enum { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8 };

    explicit TBitBtnWithColor(QWidget* parent = nullptr);
    ~TBitBtnWithColor() override;

    // The face colour; by default the application's button face.
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    // The caption colour: the button's ButtonText (a palette or style sheet set in the
    // design works as well).
    QColor fontColor() const;
    void setFontColor(const QColor& color);

    // A standard kind reads back as such only while nothing set by it was changed since.
    TBitBtnWithColorKind kind() const;
    void setKind(TBitBtnWithColorKind kind);

    TButtonLayout buttonLayout() const { return layout_; }
    using QWidget::setLayout;
    void setLayout(TButtonLayout layout);
    // Kept for the designs; the painting does not depend on it.
    TButtonStyle buttonStyle() const { return style_; }
    using QWidget::setStyle;
    void setStyle(TButtonStyle style);
    // Pixels from the edge to the glyph; -1 centres glyph and caption together.
    int margin() const { return margin_; }
    void setMargin(int margin);
    // Pixels between glyph and caption; -1 shares the free room out evenly.
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);
    // Images in the glyph bitmap (up, disabled, down, exclusive), 1..4.
    int numGlyphs() const;
    void setNumGlyphs(int count);
    QPixmap glyph() const;
    void setGlyph(const QPixmap& glyph);
    void setGlyphImage(const QImage& glyph);

    // The result a modal dialog ends with when the button is clicked (0: none).
    int modalResult() const { return modalResult_; }
    void setModalResult(int result);
    // The design's Default flag. QDialog moves QPushButton's own default mark to
    // whichever button has the focus, so the design's flag is kept apart from it
    // (seen through a QPushButton pointer, isDefault() is Qt's mark).
    bool isDefault() const { return default_; }
    void setDefault(bool on);
    // Escape clicks a Cancel button of the window.
    bool isCancel() const { return cancel_; }
    void setCancel(bool on);

    // The button that Enter would press: this one has the focus, or no other button
    // has it and this one is the window's default.
    bool isActive() const { return active_; }

    TButtonGlyph& glyphObject() const { return *glyph_; }

    // Caption texts that the standard kinds set.
    static QString KindCaption(TBitBtnWithColorKind kind);
    // The kind's glyph bitmap (two images side by side, normal and disabled); made on
    // first use and kept until the program ends. Null for bkCustom.
    static const QImage& KindGlyph(TBitBtnWithColorKind kind);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void HandleClick();
    void FocusChanged(QWidget* now);
    void SetActive(bool active);
    void ApplyGlyph(const QImage& glyph);

    QColor color_;
    std::unique_ptr<TButtonGlyph> glyph_;
    TButtonStyle style_ = bsAutoDetect;
    mutable TBitBtnWithColorKind kind_ = bkCustom;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
    int margin_ = -1;
    bool active_ = false;
    bool modifiedGlyph_ = false;
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    QShortcut* cancelKey_ = nullptr;
    QMetaObject::Connection focusWatch_;
};

// Where glyph and caption go inside a rectangle.
struct TButtonPlacement {
    QPoint glyphPos;
    QRect textBounds;
};
TButtonPlacement CalcButtonLayout(const QRect& client, QSize glyphSize, QSize textSize,
                                  TBitBtnWithColor::TButtonLayout layout, int margin, int spacing);

// The glyph of one button: the bitmap it was given and the state images built from it,
// kept in a shared image list until the bitmap, its image count or the face colour changes.
class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    const QImage& Glyph() const { return original_; }
    // Takes a private copy; the bottom-left pixel gives the transparent colour, and a
    // bitmap whose width is a multiple of its height gives the image count.
    void SetGlyph(const QImage& bitmap);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    QRgb TransparentColor() const { return transparent_; }
    QSize GlyphSize() const;

    // Releases the built state images (and the list, when it was their last user).
    void Invalidate();
    // The slot of the state's image in GlyphList(), built on first use; -1 without a bitmap.
    int CreateButtonGlyph(TButtonState state, const QColor& face);
    int ImageIndex(TButtonState state) const { return indexes_[state]; }
    TGlyphList* GlyphList() const { return list_; }

    // Lays out glyph and caption in client and draws them; returns the caption's bounds.
    QRect Draw(QPainter& painter, const QRect& client, const QString& caption, TBitBtnWithColor::TButtonLayout layout,
               int margin, int spacing, TButtonState state, const QColor& face, const QColor& textColor);

    // Called whenever the glyph changes, so the owner can repaint.
    std::function<void()> OnChange;

private:
    void Changed();
    void DrawGlyph(QPainter& painter, QPoint at, TButtonState state, const QColor& face);

    QImage original_;
    TGlyphList* list_ = nullptr;
    std::array<int, 4> indexes_{-1, -1, -1, -1};
    QRgb transparent_ = qRgb(128, 128, 0);
    int numGlyphs_ = 1;
};
