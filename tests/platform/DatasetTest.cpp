#include "platform/Dataset.h"
#include "platform/Paths.h"
#include "platform/SqlConnection.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// A small database folder that each test writes itself.
class SmallDatabase
{
public:
    SmallDatabase()
    {
        const QString name = QStringLiteral("writer");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(Paths::DatabaseFile(folder.path()));
            db.open();
            QSqlQuery q(db);
            for (const char *sql : {
                     "CREATE TABLE T (ID INTEGER, X REAL, A REAL, B REAL, NAME TEXT)",
                     "INSERT INTO T VALUES (1, 0.2, 10.0, 0.5, 'Ag-Sn')",
                     "INSERT INTO T VALUES (2, 0.5, 100.0, 8.0, 'Bi-Sn')",
                     "INSERT INTO T VALUES (3, 0.8, 7.0, NULL, NULL)",
                     "CREATE TABLE U (ID INTEGER, NAME TEXT)",
                     "INSERT INTO U VALUES (7, 'joined')",
                     "CREATE TABLE W (X REAL, VISCO REAL, UKLAD TEXT)",
                     "CREATE TABLE N (X REAL, NR INTEGER)",
                     "INSERT INTO N VALUES ('abc', '7a')",
                 })
                q.exec(QString::fromLatin1(sql));
        }
        QSqlDatabase::removeDatabase(name);
    }
    ~SmallDatabase() { SqlConnection::CloseAll(); }
    QTemporaryDir folder;
};

class DatasetTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { SqlConnection::CloseAll(); }

    void parametersAreSetByNameEverywhereTheyOccur()
    {
        SmallDatabase db;
        TQuery q(nullptr, QStringLiteral("qrT"));
        q.SetDatabaseName(db.folder.path());
        q.SetSQL({ QStringLiteral("SELECT X, A+ B *:t1 V FROM T"),
                   QStringLiteral("WHERE (ID =:lId) OR (ID =:lId + 1) ORDER BY X") });
        QCOMPARE(q.ParamNames(), QStringList({ "t1", "lId" }));
        q.ParamByName(QStringLiteral("T1")).SetValue(2);
        q.ParamByName(QStringLiteral("lId")).SetValue(1);
        q.Open();
        QCOMPARE(q.RecordCount(), 2);
        QCOMPARE(q.FieldByName(QStringLiteral("V")).AsFloat(), 11.0);
        q.Next();
        QCOMPARE(q.FieldByName(QStringLiteral("v")).AsFloat(), 116.0); // REAL keeps 100/8 exact
        try {
            q.ParamByName(QStringLiteral("lUklad"));
            QFAIL("an unknown parameter must raise");
        } catch (const EDatabaseError &e) {
            QCOMPARE(e.Message(), QStringLiteral("qrT: Parameter 'lUklad' not found"));
        }
    }

    void aParameterWithoutValueFailsTheOpenAndNullPassesThrough()
    {
        SmallDatabase db;
        TQuery q(nullptr, QStringLiteral("q"));
        q.SetDatabaseName(db.folder.path());
        q.SetSQL({ QStringLiteral("SELECT A+ B *:t2 V FROM T WHERE ID = :id") });
        q.ParamByName(QStringLiteral("id")).SetValue(1);
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, q.Open());
        QVERIFY(!q.Active());
        q.ParamByName(QStringLiteral("t2")).Clear();
        q.Open();
        QVERIFY(q.FieldByName(QStringLiteral("V")).IsNull());
        QVERIFY_THROWS_EXCEPTION(EConvertError, q.FieldByName(QStringLiteral("V")).AsInteger());
        QCOMPARE(q.FieldByName(QStringLiteral("V")).AsString(), QString());
    }

    void navigationAndEmptyResults()
    {
        SmallDatabase db;
        TQuery q(nullptr, QStringLiteral("q"));
        q.SetDatabaseName(db.folder.path());
        QVERIFY(q.IsEmpty()); // a closed dataset reads as empty
        QCOMPARE(q.RecordCount(), 0);
        q.SetSQL({ QStringLiteral("SELECT ID FROM T ORDER BY ID") });
        q.Open();
        QCOMPARE(q.RecNo(), 0);
        QVERIFY(q.Bof());
        QVERIFY(!q.Eof());
        q.Last();
        QVERIFY(q.Eof());
        QCOMPARE(q.FieldByName(QStringLiteral("ID")).AsInteger(), 3);
        q.Prior();
        QCOMPARE(q.FieldByName(QStringLiteral("ID")).AsInteger(), 2);
        q.First();
        int seen = 0;
        while (!q.Eof()) {
            ++seen;
            q.Next();
        }
        QCOMPARE(seen, 3);
        q.Close();
        q.SetSQL({ QStringLiteral("SELECT ID FROM T WHERE ID > 9") });
        q.Open();
        QVERIFY(q.IsEmpty());
        QVERIFY(q.Eof());
        QVERIFY(q.FieldByName(QStringLiteral("ID")).IsNull());
    }

    void persistentFieldsAreTheOnlyFieldsAndMustExist()
    {
        SmallDatabase db;
        TQuery q(nullptr, QStringLiteral("qrP"));
        q.SetDatabaseName(db.folder.path());
        q.AddPersistentField(QStringLiteral("X"), TFieldType::ftFloat);
        q.AddPersistentField(QStringLiteral("NAME"), TFieldType::ftString, 3);
        q.SetSQL({ QStringLiteral("SELECT ID, X, (T.NAME) FROM T ORDER BY ID") });
        q.Open();
        QCOMPARE(int(q.Fields().size()), 2);
        QVERIFY(q.FindField(QStringLiteral("ID")) == nullptr);
        QCOMPARE(q.FieldByName(QStringLiteral("name")).AsString(), QStringLiteral("Ag-"));
        q.SetSQL({ QStringLiteral("SELECT ID FROM T") });
        try {
            q.Open();
            QFAIL("a missing persistent field must fail the open");
        } catch (const EDatabaseError &e) {
            QCOMPARE(e.Message(), QStringLiteral("qrP: Field 'X' not found"));
        }
        QVERIFY(!q.Active());
        QVERIFY(q.FieldByName(QStringLiteral("X")).IsNull());
    }

    // A table that is not strict keeps text in a number column; reading it as a number is an
    // error, never 0.
    void textInANumberColumnIsAConversionError()
    {
        SmallDatabase db;
        TQuery q(nullptr, QStringLiteral("qrN"));
        q.SetDatabaseName(db.folder.path());
        TField *x = q.AddPersistentField(QStringLiteral("X"), TFieldType::ftFloat);
        TField *nr = q.AddPersistentField(QStringLiteral("NR"), TFieldType::ftInteger);
        q.SetSQL({ QStringLiteral("SELECT X, NR FROM N") });
        q.Open();
        QCOMPARE(x->AsString(), QStringLiteral("abc"));
        QCOMPARE(x->DisplayText(), QStringLiteral("abc"));
        try {
            x->AsFloat();
            QFAIL("text read as a number must raise");
        } catch (const EConvertError &e) {
            QCOMPARE(e.Message(), QStringLiteral("'abc' is not a valid floating point value"));
        }
        try {
            nr->AsInteger();
            QFAIL("text read as a number must raise");
        } catch (const EConvertError &e) {
            QCOMPARE(e.Message(), QStringLiteral("'7a' is not a valid integer value"));
        }
    }

    void fieldLookupIsCaseInsensitiveAndTakesTheFirstDuplicate()
    {
        SmallDatabase db;
        TQuery q(nullptr, QStringLiteral("q"));
        q.SetDatabaseName(db.folder.path());
        q.SetSQL({ QStringLiteral("SELECT * FROM U, T WHERE T.ID = 1") });
        q.Open();
        QCOMPARE(q.FieldByName(QStringLiteral("id")).AsInteger(), 7);
        QCOMPARE(q.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("joined"));
    }

    void reopeningQueriesAgainAndRejectedTextsFailToOpen()
    {
        SmallDatabase db;
        TTable w(nullptr, QStringLiteral("tblW"));
        w.SetDatabaseName(db.folder.path());
        w.SetTableName(QStringLiteral("W"));
        TQuery q(nullptr, QStringLiteral("q"));
        q.SetDatabaseName(db.folder.path());
        q.SetSQL({ QStringLiteral("SELECT X X, VISCO Visco, UKLAD SYSTEM FROM W") });
        q.Open();
        QCOMPARE(q.RecordCount(), 0);
        w.Open();
        w.AppendRecord({ { "X", 0.5 }, { "VISCO", 1.8 }, { "UKLAD", "Ag-Sn" } });
        QCOMPARE(w.RecordCount(), 1);
        q.Close();
        q.Open();
        QCOMPARE(q.RecordCount(), 1);
        QCOMPARE(q.FieldByName(QStringLiteral("SYSTEM")).AsString(), QStringLiteral("Ag-Sn"));
        w.EmptyTable();
        QCOMPARE(w.RecordCount(), 0);

        // Replacing all rows is one transaction: a row that fails keeps the old rows.
        w.ReplaceAll({ { { "X", 0.1 }, { "VISCO", 2.0 }, { "UKLAD", "a" } },
                       { { "X", 0.2 }, { "VISCO", 2.1 }, { "UKLAD", "b" } } });
        QCOMPARE(w.RecordCount(), 2);
        QVERIFY_THROWS_EXCEPTION(EDatabaseError,
                                 w.ReplaceAll({ { { "X", 0.3 } }, { { "NO_SUCH", 1 } } }));
        w.Close();
        w.Open();
        QCOMPARE(w.RecordCount(), 2);
        QCOMPARE(w.FieldByName(QStringLiteral("UKLAD")).AsString(), QStringLiteral("a"));
        w.EmptyTable();

        q.SetSQL({ QStringLiteral("SELECT X FROM T WHERE (DANE45.X = 1)") });
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, q.Open());
        QVERIFY(!q.Active());
        TTable closed(nullptr, QStringLiteral("tblClosed"));
        closed.SetDatabaseName(db.folder.path());
        closed.SetTableName(QStringLiteral("W"));
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, closed.AppendRecord({ { "X", 1.0 } }));
    }

    void aMissingDatabaseFailsAndIsNotCreated()
    {
        QTemporaryDir empty;
        TQuery q(nullptr, QStringLiteral("q"));
        q.SetDatabaseName(empty.path());
        q.SetSQL({ QStringLiteral("SELECT 1") });
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, q.Open());
        QVERIFY(!QFile::exists(Paths::DatabaseFile(empty.path())));
        TQuery unbound(nullptr, QStringLiteral("q2"));
        unbound.SetSQL({ QStringLiteral("SELECT 1") });
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, unbound.Open());
    }

    void controlsHearOfChangesUnlessDisabled()
    {
        SmallDatabase db;
        TQuery q(nullptr, QStringLiteral("q"));
        q.SetDatabaseName(db.folder.path());
        q.SetSQL({ QStringLiteral("SELECT ID FROM T ORDER BY ID") });
        TDataSource ds(nullptr, QStringLiteral("ds"), &q);
        QSignalSpy changed(&ds, &TDataSource::dataChanged);
        QSignalSpy scrolled(&ds, &TDataSource::scrolled);
        q.Open();
        QCOMPARE(changed.count(), 1);
        q.Next();
        QCOMPARE(scrolled.count(), 1);
        q.DisableControls();
        q.Next();
        q.First();
        QCOMPARE(scrolled.count(), 1);
        q.EnableControls();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(scrolled.count(), 2);
        QVERIFY(q.Locate(QStringLiteral("ID"), 3));
        QCOMPARE(q.RecNo(), 2);
        const TBookmark mark = q.GetBookmark();
        q.First();
        q.GotoBookmark(mark);
        QCOMPARE(q.FieldByName(QStringLiteral("ID")).AsInteger(), 3);
    }
};

VIRELT_TEST(DatasetTest)
#include "DatasetTest.moc"
