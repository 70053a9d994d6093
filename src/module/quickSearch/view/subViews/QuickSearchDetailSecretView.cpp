#include "module/quickSearch/view/subViews/QuickSearchDetailSecretView.h"

#include "model/Localized.h"
#include "view/base/ThemeColors.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QuickSearchDetailSecretView::QuickSearchDetailSecretView(QWidget* parent)
    : QWidget(parent), mask_(new QLabel(this)),
      reveal_(new QPushButton(LocalizedQuickView::secretReveal(), this))
{
    auto* dots = new QLabel(QString(12, QChar(0x2022)), this);
    QFont large = dots->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    dots->setFont(large);
    ThemeColors::dim(dots);
    auto* hint = new QLabel(LocalizedQuickView::secretRevealHint(), this);
    ThemeColors::dim(hint);
    mask_->setTextInteractionFlags(Qt::NoTextInteraction);
    // Focus stays in the search field, where Space reveals too.
    reveal_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    for (QWidget* widget :
         {static_cast<QWidget*>(dots), static_cast<QWidget*>(mask_), static_cast<QWidget*>(hint)})
        layout->addWidget(widget, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(reveal_, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    connect(reveal_, &QPushButton::clicked, this, &QuickSearchDetailSecretView::revealRequested);
}

void QuickSearchDetailSecretView::setSecret(SecretKind kind, qint64 length)
{
    mask_->setText(LocalizedQuickView::secretMask(kind, length));
}

QString QuickSearchDetailSecretView::maskText() const
{
    return mask_->text();
}
