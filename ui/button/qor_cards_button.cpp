#include "ui/button/qor_cards_button.h"

#include <QIcon>
#include <QPainter>

#include "ui/layout/rounding.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

// The pieces and offsets of a height range: up to 30, 31..45, over 45.
struct PieceSet {
    int base;           // the standard height of the range
    int e;              // end width at the standard height
    const char* size;   // picture name part: "29", "44", "59"
    int glyphOffset;    // glyph inset from the edge at the standard height
    int captionOffset;  // room beside the glyph for a left-aligned caption
    int dotOffset;      // focus dots' inset in shape "Q"
};

PieceSet pieceSetFor(int h) {
    if (h <= 30) return {30, 8, "29", 15, 25, 10};
    if (h <= 45) return {45, 13, "44", 18, 28, 13};
    return {60, 17, "59", 20, 30, 15};
}

int standardClass(int h) {
    return h == 30 ? 1 : (h == 45 ? 2 : (h == 60 ? 3 : 0));
}

QColor qcolor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QImage stretched(const QImage& piece, QSize size, bool smooth) {
    if (piece.isNull() || size.isEmpty()) return {};
    if (piece.size() == size) return piece;
    return piece.scaled(size, Qt::IgnoreAspectRatio,
                        smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
}

}  // namespace

QImage TransformedPiece(const QString& name, TColorSB colour, int kLight) {
    const QString key = QStringLiteral("button/") + name + '|' +
                        QString::number(static_cast<int>(colour)) + '|' + QString::number(kLight);
    return CachedPicture(key, [&] {
        QImage piece = ProgramPicture(name);
        if (piece.isNull()) return piece;
        piece = piece.convertToFormat(QImage::Format_ARGB32);
        const PieceKind kind = name.startsWith('Q') ? PieceKind::PictureQ : PieceKind::PictureR;
        for (int y = 0; y < piece.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(piece.scanLine(y));
            for (int x = 0; x < piece.width(); ++x) {
                const Rgb in{static_cast<std::uint8_t>(qRed(row[x])),
                             static_cast<std::uint8_t>(qGreen(row[x])),
                             static_cast<std::uint8_t>(qBlue(row[x]))};
                const Rgb out = TransformColour(in, colour, kLight, kind);
                row[x] = qRgba(out.r, out.g, out.b, qAlpha(row[x]));
            }
        }
        return piece;
    });
}

TQorCardsButton::TQorCardsButton(QWidget* parent) : QPushButton(parent) {
    resize(100, 30);
}

TQorCardsButton::TQorCardsButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    resize(100, 30);
}

void TQorCardsButton::setColorSB(TColorSB c) {
    if (c == colorSB_) return;
    colorSB_ = c;
    update();
}

void TQorCardsButton::setHeightSB(THeightSB h) {
    heightSB_ = h;
    resize(width(), h == THeightSB::D30 ? 30 : (h == THeightSB::D45 ? 45 : 60));
    update();
}

void TQorCardsButton::setKLightSB(int percent) {
    percent = std::clamp(percent, 0, 255);
    if (percent == kLight_) return;
    kLight_ = percent;
    update();
}

void TQorCardsButton::setNolt(bool on) {
    nolt_ = on;
    update();
}

TQorCardsButton::DrawState TQorCardsButton::currentState() const {
    return {isDown(), !isEnabled(), hasFocus()};
}

