#include "app/ui/ClassicStyle.h"

#include <QStyleFactory>
#include <QStyleOptionComboBox>

namespace ui {

namespace {

constexpr int kComboArrowWidth = 16;  // a classic drop-down button
constexpr int kComboTextInset = 3;

}  // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (metric) {
        case PM_FocusFrameHMargin:
            return 0;  // list cells keep 1 px of margin a side, not 3
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return 12;  // a classic radio mark
        case PM_RadioButtonLabelSpacing:
            return 3;
        default:
            break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect ClassicStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl subControl, const QWidget* widget) const {
    if (control == CC_ComboBox && option != nullptr) {
        const QRect r = option->rect;
        if (subControl == SC_ComboBoxArrow) {
            return visualRect(
                option->direction, r,
                QRect(r.right() - kComboArrowWidth + 1, r.top(), kComboArrowWidth, r.height()));
        }
        if (subControl == SC_ComboBoxEditField) {
            return visualRect(
                option->direction, r,
                QRect(r.left() + kComboTextInset, r.top() + 2,
                      r.width() - kComboArrowWidth - kComboTextInset, r.height() - 4));
        }
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

}  // namespace ui
