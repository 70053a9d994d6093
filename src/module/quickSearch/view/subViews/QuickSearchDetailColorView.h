#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

// A colour item: a large swatch with the colour's code beneath it, centred.
class QuickSearchDetailColorView : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // text: the normalised code; color: none when the code does not parse (an empty swatch).
    void setColor(const QString& text, const std::optional<QColor>& color);
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    std::optional<QColor> color_;
};
