#include "app/ui/ClassicStyle.h"

#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

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
            return 12;  // a classic radio mark, with a 3 px gap to its text
        case PM_RadioButtonLabelSpacing:
            return 3;
        default:
            break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_PanelLineEdit && frame != nullptr && (frame->state & State_ReadOnly) != 0) {
        QStyleOptionFrame readOnly(*frame);
        readOnly.palette.setBrush(QPalette::Base, readOnly.palette.window());
        QProxyStyle::drawPrimitive(element, &readOnly, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
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
