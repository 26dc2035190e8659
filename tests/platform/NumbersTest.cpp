#include "platform/Fixed.h"
#include "platform/MathErrors.h"
#include "platform/Numbers.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Numbers;

class NumbersTest : public QObject
{
    Q_OBJECT
private slots:
    void trimRemovesBlanksAndControlCharactersOnly()
    {
        QCOMPARE(Trim(QStringLiteral(" \t 673\r\n ")), QStringLiteral("673"));
        QCOMPARE(Trim(QString(QChar(0x00A0)) + "5"), QString(QChar(0x00A0)) + "5");
        QCOMPARE(Trim(QStringLiteral("   ")), QString());
    }

    void integersConvertOrRaise()
    {
        QCOMPARE(StrToInt(QStringLiteral("673")), 673);
        QCOMPARE(StrToInt(QStringLiteral(" -12")), -12);
        for (const char *bad : { "", "12,5", "1e3", "abc", "99999999999", "٣" }) {
            try {
                StrToInt(QString::fromUtf8(bad));
                QFAIL(bad);
            } catch (const EConvertError &e) {
                QCOMPARE(e.Message(), QStringLiteral("'%1' is not a valid integer value")
                                          .arg(QString::fromUtf8(bad)));
            }
        }
    }

    void floatsExpectTheDecimalComma()
    {
        QCOMPARE(double(StrToFloat(QStringLiteral("12,5"))), 12.5);
        QCOMPARE(double(StrToFloat(QStringLiteral("673"))), 673.0);
        QCOMPARE(double(StrToFloat(QStringLiteral(",25"))), 0.25);
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToFloat(QStringLiteral("12.5")));
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToFloat(QStringLiteral("1,2,3")));
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToFloat(QString()));
    }

    void generalFormatUsesUpToFifteenDigits()
    {
        QCOMPARE(FloatToStr(0.5), QStringLiteral("0,5"));
        QCOMPARE(FloatToStr(673), QStringLiteral("673"));
        QCOMPARE(FloatToStr(-12.25), QStringLiteral("-12,25"));
        QCOMPARE(FloatToStr(0.1), QStringLiteral("0,1"));
        QCOMPARE(FloatToStr(1e-5), QStringLiteral("1E-5"));
        QCOMPARE(FloatToStr(0.0001), QStringLiteral("0,0001"));
        QCOMPARE(FloatToStr(1e15), QStringLiteral("1E+15"));
        QCOMPARE(FloatToStrWith(8.0941, u'.'), QStringLiteral("8.0941"));
    }

    void displayFormatKeepsAtMostTwoDecimals()
    {
        const QString f = QStringLiteral("#.##");
        QCOMPARE(FormatFloat(f, 7.256), QStringLiteral("7,26"));
        QCOMPARE(FormatFloat(f, 7.2), QStringLiteral("7,2"));
        QCOMPARE(FormatFloat(f, 0.5), QStringLiteral(",5"));
        QCOMPARE(FormatFloat(f, 8.0), QStringLiteral("8"));
        QCOMPARE(FormatFloat(f, -1.234), QStringLiteral("-1,23"));
        QCOMPARE(FormatFloat(f, 0.0), QString());
        QCOMPARE(FormatFloat(f, 2.675), QStringLiteral("2,67")); // 2.67499999... in binary
        QCOMPARE(FormatFloat(QStringLiteral("0.00"), 0.5), QStringLiteral("0,50"));
        // Past what a 64-bit integer holds: in full, or in exponent form, never empty.
        QCOMPARE(FormatFloat(f, 2e17), QStringLiteral("200000000000000000"));
        QCOMPARE(FormatFloat(f, 1e19), QStringLiteral("1E+19"));
        QCOMPARE(FormatFloat(f, -3.5e104), QStringLiteral("-3,5E+104"));
    }

    void fixedPointRoundsToNearestTiesToEven()
    {
        QCOMPARE(Fixed(0.03125L).Raw(), qint64(312)); // 312.5 exactly
        QCOMPARE(Fixed(0.09375L).Raw(), qint64(938)); // 937.5 exactly
        QCOMPARE(Fixed(-0.03125L).Raw(), qint64(-312));
        QCOMPARE(Fixed(10.5L).Raw(), qint64(105000));
        QCOMPARE(Fixed(673).Raw(), qint64(6730000));
        QCOMPARE(Fixed(8.09412345L).Raw(), qint64(80941));
        const Fixed x = 0.72L;
        const Fixed y = x * 2; // long double in between, rounded on assignment
        QCOMPARE(y.Raw(), qint64(14400));
        QCOMPARE(Fixed::FromRaw(105000).ToDouble(), 10.5);
    }

    void fixedPointRefusesWhatItCannotHold()
    {
        QVERIFY_THROWS_EXCEPTION(EMathError, Fixed(1e300L));
        QVERIFY_THROWS_EXCEPTION(EMathError, Fixed(std::nanl("")));
        QVERIFY_THROWS_EXCEPTION(EMathError, CheckedDivide(1, 0));
        QVERIFY_THROWS_EXCEPTION(EMathError, CheckedLn(0));
        QVERIFY_THROWS_EXCEPTION(EMathError, CheckedLn(-1));
        QCOMPARE(double(CheckedDivide(1, 4)), 0.25);
    }
};

VIRELT_TEST(NumbersTest)
#include "NumbersTest.moc"
