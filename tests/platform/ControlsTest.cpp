#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/DBControls.h"
#include "platform/Forms.h"
#include "platform/Paths.h"
#include "platform/SqlConnection.h"
#include "support/Doubles.h"
#include "support/Fixture.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QKeyEvent>
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
                 QStringList({ "'x' is not a valid integer value",
                               "'x' is not a valid integer value" }));
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
        TSpeedButton button(nullptr, QStringLiteral("sbOK"), QStringLiteral("OK"), false,
                            QStringLiteral("hint"));
        button.SetFontColor(clGreen);
        QVERIFY(!button.isEnabled());
        QCOMPARE(button.toolTip(), QStringLiteral("hint"));
        QCOMPARE(button.palette().color(QPalette::Active, QPalette::ButtonText),
                 QColor(0, 128, 0));
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
