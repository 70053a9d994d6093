// Secrets in the panel: masked in their cell and the preview until the user shows them, and
// masked again when the panel closes.
#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchPasteInfDetailView.h"
#include "module/quickSearch/view/QuickSearchPasteInfItem.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailSecretView.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailTextView.h"

#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace {

QString token(QChar fill)
{
    return QStringLiteral("sk_live_") + QString(32, fill);
}

PasteInfModel secretCapture(const QString& text, const QDateTime& date)
{
    PasteInfModel model = textCapture(text, date);
    model.secretKind = SecretKind::PaymentKey;
    return model;
}

} // namespace

class TestQuickSearchSecrets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void maskedUntilSpaceAndAgainAfterHiding();
    void theButtonShowsItToo();

private:
    QImage cell(int row) const;
    bool revealed(int row) const;
    std::unique_ptr<TestHome> home_;
    std::unique_ptr<QuickSearchViewWindow> window_;
    QuickSearchViewController* controller_ = nullptr;
};

void TestQuickSearchSecrets::initTestCase()
{
    Localized::install();
    home_ = std::make_unique<TestHome>();
    store().ensureDefaultCategory();
    const QDateTime now = QDateTime::currentDateTime();
    store().insertPasteInf(textCapture("an ordinary copy", now.addSecs(-30)));
    store().insertPasteInf(secretCapture(token(u'b'), now.addSecs(-20)));
    store().insertPasteInf(secretCapture(token(u'a'), now.addSecs(-10)));
    store().waitForQueued();
}

void TestQuickSearchSecrets::init()
{
    window_ = std::make_unique<QuickSearchViewWindow>(home_->path() + "/frame.json");
    controller_ = new QuickSearchViewController(store(), preferences(), nullptr, nullptr);
    window_->setContentWidget(controller_);
    controller_->attachWindow(*window_);
    window_->showAndActivate();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTRY_COMPARE(controller_->model()->rowCount(), 3);
    QTRY_VERIFY(controller_->model()->rowAt(2).has_value());
}

void TestQuickSearchSecrets::cleanup()
{
    window_.reset();
}

QImage TestQuickSearchSecrets::cell(int row) const
{
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 400, 90);
    option.palette = controller_->listView()->palette();
    option.state = QStyle::State_Enabled;
    QImage image(option.rect.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    controller_->delegate()->paint(&painter, option, controller_->model()->index(row));
    return image;
}

bool TestQuickSearchSecrets::revealed(int row) const
{
    return controller_->model()->index(row).data(QuickSearchPasteInfListModel::SecretRevealedRole).toBool();
}

void TestQuickSearchSecrets::maskedUntilSpaceAndAgainAfterHiding()
{
    QuickSearchPasteInfDetailView* detail = controller_->detailView();
    QTRY_VERIFY(detail->secretView() && detail->currentContentView() == detail->secretView());
    QCOMPARE(detail->secretView()->maskText(), LocalizedQuickView::secretMask(SecretKind::PaymentKey, 40));
    QVERIFY(detail->secretView()->maskText().contains(QStringLiteral("40")));
    QVERIFY(!detail->textView()->shownText().contains(token(u'a')));
    // Two secrets of one kind and length look the same: nothing of the text shows.
    QCOMPARE(cell(0), cell(1));

    QTest::keyClick(controller_->searchField(), Qt::Key_Space);
    QCOMPARE(controller_->searchField()->text(), QString());
    QVERIFY(revealed(0));
    QVERIFY(!revealed(1));
    QTRY_COMPARE(detail->textView()->shownText(), token(u'a'));
    QVERIFY(cell(0) != cell(1));

    // Moving on and back keeps it shown while the panel is open.
    QTest::keyClick(controller_->searchField(), Qt::Key_Down);
    QTRY_VERIFY(detail->currentContentView() == detail->secretView());
    QTest::keyClick(controller_->searchField(), Qt::Key_Up);
    QTRY_COMPARE(detail->textView()->shownText(), token(u'a'));

    window_->hide();
    QVERIFY(!revealed(0));
    QCOMPARE(cell(0), cell(1));
}

void TestQuickSearchSecrets::theButtonShowsItToo()
{
    QuickSearchPasteInfDetailView* detail = controller_->detailView();
    QTRY_VERIFY(detail->secretView() && detail->currentContentView() == detail->secretView());
    QTest::mouseClick(detail->secretView()->revealButton(), Qt::LeftButton);
    QVERIFY(revealed(0));
    QTRY_COMPARE(detail->textView()->shownText(), token(u'a'));
    // Space has nothing left to show: with no link waiting it is typed.
    QTest::keyClick(controller_->searchField(), Qt::Key_Space);
    QCOMPARE(controller_->searchField()->text(), QStringLiteral(" "));
}

QTEST_MAIN(TestQuickSearchSecrets)
#include "tst_quicksearchsecrets.moc"
