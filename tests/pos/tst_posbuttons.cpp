#include "storebuilder.h"
#include "testenvironment.h"

#include "core/utility.h"
#include "pos/posbuttons.h"
#include "pos/possettings.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QVBoxLayout>

using TestSupport::StoreBuilder;

namespace {

const QString GREEN = QStringLiteral(" CPosButton { background-color: #228B22; }");
const QString CORAL = QStringLiteral(" CPosButton { background-color: #FF7F50; }");
const QString BLUE = QStringLiteral(" CPosButton { background-color: #6495ED; }");
const QString GREY = QStringLiteral(" CPosButton { background-color: #A9A9A9; }");
const QString GOLD = QStringLiteral(" CPosButton { background-color: #DAA520; }");
const QString PRESSED = QStringLiteral(" CPosButton:pressed { margin: 5px; }");

// count buttons; button i has barcode "B<i>" and category (i % categories) + 1
QList<PosButtonInfo> makeButtons(int count, int categories = 1)
{
    QList<PosButtonInfo> list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("B%1").arg(i), QStringLiteral("Item %1").arg(i), QString(),
                     i % categories + 1});
    return list;
}

QStringList codes(const QList<PosButtonInfo>& list)
{
    QStringList result;
    for (const PosButtonInfo& info : list)
        result << info.barCode;
    return result;
}

template <typename T> T* at(QGridLayout* grid, int row, int column)
{
    QLayoutItem* item = grid->itemAtPosition(row, column);
    return item ? qobject_cast<T*>(item->widget()) : nullptr;
}

QSettings* settings()
{
    return Utility::GetInstance()->GetSettings();
}

} // namespace

// Paging of the product button grid, its widgets, the button query and the grid size settings.
class PosButtonsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void pagesAllButtons();
    void filtersByCategory();
    void gridSizeFromSettings_data();
    void gridSizeFromSettings();
    void loadsMarkedBatches();
    void failingQueryGivesNoButtons();
    void laysOutButtonsAndPlaceholders();
    void coloursByRow_data();
    void coloursByRow();
    void clickReportsButton();
    void rebuildReplacesWidgets();
    void settingsPage();
    void screenshots();
};

void PosButtonsTest::init()
{
    TestSupport::resetSettings();
    TestSupport::resetDatabases();
}

void PosButtonsTest::pagesAllButtons()
{
    PosButtonPages pages(4, 4);
    pages.SetButtons(makeButtons(17));
    QCOMPARE(pages.Caption(), QStringLiteral("Page 1 of 2 "));
    QCOMPARE(pages.CurrentPage().size(), 16);
    QVERIFY(!pages.Previous());
    QVERIFY(pages.Next());
    QCOMPARE(codes(pages.CurrentPage()), QStringList{QStringLiteral("B16")});
    QCOMPARE(pages.Caption(), QStringLiteral("Page 2 of 2 "));
    QVERIFY(!pages.Next());
    QCOMPARE(pages.Caption(), QStringLiteral("Page 2 of 2 "));
    QCOMPARE(pages.CurrentPage().size(), 1);
    QVERIFY(pages.Previous());
    QCOMPARE(pages.Caption(), QStringLiteral("Page 1 of 2 "));
    QCOMPARE(codes(pages.CurrentPage()), codes(makeButtons(16)));

    // A full last page makes no extra page.
    pages.SetButtons(makeButtons(32));
    QCOMPARE(pages.Caption(), QStringLiteral("Page 1 of 2 "));
    QVERIFY(pages.Next());
    QCOMPARE(codes(pages.CurrentPage()), codes(makeButtons(32)).mid(16));
    QVERIFY(!pages.Next());

    pages.SetButtons({});
    QCOMPARE(pages.Caption(), QStringLiteral("Page 1 of 0 "));
    QVERIFY(pages.CurrentPage().isEmpty());
    QVERIFY(!pages.Next());
    QVERIFY(!pages.Previous());
}

