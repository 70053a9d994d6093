#pragma once

#include "model/SecretShape.h"

#include <QWidget>

class QLabel;
class QPushButton;

// A secret while it is masked: what kind it is and how long, and a way to show it. Its text is
// never handed to this view.
class QuickSearchDetailSecretView : public QWidget
{
    Q_OBJECT
public:
    explicit QuickSearchDetailSecretView(QWidget* parent = nullptr);

    void setSecret(SecretKind kind, qint64 length);
    QString maskText() const;
    QPushButton* revealButton() const { return reveal_; }

Q_SIGNALS:
    void revealRequested();

private:
    QLabel* mask_;
    QPushButton* reveal_;
};
