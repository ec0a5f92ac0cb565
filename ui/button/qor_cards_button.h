#pragma once
// TQorCardsButton: the owner-drawn button of every window. A glossy rounded bar (or,
// with Nolt, a flat-ended one) in one of eight colours, made from three small red
// pictures and a red gradient by a colour transform, with an optional glyph, a
// centred caption, a focus mark and a mouse-over caption colour. Its look does not
// depend on the platform's button style.

#include <QColor>
#include <QImage>
#include <QPushButton>

#include "ui/button/button_colours.h"

class QPainter;

namespace tavik::ui {

class TQorCardsButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor ColorMouse READ ColorMouse WRITE setColorMouse)
    Q_PROPERTY(bool LightFont READ LightFont WRITE setLightFont)
    Q_PROPERTY(bool GrayDis READ GrayDis WRITE setGrayDis)
    Q_PROPERTY(int KLightSB READ KLightSB WRITE setKLightSB)
    Q_PROPERTY(bool Kontur READ Kontur WRITE setKontur)
    Q_PROPERTY(bool Smooth READ Smooth WRITE setSmooth)
    Q_PROPERTY(bool Nolt READ Nolt WRITE setNolt)
    Q_PROPERTY(int Margin READ Margin WRITE setMargin)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)

  public:
    // Where the glyph sits: left of the caption, right of it, or centred on the button.
    enum class GlyphLayout { Left, Right, Centre };
    // The item state the painting is done for.
    struct DrawState {
        bool pressed = false;
        bool disabled = false;
        bool focused = false;
    };

    explicit TQorCardsButton(QWidget* parent = nullptr);
    explicit TQorCardsButton(const QString& caption, QWidget* parent = nullptr);

    TColorSB ColorSB() const { return colorSB_; }
    void setColorSB(TColorSB c);
    THeightSB HeightSB() const { return heightSB_; }
    // Sets the height to 30, 45 or 60, then repaints.
    void setHeightSB(THeightSB h);
    int KLightSB() const { return kLight_; }
    void setKLightSB(int percent);
    QColor ColorMouse() const { return colorMouse_; }
    void setColorMouse(const QColor& c) {
        colorMouse_ = c;
        update();
    }
    bool LightFont() const { return lightFont_; }
    void setLightFont(bool on) {
        lightFont_ = on;
        update();
    }
    bool GrayDis() const { return grayDis_; }
    void setGrayDis(bool on) {
        grayDis_ = on;
        update();
    }
    bool Kontur() const { return kontur_; }
    void setKontur(bool on) {
        kontur_ = on;
        update();
    }
    bool Smooth() const { return smooth_; }
    void setSmooth(bool on) {
        smooth_ = on;
        update();
    }
    bool Nolt() const { return nolt_; }
    void setNolt(bool on);
    int Margin() const { return margin_; }
    void setMargin(int m) {
        margin_ = m;
        update();
    }
    GlyphLayout Layout() const { return layout_; }
    void setLayout(GlyphLayout l) {
        layout_ = l;
        update();
    }
    QColor FontColor() const { return fontColor_; }
    void setFontColor(const QColor& c) {
        fontColor_ = c;
        update();
    }
    // The default-button flag of the window (the button that answers Enter).
    bool IsFocused() const { return isDefault(); }
    bool MouseInPos() const { return mouseInPos_; }

    // The button's face as it is painted for a state, without the window around it.
    QImage RenderFace(DrawState state);

  signals:
    // Raised after painting, before the focus mark.
    void drawButton(QPainter* painter, QRect rect, tavik::ui::TQorCardsButton::DrawState state);
    void mouseEntered();
    void mouseLeft();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void paintFace(QPainter& p, DrawState state, bool emitDraw);
    QImage workPicture() const;
    DrawState currentState() const;

    TColorSB colorSB_ = TColorSB::DRed;
    THeightSB heightSB_ = THeightSB::D30;
    int kLight_ = 0;
    QColor colorMouse_ = Qt::white;
    QColor fontColor_ = Qt::black;
    bool lightFont_ = false;
    bool grayDis_ = false;
    bool kontur_ = true;
    bool smooth_ = true;
    bool nolt_ = false;
    bool mouseInPos_ = false;
    int margin_ = -1;
    GlyphLayout layout_ = GlyphLayout::Left;
};

// The bar's pieces after the colour transform, made once for each picture, colour and
// lightening and kept in the program's picture store.
QImage TransformedPiece(const QString& name, TColorSB colour, int kLight);

}  // namespace tavik::ui
