#include "app/ui/qt/ClassicStyle.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

namespace ui {

namespace {

constexpr int kComboArrowWidth = 16;  // a classic drop-down button
constexpr int kComboTextInset = 3;
constexpr int kGroupTitleIndent = 6;   // from the frame's left edge to the title
constexpr int kGroupTitlePadding = 2;  // the gap in the line either side of the title

QRect GroupBoxRect(const QStyleOptionGroupBox& box, QStyle::SubControl subControl) {
    const QRect r = box.rect;
    const int lineHeight = box.fontMetrics.height();
    const int titleWidth =
        box.text.isEmpty() ? 0
                           : box.fontMetrics.horizontalAdvance(box.text) + 2 * kGroupTitlePadding;
    const QRect frame(r.left(), r.top() + lineHeight / 2, r.width(), r.height() - lineHeight / 2);
    switch (subControl) {
        case QStyle::SC_GroupBoxLabel:
            return QRect(r.left() + kGroupTitleIndent, r.top(), titleWidth, lineHeight);
        case QStyle::SC_GroupBoxFrame:
            return frame;
        case QStyle::SC_GroupBoxContents:
            return frame.adjusted(2, lineHeight / 2 + 1, -2, -2);
        default:
            return QRect();
    }
}

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

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect title = GroupBoxRect(*box, SC_GroupBoxLabel);
    painter->save();
    painter->setClipRegion(QRegion(box->rect) - title);
    qDrawShadeRect(painter, GroupBoxRect(*box, SC_GroupBoxFrame), box->palette, true, 1, 0);
    painter->restore();
    if (!box->text.isEmpty()) {
        drawItemText(painter, title, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                     (box->state & State_Enabled) != 0, box->text, QPalette::WindowText);
    }
}

QRect ClassicStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl subControl, const QWidget* widget) const {
    if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        control == CC_GroupBox && box != nullptr) {
        const QRect rect = GroupBoxRect(*box, subControl);
        if (rect.isValid()) {
            return rect;
        }
    }
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
