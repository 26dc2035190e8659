#include "platform/Controls.h"
#include "platform/Application.h"
#include "platform/ChartTicks.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"
#include "platform/Paths.h"
#include "platform/SqlConnection.h"
#include "support/ChartChecks.h"
#include "support/Doubles.h"
#include "support/Fixture.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRubberBand>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteList(const QString &folder)
{
    const QString name = QStringLiteral("writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(Paths::DatabaseFile(folder));
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE L (ID INTEGER, NAME TEXT, V REAL)"));
        q.exec(QStringLiteral("INSERT INTO L VALUES (1, 'Pure metals', 7.256)"));
        q.exec(QStringLiteral("INSERT INTO L VALUES (2, 'Binary systems', 0.5)"));
        q.exec(QStringLiteral("INSERT INTO L VALUES (3, 'Ternary systems', NULL)"));
    }
    QSqlDatabase::removeDatabase(name);
}

class ShowCounter : public TForm
{
public:
    ShowCounter()
        : TForm(nullptr, QStringLiteral("fmCounter"), QStringLiteral("Virelt 2"))
    {
    }
    int shows = 0;

protected:
    void FormShow() override { ++shows; }
};

class Failing : public QObject
{
public:
    void Raise() { throw EConvertError(QStringLiteral("'x' is not a valid integer value")); }
};

} // namespace

class ControlsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { SqlConnection::CloseAll(); }

    void lookupComboStartsEmptyAndChoosingMovesTheDataset()
    {
        QTemporaryDir dir;
        WriteList(dir.path());
        TQuery q(nullptr, QStringLiteral("q"));
        q.SetDatabaseName(dir.path());
        q.SetSQL({ QStringLiteral("SELECT * FROM L ORDER BY ID") });
        TDataSource ds(nullptr, QStringLiteral("ds"), &q);
        TDBLookupComboBox combo(nullptr, QStringLiteral("dbl"));
        combo.SetKeyField(QStringLiteral("ID"));
        combo.SetListField(QStringLiteral("NAME"));
        combo.SetListSource(&ds);
        q.Open();
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.Text(), QString()); // no entry chosen by itself
        QSignalSpy clicked(&combo, &TDBLookupComboBox::clicked);
        combo.Choose(1);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(combo.Text(), QStringLiteral("Binary systems"));
        QCOMPARE(q.FieldByName(QStringLiteral("ID")).AsInteger(), 2);
        q.Close();
        QCOMPARE(combo.Text(), QString());
        q.Open(); // the key survives a reopen
        QCOMPARE(combo.Text(), QStringLiteral("Binary systems"));
        QCOMPARE(clicked.count(), 1);
        combo.SetKeyValue(99);
        QCOMPARE(combo.Text(), QString());
    }

    void gridShowsFormattedRowsAndSelectedBookmarksInRowOrder()
    {
        QTemporaryDir dir;
        WriteList(dir.path());
        TQuery q(nullptr, QStringLiteral("q"));
        q.SetDatabaseName(dir.path());
        q.SetSQL({ QStringLiteral("SELECT NAME, V FROM L ORDER BY ID") });
        TDataSource ds(nullptr, QStringLiteral("ds"), &q);
        TDBGrid grid(nullptr, QStringLiteral("dbg"));
        grid.SetDataSource(&ds);
        grid.SetColumns({ { QStringLiteral("V"), QStringLiteral("VALUE"), 60, Qt::AlignCenter },
            { QStringLiteral("NAME"), QStringLiteral("NAME"), 90 } });
        grid.SetMultiSelect(true);
        q.Open();
        q.FieldByName(QStringLiteral("V")).SetDisplayFormat(QStringLiteral("#.##"));
        QCOMPARE(grid.ColumnTitles(), QStringList({ "VALUE", "NAME" }));
        QCOMPARE(grid.model()->rowCount(), 3);
        QCOMPARE(grid.CellText(0, 0), QStringLiteral("7,26"));
        QCOMPARE(grid.CellText(1, 0), QStringLiteral(",5"));
        QCOMPARE(grid.CellText(2, 0), QString());
        grid.SelectRow(2, false);
        grid.SelectRow(0, true);
        QCOMPARE(grid.SelectedRowsCount(), 2);
        QCOMPARE(grid.SelectedRowsItem(0), 0);
        QCOMPARE(grid.SelectedRowsItem(1), 2);
        QCOMPARE(q.RecNo(), 0); // the grid's current row is the dataset's
        q.Last();
        QCOMPARE(grid.currentIndex().row(), 2);
        grid.ClearSelectedRows();
        QCOMPARE(grid.SelectedRowsCount(), 0);
        grid.SetDataSource(nullptr);
        QCOMPARE(grid.model()->rowCount(), 0);
    }

    void gridColumnsHoldTheirTextsWholeInTheGridsFont()
    {
        QTemporaryDir dir;
        WriteList(dir.path());
        TQuery q(nullptr, QStringLiteral("q"));
        q.SetDatabaseName(dir.path());
        q.SetSQL({ QStringLiteral("SELECT ID, NAME, V FROM L ORDER BY ID") });
        TDataSource ds(nullptr, QStringLiteral("ds"), &q);
        TDBGrid grid(nullptr, QStringLiteral("dbg"));
        grid.SetColumns({ { QStringLiteral("NAME"), QStringLiteral("N"), 20 },
            { QStringLiteral("ID"), QStringLiteral("I"), 70 },
            { QStringLiteral("V"), QStringLiteral("A LONG VALUE TITLE"), 20 } });
        grid.SetDataSource(&ds);
        q.Open();
        const auto fits = [](const TDBGrid &grid) {
            const QFontMetrics cells(grid.font());
            const QFontMetrics titles(grid.horizontalHeader()->font());
            for (int c : { 0, 2 }) {
                if (grid.columnWidth(c) <= titles.horizontalAdvance(grid.ColumnTitles().at(c)))
                    return false;
                for (int row = 0; row < grid.model()->rowCount(); ++row)
                    if (grid.columnWidth(c) <= cells.horizontalAdvance(grid.CellText(row, c)))
                        return false;
            }
            return true;
        };
        QVERIFY(fits(grid));
        QCOMPARE(grid.columnWidth(1), 70); // never below its own width
        QFont larger = grid.font();
        larger.setPixelSize(30);
        grid.setFont(larger);
        QVERIFY(fits(grid));
        QCOMPARE(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

        // Shown narrower than its columns, and refilled so, the last column keeps its texts and
        // the grid scrolls sideways; widened, the last column takes the room left.
        TDBGrid shown(nullptr, QStringLiteral("dbgShown"));
        shown.SetColumns(grid.Columns());
        shown.SetDataSource(&ds);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        const int halfLast = shown.sizeHint().width()
            - shown.verticalScrollBar()->sizeHint().width()
            - QFontMetrics(shown.horizontalHeader()->font())
                    .horizontalAdvance(shown.ColumnTitles().at(2))
                / 2;
        for (int refill = 0; refill < 2; ++refill) {
            shown.resize(halfLast, 200);
            QTRY_VERIFY(shown.horizontalScrollBar()->isVisible());
            QVERIFY(fits(shown));
            q.Close();
            q.Open();
        }
        shown.resize(1000, 200);
        QTRY_COMPARE(shown.horizontalHeader()->length(), shown.viewport()->width());
        QVERIFY(fits(shown));
    }

    void axisLabelsFitTheirAxisAsWholeNumbersOrTenths()
    {
        const QFontMetricsF fm(QApplication::font());
        const auto space = [&fm](const QString &label) { return fm.horizontalAdvance(label) + 20; };
        // 500..1600 K on a narrow plot: whole hundreds, far enough apart to read.
        const AxisScale narrow = ChooseAxisScale(500, 1600, 190, space);
        QCOMPARE(narrow.decimals, 0);
        QVERIFY(narrow.min <= 500 && narrow.max >= 1600);
        const int ticks = int(std::lround((narrow.max - narrow.min) / narrow.step)) + 1;
        QVERIFY(ticks * space(TickLabel(narrow.max, 0)) <= 190);
        QCOMPARE(TickLabel(narrow.min + narrow.step, 0), QString::number(narrow.min + narrow.step));
        // A composition on a wide plot: tenths from 0 to 1, the ends on labelled ticks.
        const AxisScale wide = ChooseAxisScale(0, 1, 700, space);
        QCOMPARE(wide.min, 0.0);
        QCOMPARE(wide.max, 1.0);
        QCOMPARE(wide.step, 0.1);
        QCOMPARE(TickLabel(0.3, wide.decimals), QStringLiteral("0,3"));
    }

    // Viscosity far below its temperature range reaches 1E129 mPa*s: the axis counts in powers
    // of ten, where fixed labels would run to 130 digits, most of them not the value's.
    void hugeValuesAreLabelledInExponentForm()
    {
        const QFontMetricsF fm(QApplication::font());
        const auto space = [&fm](const QString &) { return 3 * fm.height(); };
        const AxisScale huge = ChooseAxisScale(0, 1.63e129, 400, space);
        QVERIFY(huge.exponentForm);
        QCOMPARE(TickLabel(huge.max, huge.decimals, huge.exponentForm), QStringLiteral("2,0E+129"));
        QCOMPARE(TickLabel(huge.max - huge.step, huge.decimals, huge.exponentForm),
            QStringLiteral("1,5E+129"));
        QVERIFY(!ChooseAxisScale(0, 1e14, 400, space).exponentForm);

        TDBChart chart(nullptr, QStringLiteral("DBChart1"));
        ShowLine(chart, { { 0, 1.76e33 }, { 1, 1.63e129 } });
        chart.UpdateAxes();
        QCOMPARE(chart.LeftAxis()->labelFormat(), QStringLiteral("%.1E"));
        QCOMPARE(chart.BottomAxis()->labelFormat(), QStringLiteral("%.1f"));
    }

    // Dragging towards the lower right zooms both axes to the rectangle drawn, and the zoom
    // outlives new series; a drag back towards the upper left fits the axes to the data again,
    // and so does removing all series. Only a click without a drag is a click.
    void aDragZoomsBothAxesAndADragBackUndoesIt()
    {
        TDBChart chart(nullptr, QStringLiteral("DBChart1"));
        ShowLine(chart, { { 0, 0 }, { 1, 10 } });
        QSignalSpy clicks(&chart, &TDBChart::clicked);
        QWidget *view = chart.viewport();
        const QRubberBand *band = view->findChild<QRubberBand *>();
        QVERIFY(band);
        const auto at = [&](double x, double y) {
            return chart.mapFromScene(
                chart.chart()->mapToScene(chart.chart()->mapToPosition({ x, y })));
        };
        const auto shows = [&](double lowX, double highX, double lowY, double highY) {
            const QValueAxis *b = chart.BottomAxis();
            const QValueAxis *l = chart.LeftAxis();
            return std::abs(b->min() - lowX) < 0.01 && std::abs(b->max() - highX) < 0.01
                && std::abs(l->min() - lowY) < 0.1 && std::abs(l->max() - highY) < 0.1;
        };
        QVERIFY(shows(0, 1, 0, 10));
        const double fittedStep = chart.BottomAxis()->tickInterval();

        QTest::mousePress(view, Qt::LeftButton, {}, at(0.2, 7));
        QTest::mouseMove(view, at(0.4, 5));
        QVERIFY(band->isVisible());
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(0.6, 3));
        QVERIFY(!band->isVisible());
        QTRY_VERIFY(shows(0.2, 0.6, 3, 7));
        // Ticks as fine as the labels allow, the first one the first whole step inside.
        const QValueAxis *b = chart.BottomAxis();
        QVERIFY(b->tickInterval() < fittedStep);
        QVERIFY(b->tickAnchor() >= b->min() && b->tickAnchor() < b->min() + b->tickInterval());

        auto *points = new TPointSeries(&chart);
        points->AddXY(5, 50);
        chart.AddSeries(points);
        QTest::qWait(50);
        QVERIFY(shows(0.2, 0.6, 3, 7));

        QTest::mouseClick(view, Qt::LeftButton, {}, at(0.4, 5));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(shows(0.2, 0.6, 3, 7));

        QTest::mousePress(view, Qt::LeftButton, {}, at(0.5, 4));
        QTest::mouseMove(view, at(0.3, 6));
        QVERIFY(!band->isVisible());
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(0.3, 6));
        QTRY_VERIFY(shows(0, 5, 0, 50));
        QCOMPARE(clicks.count(), 1);

        QTest::mousePress(view, Qt::LeftButton, {}, at(1, 40));
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(2, 20));
        QTRY_VERIFY(shows(1, 2, 20, 40));
        chart.RemoveAllSeries();
        QVERIFY(shows(0, 1, 0, 1));
        QTest::qWait(50);
        QVERIFY(shows(0, 1, 0, 1));
        QCOMPARE(clicks.count(), 1);
    }

    void formShowRunsOnEveryShowAndEscDoesNotClose()
    {
        ShowCounter form;
        form.show();
        form.hide();
        form.show();
        QCOMPARE(form.shows, 2);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&form, &esc);
        QVERIFY(form.isVisible());
        form.Close();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.ModalResult(), int(mrCancel));
    }

    void aFailingHandlerShowsItsMessageAndTheProgramGoesOn()
    {
        ServiceDoubles doubles;
        Failing target;
        QAction source(nullptr);
        OnEvent(&source, &QAction::triggered, &target, &Failing::Raise);
        source.trigger();
        source.trigger();
        QCOMPARE(doubles.dialogs->Texts(QStringLiteral("Exception")),
            QStringList(
                { "'x' is not a valid integer value", "'x' is not a valid integer value" }));
    }

    void timerEnableDoesNotRestartARunningTimer()
    {
        TTimer timer(nullptr, QStringLiteral("Timer1"), 10, true);
        QVERIFY(timer.Enabled());
        QTest::qWait(6);
        const int left = timer.remainingTime();
        timer.SetEnabled(true);
        QVERIFY(timer.remainingTime() <= left);
        timer.SetEnabled(false);
        QVERIFY(!timer.Enabled());
    }

    void speedButtonCaptionColourStaysGreyWhenDisabled()
    {
        TSpeedButton button(
            nullptr, QStringLiteral("sbOK"), QStringLiteral("OK"), false, QStringLiteral("hint"));
        button.SetFontColor(clGreen);
        QVERIFY(!button.isEnabled());
        QCOMPARE(button.toolTip(), QStringLiteral("hint"));
        QCOMPARE(button.palette().color(QPalette::Active, QPalette::ButtonText), QColor(0, 128, 0));
        QCOMPARE(button.palette().color(QPalette::Disabled, QPalette::ButtonText),
            QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
    }

    void theModalRunnerRunsTheScriptInsideTheShow()
    {
        ServiceDoubles doubles;
        ShowCounter form;
        bool visibleInside = false;
        doubles.modal.Script(QStringLiteral("fmCounter"), [&](TForm &f) {
            visibleInside = f.isVisible();
            f.SetModalResult(mrOk);
        });
        QCOMPARE(form.ShowModal(), int(mrOk));
        QVERIFY(visibleInside);
        QCOMPARE(form.shows, 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(doubles.modal.shownForms, QStringList({ "fmCounter" }));
    }
};

VIRELT_TEST(ControlsTest)
#include "ControlsTest.moc"
