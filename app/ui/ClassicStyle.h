#pragma once

#include <QProxyStyle>

namespace ui {

// Fusion with the tighter metrics of classic dialog controls. The templates
// size their controls for those metrics: a zone name must fit its history
// column and "毫秒(ms)" its drop-down list, as they do on the platform the
// templates were drawn for.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
};

}  // namespace ui
