#pragma once

#include <QLabel>

// Anything the preview cannot show: a large question mark.
class QuickSearchDetailUnknownView : public QLabel
{
    Q_OBJECT
public:
    explicit QuickSearchDetailUnknownView(QWidget* parent = nullptr);
};
