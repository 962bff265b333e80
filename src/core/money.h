#ifndef MONEY_H
#define MONEY_H

#include <QString>
#include <QtGlobal>

// An amount of money in whole cents. Amounts are kept exact in memory and rounded half away
// from zero to the cent only where an amount is shown or stored; the database columns stay REAL
// and receive the double nearest to the two-decimal value.
class Money
{
public:
    constexpr Money() = default;
    static constexpr Money FromCents(qint64 cents) { return Money(cents); }

    // Decimal text such as "12.34", "-5", "0.125" or "1e3", rounded half away from zero to the
    // cent. Blanks around the number are ignored. Text that is no number, or an amount beyond
    // MAX_ABS_CENTS, gives false in ok (when given) and 0.
    static Money Parse(const QString& text, bool* ok = nullptr);
    // A stored REAL value, rounded half away from zero to the cent (0 when not finite or too
    // large).
    static Money FromDouble(double value, bool* ok = nullptr);

    constexpr qint64 Cents() const { return m_cents; }
    // The double nearest to the two-decimal value, for the REAL columns.
    double ToDouble() const { return static_cast<double>(m_cents) / 100.0; }
    // Fixed point with two decimals, point as separator, no grouping: "-0.50", "65584.53".
    QString ToString() const;
    // The shortest plain text of the value: "0.3", "150", "-12.05"; never an exponent.
    QString ToPlainString() const;

    constexpr bool IsZero() const { return m_cents == 0; }

    constexpr Money operator-() const { return Money(-m_cents); }
    constexpr Money operator+(Money other) const { return Money(m_cents + other.m_cents); }
    constexpr Money operator-(Money other) const { return Money(m_cents - other.m_cents); }
    Money& operator+=(Money other)
    {
        m_cents += other.m_cents;
        return *this;
    }
    Money& operator-=(Money other)
    {
        m_cents -= other.m_cents;
        return *this;
    }
    constexpr bool operator==(Money other) const { return m_cents == other.m_cents; }
    constexpr bool operator!=(Money other) const { return m_cents != other.m_cents; }
    constexpr bool operator<(Money other) const { return m_cents < other.m_cents; }
    constexpr bool operator<=(Money other) const { return m_cents <= other.m_cents; }
    constexpr bool operator>(Money other) const { return m_cents > other.m_cents; }
    constexpr bool operator>=(Money other) const { return m_cents >= other.m_cents; }

    // Far beyond any till amount, and small enough that products of an amount with a count and
    // a percentage stay exact in 128-bit arithmetic.
    static constexpr qint64 MAX_ABS_CENTS = Q_INT64_C(100000000000000000); // 10^17

private:
    constexpr explicit Money(qint64 cents) : m_cents(cents) {}
    qint64 m_cents = 0;
};

// A percentage (discount or tax rate) held exactly in units of 1/10,000 of a percent: 8.5 % is
// 85000. Rates with up to four decimals are exact.
class Percent
{
public:
    static constexpr qint64 SCALE = 10000; // units per percent

    constexpr Percent() = default;
    static constexpr Percent FromUnits(qint64 units) { return Percent(units); }
    // Decimal text such as "8.5" or "12.3456"; further decimals are rounded half away from zero.
    static Percent Parse(const QString& text, bool* ok = nullptr);
    // A stored REAL rate such as 5.0999999 (float noise), rounded to four decimals.
    static Percent FromDouble(double value);

    constexpr qint64 Units() const { return m_units; }

private:
    constexpr explicit Percent(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

// Reads decimal text exactly ("12.34", "-0.125", "1e3", blanks around allowed) and gives it
// multiplied by 10^decimals, rounded half away from zero. False when the text is no number or the
// scaled value is beyond maxAbs.
bool ParseScaledDecimal(const QString& text, int decimals, qint64 maxAbs, qint64* value);

// numerator / denominator rounded half away from zero; the denominator must be positive.
qint64 RoundedQuotient(__int128 numerator, __int128 denominator);

// The widest amounts the sales screen's totals boxes can show in their 10 characters.
namespace TillLimits {
inline constexpr qint64 MAX_BOX_CENTS = Q_INT64_C(999999999); // 9999999.99
inline constexpr qint64 MIN_BOX_CENTS = Q_INT64_C(-99999999); // -999999.99
inline constexpr bool FitsBox(Money amount)
{
    return amount.Cents() >= MIN_BOX_CENTS && amount.Cents() <= MAX_BOX_CENTS;
}
} // namespace TillLimits

#endif // MONEY_H
