#include "view/base/AboutDialog.h"

#include "model/Localized.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QLabel* selectableLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    // Plain text: a path or a version never reads as markup.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

AboutDialog::AboutDialog(AboutInfo info, QWidget* parent)
    : QDialog(parent), info_(std::move(info)), copyButton_(new QPushButton(LocalizedMenu::copy(), this)),
      closeButton_(new QPushButton(LocalizedAbout::close(), this))
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(LocalizedAbout::title());

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/brimble.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    auto* name = selectableLabel(QStringLiteral("Brimble %1").arg(info_.version), this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* description = selectableLabel(info_.description, this);
    auto* licence = selectableLabel(info_.licence, this);
    licence->setWordWrap(true);

    auto* details = new QGridLayout;
    details->setHorizontalSpacing(12);
    int row = 0;
    const auto heading = [&](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        details->addWidget(label, row, 0, Qt::AlignTop | Qt::AlignLeft);
    };
    heading(LocalizedAbout::libraries());
    for (const auto& [library, version] : info_.libraries) {
        details->addWidget(selectableLabel(library, this), row, 1);
        details->addWidget(selectableLabel(version, this), row, 2);
        ++row;
    }
    details->setRowMinimumHeight(row++, 6);
    heading(LocalizedAbout::history());
    details->addWidget(selectableLabel(info_.historyPath, this), row++, 1, 1, 2);
    heading(LocalizedAbout::logs());
    details->addWidget(selectableLabel(info_.logDirectory, this), row++, 1, 1, 2);
    details->setColumnStretch(2, 1);

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(name);
    text->addWidget(description);
    text->addWidget(licence);
    text->addSpacing(8);
    text->addLayout(details);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(copyButton_, QDialogButtonBox::ActionRole);
    buttons->addButton(closeButton_, QDialogButtonBox::RejectRole);
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(copyButton_, &QPushButton::clicked, this, [this] {
        QGuiApplication::clipboard()->setText(AboutDialog::text());
        // Said on the button for a moment, where the eye already is.
        copyButton_->setText(LocalizedAbout::copied());
        QTimer::singleShot(1500, copyButton_, [button = copyButton_] { button->setText(LocalizedMenu::copy()); });
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 12);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::text(const AboutInfo& info)
{
    QStringList lines;
    lines << QStringLiteral("Brimble %1").arg(info.version) << info.description << info.licence << QString()
          << LocalizedAbout::libraries();
    for (const auto& [library, version] : info.libraries)
        lines << QStringLiteral("  %1 %2").arg(library, version);
    lines << QString() << QStringLiteral("%1 %2").arg(LocalizedAbout::history(), info.historyPath)
          << QStringLiteral("%1 %2").arg(LocalizedAbout::logs(), info.logDirectory);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
