#include "app/ui/qt/LinkButton.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace ui {

namespace {

// A link: its text is its name, and "press" opens it.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkButton* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return Link()->text();
        }
        if (kind == QAccessible::Value) {
            return Link()->Url();
        }
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            Link()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    LinkButton* Link() const { return static_cast<LinkButton*>(widget()); }
};

}  // namespace

LinkButton::LinkButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &LinkButton::Open);
}

QAccessibleInterface* LinkButton::AccessibleFactory(const QString& className, QObject* object) {
    auto* link = qobject_cast<LinkButton*>(object);
    return className == QLatin1String("ui::LinkButton") && link != nullptr
               ? new LinkAccessible(link)
               : nullptr;
}

void LinkButton::SetUrl(const QString& url) {
    m_url = url;
    setToolTip(url);
}

void LinkButton::SetOpenHandler(std::function<void(const QString&)> handler) {
    m_open = std::move(handler);
}

void LinkButton::paintEvent(QPaintEvent*) {
    // Drawn by hand: underlined link-coloured text, and a dotted frame with
    // the focus, the way a hyperlink control looks.
    QPainter painter(this);
    QFont underlined = font();
    underlined.setUnderline(true);
    painter.setFont(underlined);
    painter.setPen(palette().color(isDown() ? QPalette::LinkVisited : QPalette::Link));
    const QRect area = rect().adjusted(1, 0, -1, 0);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QPen dotted(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        const int frameWidth = std::min(fontMetrics().horizontalAdvance(text()) + 3, width() - 1);
        painter.drawRect(QRect(0, 0, frameWidth, height() - 1));
    }
}

QSize LinkButton::sizeHint() const {
    return QSize(fontMetrics().horizontalAdvance(text()) + 4, fontMetrics().height());
}

void LinkButton::Open() {
    if (m_open) {
        m_open(m_url);
    }
}

}  // namespace ui