void PosButtonsTest::filtersByCategory()
{
    PosButtonPages pages(1, 3);
    pages.SetButtons(makeButtons(20, 2)); // category 1: B0, B2, ... B18
    QVERIFY(pages.Next());                // all buttons page 2 of 7

    pages.SelectCategory(1);
    QVERIFY(pages.InCategory());
    QCOMPARE(pages.Caption(), QStringLiteral("Category Page 1 of 4 "));
    QCOMPARE(codes(pages.CurrentPage()),
             (QStringList{QStringLiteral("B0"), QStringLiteral("B2"), QStringLiteral("B4")}));
    QVERIFY(pages.Next());
    QVERIFY(pages.Next());
    QVERIFY(pages.Next());
    QCOMPARE(pages.Caption(), QStringLiteral("Category Page 4 of 4 "));
    QCOMPARE(codes(pages.CurrentPage()), QStringList{QStringLiteral("B18")});
    QVERIFY(!pages.Next());
    QVERIFY(pages.Previous());
    QCOMPARE(pages.Caption(), QStringLiteral("Category Page 3 of 4 "));

    pages.SelectCategory(42);
    QCOMPARE(pages.Caption(), QStringLiteral("Category Page 1 of 0 "));
    QVERIFY(pages.CurrentPage().isEmpty());
    QVERIFY(!pages.Next());

    pages.ShowAll();
    QVERIFY(!pages.InCategory());
    QCOMPARE(pages.Caption(), QStringLiteral("Page 1 of 7 "));
    QCOMPARE(codes(pages.CurrentPage()), codes(makeButtons(3)));
}

void PosButtonsTest::gridSizeFromSettings_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("absent") << QVariant() << 4;
    QTest::newRow("zero") << QVariant(0) << 1;
    QTest::newRow("negative") << QVariant(-3) << 1;
    QTest::newRow("too many") << QVariant(9) << 8;
    QTest::newRow("not a number") << QVariant(QStringLiteral("abc")) << 4;
    QTest::newRow("lowest") << QVariant(1) << 1;
    QTest::newRow("highest as text") << QVariant(QStringLiteral("8")) << 8;
}

void PosButtonsTest::gridSizeFromSettings()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    if (stored.isValid()) {
        settings()->setValue(QStringLiteral("POS_ROWS"), stored);
        settings()->setValue(QStringLiteral("POS_COLUMNS"), stored);
    }
    QCOMPARE(ReadPosGridRows(), expected);
    QCOMPARE(ReadPosGridColumns(), expected);
    POSSettings page;
    QCOMPARE(page.findChild<QSpinBox*>(QStringLiteral("spinRows"))->value(), expected);
    QCOMPARE(page.findChild<QSpinBox*>(QStringLiteral("spinCols"))->value(), expected);
}

void PosButtonsTest::loadsMarkedBatches()
{
    StoreBuilder store(StoreBuilder::Kind::Inventory, QDir::homePath() + "/pos.mercdb");
    QVERIFY(store.isOk());
    const qint64 drinks = store.addCategory(QStringLiteral("Drinks"));
    const qint64 bakery = store.addCategory(QStringLiteral("Bakery"));
    const qint64 vendor = store.addVendor(QStringLiteral("Wholesale"));
    const qint64 tea =
        store.insert(QStringLiteral("tblProducts"), {{"CATEGORY_ID", drinks},
                                                     {"PRODUCT_CODE", "T1"},
                                                     {"NAME", "O'Neil's \"Best\" Tea"},
                                                     {"ITEMS_PER_UNIT", 1},
                                                     {"TAX_RATE", 0.0},
                                                     {"IMAGE_FILE", "/images/tea's.png"}});
    const qint64 bread = store.addProduct(bakery, QStringLiteral("B1"), QStringLiteral("Bread"));
    // A product whose category is gone: only possible with the foreign keys switched off.
    QVERIFY(store.exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
    const qint64 orphan = store.addProduct(99, QStringLiteral("X1"), QStringLiteral("Orphan"));
    QVERIFY(orphan > 0);
    store.addBatch(bread, vendor, QStringLiteral("200"), 5, 1.0, 0.5);
    store.addBatch(tea, vendor, QStringLiteral("100"), 5, 2.0, 1.0);
    store.addBatch(tea, vendor, QStringLiteral("101"), 5, 2.0, 1.0, 0.0, 0, false);
    QVERIFY(store.addBatch(orphan, vendor, QStringLiteral("300"), 5, 1.0, 0.5) > 0);
    store.addBatch(tea, vendor, QStringLiteral("102"), 5, 2.0, 1.0);

    const QList<PosButtonInfo> buttons = LoadPosButtons(store.database());
    QCOMPARE(codes(buttons), (QStringList{"200", "100", "102"}));
    QCOMPARE(buttons.at(0).productName, QStringLiteral("Bread"));
    QVERIFY(buttons.at(0).imageFile.isEmpty());
    QCOMPARE(buttons.at(0).categoryId, int(bakery));
    QCOMPARE(buttons.at(1).productName, QStringLiteral("O'Neil's \"Best\" Tea"));
    QCOMPARE(buttons.at(1).imageFile, QStringLiteral("/images/tea's.png"));
    QCOMPARE(buttons.at(1).categoryId, int(drinks));
}

void PosButtonsTest::failingQueryGivesNoButtons()
{
    QSqlDatabase empty = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "pos_empty");
    empty.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(empty.open());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no such table: tbl\\w+    \\S"));
    QVERIFY(LoadPosButtons(empty).isEmpty());
    empty.close();
}

