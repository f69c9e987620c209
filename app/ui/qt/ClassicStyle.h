#pragma once

#include <QProxyStyle>

namespace ui {

// Fusion with the tighter metrics and the looks of classic dialog controls.
// The templates size their controls for those metrics: a zone name must fit
// its history column, "毫秒(ms)" its drop-down list and a radio button's text
// its template width, as they do on the platform the templates were drawn
// for. Read-only edits take the dialog's colour, as users expect, and a
// group box's title sits on its etched frame line, the line passing through
// the title's middle.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
};

}  // namespace ui