// Steps 1-6: the bar and the glyph, before the face is copied to the button.
QImage TQorCardsButton::workPicture() const {
    const int w = width(), h = height();
    QImage work(w, h, QImage::Format_ARGB32_Premultiplied);
    work.fill(Qt::transparent);
    if (w <= 0 || h <= 0) return work;
    const PieceSet set = pieceSetFor(h);
    const int s = standardClass(h);
    const int q = nearest(static_cast<long long>(set.e) * h, set.base);
    const QString prefix = QString(nolt_ ? 'Q' : 'R') + set.size + '_';
    QPainter p(&work);
    // The ends are resized smoothly at non-standard heights (with Smooth); the
    // middle slice is always plainly stretched.
    auto drawPiece = [&](const char* part, QRect target, bool smooth) {
        const QImage piece = TransformedPiece(prefix + part, colorSB_, kLight_);
        p.drawImage(target.topLeft(), stretched(piece, target.size(), smooth));
    };
    const bool smoothEnds = s == 0 && smooth_;
    drawPiece("L", QRect(0, 0, q, h - 1), smoothEnds);
    drawPiece("R", QRect(w - q - 1, 0, q, h - 1), smoothEnds);
    if (s == 0 || colorSB_ == TColorSB::DCards || nolt_) {
        drawPiece("2", QRect(q, 0, w - 2 * q, h - 1), false);
    } else {
        const auto rows = art::buttonGradient(h);
        for (int y = 0; y <= h - 2 && y < static_cast<int>(rows.size()); ++y) {
            const Rgb c = TransformColour(rows[static_cast<std::size_t>(y)], colorSB_, kLight_,
                                          PieceKind::Gradient);
            // From x = e up to the right end, which starts at w - e - 1.
            p.fillRect(QRect(set.e, y, w - 2 * set.e - 1, 1), qcolor(c));
        }
    }
    if (!icon().isNull()) {
        const QSize gs = iconSize();
        const QPixmap glyph = icon().pixmap(gs, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        const int offset = s == 0 ? nearest(16LL * q, 10) : set.glyphOffset;
        const int y = nearest(h - gs.height() - 1, 2);
        int x = offset;
        if (layout_ == GlyphLayout::Right) x = w - gs.width() - offset;
        if (layout_ == GlyphLayout::Centre) x = nearest(w - gs.width(), 2);
        p.drawPixmap(x, y, glyph);
    }
    return work;
}

void TQorCardsButton::paintFace(QPainter& p, DrawState state, bool emitDraw) {
    const int w = width(), h = height();
    const PieceSet set = pieceSetFor(h);
    const int s = standardClass(h);
    const int q = nearest(static_cast<long long>(set.e) * h, set.base);
    const int c = state.pressed ? 1 : 0;

    // 7. The face moves one pixel right and down while pressed.
    p.drawImage(QPoint(c, c), workPicture());

    // 8. The caption.
    QColor colour = fontColor_;
    if (lightFont_ && mouseInPos_) colour = colorMouse_;
    if (state.disabled) colour = grayDis_ ? QColor(192, 192, 192) : fontColor_;
    QRect captionRect = rect().translated(c, c);
    if (nolt_) captionRect.translate(0, -1);
    int align = Qt::AlignCenter;
    if (margin_ != -1 && !icon().isNull() && layout_ != GlyphLayout::Centre) {
        const int room =
            iconSize().width() + (s == 0 ? nearest(16LL * q, 10) + 10 : set.captionOffset);
        if (layout_ == GlyphLayout::Left)
            captionRect.setLeft(captionRect.left() + room);
        else
            captionRect.setRight(captionRect.right() - room);
        align = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (margin_ != -1) {
        align = Qt::AlignLeft | Qt::AlignVCenter;
    }
    p.setFont(font());
    p.setPen(colour);
    p.drawText(captionRect, align | Qt::TextSingleLine, text());

    // 9.
    if (emitDraw) emit drawButton(&p, rect(), state);

    // 10. The focus mark.
    if (!(state.focused && IsFocused() && kontur_)) return;
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!nolt_) {
        int dx = 0, dy = 0, corner = 0;
        if (h == 30) {
            dx = 7, dy = 4, corner = 7;
        } else if (h == 45) {
            dx = 9, dy = 5, corner = 9;
        } else if (h == 60) {
            dx = 11, dy = 6, corner = 11;
        } else {
            const int b = h <= 20 ? 3 : (h <= 30 ? 4 : (h <= 60 ? 5 : 6));
            dx = nearest(8LL * q, 10), dy = b, corner = 2 * b;
        }
        // The outline runs inside (c + dx, c + dy) - (w + c - dx, h + c - dy), the right
        // and bottom edges excluded.
        const QRect outline(c + dx, c + dy, w - 2 * dx - 1, h - 2 * dy - 1);
        p.setPen(qcolor(FocusOutlineColour(colorSB_)));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(outline, corner / 2.0, corner / 2.0);
    } else {
        const int g = h <= 20 ? 3 : (h <= 30 ? 4 : (h <= 45 ? 5 : (h <= 60 ? 6 : 7)));
        const int top = c + nearest(h - g, 2);
        const int inset = s == 0 ? q : set.dotOffset;
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(FocusDotColour(colorSB_)));
        p.drawEllipse(QRect(c + inset, top, g, g));
        p.drawEllipse(QRect(w - inset - g + c, top, g, g));
    }
}

QImage TQorCardsButton::RenderFace(DrawState state) {
    QImage out(size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    paintFace(p, state, false);
    return out;
}

void TQorCardsButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintFace(p, currentState(), true);
}

void TQorCardsButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    mouseInPos_ = true;
    update();
    emit mouseEntered();
}

void TQorCardsButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    mouseInPos_ = false;
    update();
    emit mouseLeft();
}

void TQorCardsButton::mousePressEvent(QMouseEvent* event) {
    QPushButton::mousePressEvent(event);
    update();
}

void TQorCardsButton::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
    update();
}

}  // namespace tavik::ui