void PosButtonsTest::laysOutButtonsAndPlaceholders()
{
    QWidget owner;
    auto* grid = new QGridLayout(&owner);
    QList<PosButtonInfo> entries = makeButtons(4);
    entries[1].imageFile = QStringLiteral(":/resources/images/products.png");
    ShowPosButtons(grid, &owner, entries, 2, 3, nullptr);

    const QList<QPoint> places = {{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}};
    for (int i = 0; i < places.size(); ++i) {
        auto* button = at<CPosButton>(grid, places[i].x(), places[i].y());
        auto* label = at<QLabel>(grid, places[i].x() + 1, places[i].y());
        QVERIFY2(button && label, qPrintable(QString::number(i)));
        QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(button->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        const bool real = i < entries.size();
        QCOMPARE(button->isEnabled(), real);
        QCOMPARE(button->GetBarCode(), real ? entries[i].barCode : QStringLiteral("NOCODE"));
        QCOMPARE(label->text(), real ? entries[i].productName : QStringLiteral("UNUSED"));
        if (i != 1)
            QCOMPARE(button->text(), QStringLiteral("NO IMAGE"));
    }
    QCOMPARE(at<CPosButton>(grid, 0, 0)->styleSheet(), GREEN + PRESSED);
    QCOMPARE(at<CPosButton>(grid, 0, 1)->styleSheet(),
             "CPosButton {border-image:url(:/resources/images/products.png); }" + PRESSED);
    QVERIFY(at<CPosButton>(grid, 0, 1)->text().isEmpty());
    QCOMPARE(at<CPosButton>(grid, 2, 0)->styleSheet(), CORAL + PRESSED);
    QCOMPARE(at<CPosButton>(grid, 2, 1)->styleSheet(), CORAL);
    QCOMPARE(grid->count(), 12);
}

void PosButtonsTest::coloursByRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("placeholder");
    const QStringList colours = {GREEN, CORAL, BLUE, GREY, GOLD};
    for (int row = 0; row < 5; ++row)
        QTest::addRow("row %d", row) << row << colours[row] + PRESSED << colours[row];
    QTest::newRow("row 5") << 5 << PRESSED << GREEN;
    QTest::newRow("row 6") << 6 << PRESSED << CORAL;
    QTest::newRow("row 7") << 7 << PRESSED << BLUE;
    QTest::newRow("row 8") << 8 << PRESSED << QString();
}

// One column: a product button on the given row, then placeholders on every row after it.
void PosButtonsTest::coloursByRow()
{
    QFETCH(int, row);
    QFETCH(QString, button);
    QFETCH(QString, placeholder);
    QWidget owner;
    auto* grid = new QGridLayout(&owner);
    ShowPosButtons(grid, &owner, makeButtons(row + 1), 9, 1, nullptr);
    QCOMPARE(at<CPosButton>(grid, 2 * row, 0)->styleSheet(), button);
    ShowPosButtons(grid, &owner, makeButtons(row), 9, 1, nullptr);
    QCOMPARE(at<CPosButton>(grid, 2 * row, 0)->styleSheet(), placeholder);
}

