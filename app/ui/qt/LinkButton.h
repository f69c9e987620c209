#pragma once

#include <QPushButton>
#include <QString>
#include <functional>

class QAccessibleInterface;

namespace ui {

// A hyperlink control: underlined link-coloured text that, clicked by mouse
// or by keyboard, asks its handler to open its address.
class LinkButton : public QPushButton {
    Q_OBJECT
public:
    LinkButton(const QString& text, QWidget* parent);

    void SetUrl(const QString& url);
    const QString& Url() const { return m_url; }
    // What opens the address when the link is clicked (the link's dialog's
    // ui::OpenLink).
    void SetOpenHandler(std::function<void(const QString& url)> handler);

    // Presents link buttons to assistive technology as links, not push
    // buttons; for QAccessible::installFactory.
    static QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object);

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override;

private:
    void Open();

    QString m_url;
    std::function<void(const QString&)> m_open;
};

}  // namespace ui
