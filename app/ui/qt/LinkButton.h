#pragma once

#include <QPushButton>
#include <QString>
#include <functional>

class QAccessibleInterface;

namespace ui {

// A hyperlink control: underlined link-coloured text that opens its address
// through the desktop's URL handler, by mouse or by keyboard.
class LinkButton : public QPushButton {
    Q_OBJECT
public:
    LinkButton(const QString& text, QWidget* parent);

    void SetUrl(const QString& url);
    const QString& Url() const { return m_url; }
    // Told the file when a local page the link names is not there, instead
    // of opening it; the link's dialog says so to the user.
    void SetMissingPageHandler(std::function<void(const QString& path)> handler);

    // Presents link buttons to assistive technology as links, not push
    // buttons; for QAccessible::installFactory.
    static QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object);

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override;

private:
    void Open();

    QString m_url;
    std::function<void(const QString&)> m_missingPage;
};

}  // namespace ui