void PosButtonsTest::clickReportsButton()
{
    QWidget owner;
    auto* grid = new QGridLayout(&owner);
    QStringList clicked;
    ShowPosButtons(grid, &owner, makeButtons(2), 2, 2,
                   [&clicked](CPosButton* button) { clicked << button->GetBarCode(); });
    owner.show();
    QTest::mouseClick(at<CPosButton>(grid, 0, 1), Qt::LeftButton);
    QTest::mouseClick(at<CPosButton>(grid, 2, 0), Qt::LeftButton); // placeholder
    QTest::mouseClick(at<CPosButton>(grid, 0, 0), Qt::LeftButton);
    QCOMPARE(clicked, (QStringList{"B1", "B0"}));
}

void PosButtonsTest::rebuildReplacesWidgets()
{
    QWidget owner;
    auto* frame = new QFrame(&owner);
    auto* grid = new QGridLayout(frame);
    ShowPosButtons(grid, &owner, makeButtons(5), 3, 4, nullptr);
    const QPointer<CPosButton> old = at<CPosButton>(grid, 0, 0);
    const QPointer<QLabel> oldLabel = at<QLabel>(grid, 1, 0);
    ShowPosButtons(grid, &owner, makeButtons(7), 3, 4, nullptr);
    ShowPosButtons(grid, &owner, makeButtons(2), 3, 4, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
    QVERIFY(oldLabel.isNull());
    QCOMPARE(owner.findChildren<CPosButton*>().size(), 12);
    QCOMPARE(owner.findChildren<QLabel*>().size(), 12);
    QCOMPARE(grid->count(), 24);
    QCOMPARE(at<CPosButton>(grid, 0, 2)->isEnabled(), false);
}

void PosButtonsTest::settingsPage()
{
    POSSettings page;
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("label_3"))->text(),
             QStringLiteral("Please specify number of rows and columns of buttons on the Point of "
                            "Sale screen\n\nMin Value of Rows & Columns : 1\nMax Value of Rows & "
                            "Columns : 8"));
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("label"))->text(), "Number of Rows");
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("label_2"))->text(), "Number of Columns");
    auto* rows = page.findChild<QSpinBox*>(QStringLiteral("spinRows"));
    auto* columns = page.findChild<QSpinBox*>(QStringLiteral("spinCols"));
    for (QSpinBox* spin : {rows, columns}) {
        QCOMPARE(spin->minimum(), 1);
        QCOMPARE(spin->maximum(), 8);
    }
    rows->setValue(2);
    columns->setValue(7);
    page.Save();
    QCOMPARE(settings()->value(QStringLiteral("POS_ROWS")).toInt(), 2);
    QCOMPARE(settings()->value(QStringLiteral("POS_COLUMNS")).toInt(), 7);
    QCOMPARE(ReadPosGridRows(), 2);
    QCOMPARE(ReadPosGridColumns(), 7);
}

void PosButtonsTest::screenshots()
{
    const QString folder = qEnvironmentVariable("MERCHORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("MERCHORA_SCREENSHOT_DIR not set");
    QDir().mkpath(folder);

    QWidget window;
    window.setStyleSheet(TestSupport::themeSheet(true));
    auto* layout = new QVBoxLayout(&window);
    auto* frame = new QFrame(&window);
    frame->setObjectName(QStringLiteral("pos_buttons_frame"));
    frame->setFixedSize(600, 500);
    layout->addWidget(frame);
    auto* grid = new QGridLayout(frame);
    const QStringList names = {"Green Tea",       "Croissant", "Espresso",      "Bananas (kg)",
                               "Sparkling Water", "Baguette",  "Gift Card",     "Apples (kg)",
                               "Orange Juice",    "Muffin",    "Chocolate Bar", "Carrier Bag"};
    QList<PosButtonInfo> entries;
    for (int i = 0; i < names.size(); ++i)
        entries.append({QString::number(1000 + i), names[i],
                        i % 5 == 2 ? QStringLiteral(":/resources/images/products.png") : QString(),
                        1});
    ShowPosButtons(grid, &window, entries, 4, 4, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.grab().save(QDir(folder).filePath(QStringLiteral("posbuttons.png"))));

    QWidget host;
    host.setStyleSheet(TestSupport::themeSheet(true));
    auto* hostLayout = new QVBoxLayout(&host);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    hostLayout->addWidget(new POSSettings(&host));
    host.resize(560, 300);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(host.grab().save(QDir(folder).filePath(QStringLiteral("possettings.png"))));
}

MERCHORA_TEST_MAIN(PosButtonsTest)
#include "tst_posbuttons.moc"
