#pragma once

#include <QPushButton>

class QAccessibleInterface;
#include <QString>

namespace ui {

// A hyperlink control: underlined link-coloured text that opens its address
// through the desktop's URL handler, by mouse or by keyboard.
class LinkButton : public QPushButton {
    Q_OBJECT
public:
    LinkButton(const QString& text, QWidget* parent);

    void SetUrl(const QString& url);
    const QString& Url() const { return m_url; }

    // Presents link buttons to assistive technology as links, not push
    // buttons; for QAccessible::installFactory.
    static QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object);

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override;

private:
    void Open();

    QString m_url;
};

}  // namespace ui
