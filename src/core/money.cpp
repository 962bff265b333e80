#include "core/money.h"

#include <cmath>

bool ParseScaledDecimal(const QString& input, int decimals, qint64 maxAbs, qint64* out)
{
    const QString text = input.trimmed();
    int pos = 0;
    const int size = text.size();
    bool negative = false;
    if (pos < size && (text.at(pos) == QLatin1Char('-') || text.at(pos) == QLatin1Char('+'))) {
        negative = text.at(pos) == QLatin1Char('-');
        ++pos;
    }
    QString digits; // mantissa digits without the point, leading zeros dropped
    int fractionDigits = 0;
    int mantissaDigits = 0;
    bool inFraction = false;
    for (; pos < size; ++pos) {
        const QChar c = text.at(pos);
        if (c == QLatin1Char('.') && !inFraction) {
            inFraction = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        ++mantissaDigits;
        if (inFraction)
            ++fractionDigits;
        if (!(digits.isEmpty() && c == QLatin1Char('0')))
            digits.append(c);
    }
    if (mantissaDigits == 0)
        return false;
    int exponent = 0;
    if (pos < size && (text.at(pos) == QLatin1Char('e') || text.at(pos) == QLatin1Char('E'))) {
        ++pos;
        bool negativeExponent = false;
        if (pos < size && (text.at(pos) == QLatin1Char('-') || text.at(pos) == QLatin1Char('+'))) {
            negativeExponent = text.at(pos) == QLatin1Char('-');
            ++pos;
        }
        int exponentDigits = 0;
        for (; pos < size && text.at(pos) >= QLatin1Char('0') && text.at(pos) <= QLatin1Char('9');
             ++pos) {
            if (exponent < 10000)
                exponent = exponent * 10 + (text.at(pos).unicode() - '0');
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != size)
        return false;

    if (digits.isEmpty()) {
        *out = 0;
        return true;
    }
    // The value is digits × 10^(exponent − fractionDigits); scaled, × 10^decimals.
    const int shift = exponent - fractionDigits + decimals;
    const int kept = digits.size() + shift; // digits left of the scaled value's point
    if (kept > 18)
        return false;
    qint64 value = 0;
    for (int i = 0; i < kept; ++i)
        value = value * 10 + (i < digits.size() ? digits.at(i).unicode() - '0' : 0);
    // Half away from zero: the first dropped digit decides.
    if (kept >= 0 && kept < digits.size() && digits.at(kept) >= QLatin1Char('5'))
        ++value;
    if (value > maxAbs)
        return false;
    *out = negative ? -value : value;
    return true;
}

qint64 RoundedQuotient(__int128 numerator, __int128 denominator)
{
    const bool negative = numerator < 0;
    const __int128 magnitude = negative ? -numerator : numerator;
    const __int128 rounded = (magnitude * 2 + denominator) / (denominator * 2);
    return static_cast<qint64>(negative ? -rounded : rounded);
}

Money Money::Parse(const QString& text, bool* ok)
{
    qint64 cents = 0;
    const bool parsed = ParseScaledDecimal(text, 2, MAX_ABS_CENTS, &cents);
    if (ok)
        *ok = parsed;
    return Money(parsed ? cents : 0);
}

Money Money::FromDouble(double value, bool* ok)
{
    const double scaled = value * 100.0;
    const bool fits =
        std::isfinite(scaled) && std::fabs(scaled) <= static_cast<double>(MAX_ABS_CENTS);
    if (ok)
        *ok = fits;
    // std::llround rounds halves away from zero.
    return Money(fits ? std::llround(scaled) : 0);
}

QString Money::ToString() const
{
    const qint64 magnitude = m_cents < 0 ? -m_cents : m_cents;
    QString text = QString::number(magnitude / 100) + QLatin1Char('.') +
                   QString::number(magnitude % 100).rightJustified(2, QLatin1Char('0'));
    if (m_cents < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString Money::ToPlainString() const
{
    QString text = ToString();
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

Percent Percent::Parse(const QString& text, bool* ok)
{
    qint64 units = 0;
    const bool parsed = ParseScaledDecimal(text, 4, Money::MAX_ABS_CENTS, &units);
    if (ok)
        *ok = parsed;
    return Percent(parsed ? units : 0);
}

Percent Percent::FromDouble(double value)
{
    const double scaled = value * static_cast<double>(SCALE);
    if (!std::isfinite(scaled) || std::fabs(scaled) > static_cast<double>(Money::MAX_ABS_CENTS))
        return Percent();
    return Percent(std::llround(scaled));
}
