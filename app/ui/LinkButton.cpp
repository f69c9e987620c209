#include "LinkButton.h"

#include "Services.h"

namespace ui {

LinkButton::LinkButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setAutoDefault(false);
    setStyleSheet(
        "QPushButton { border: none; padding: 0; text-align: left; color: palette(link);"
        " text-decoration: underline; background: transparent; }"
        "QPushButton:focus { outline: 1px dotted palette(text); }");
    connect(this, &QPushButton::clicked, this, &LinkButton::Open);
}

void LinkButton::SetUrl(const QString& url) {
    m_url = url;
    setToolTip(url);
}

void LinkButton::Open() {
    if (!m_url.isEmpty()) {
        OpenUrl(m_url.toStdU16String());
    }
}

}  // namespace ui
