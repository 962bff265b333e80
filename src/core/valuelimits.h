#ifndef VALUELIMITS_H
#define VALUELIMITS_H

#include <QtGlobal>

// The largest values the forms accept, so that every stored number fits its column and the
// sales screen's boxes, and stock arithmetic in sub-items never wraps around.
namespace ValueLimits {

// A price fits the ten characters of the till's boxes: 9999999.99.
inline constexpr qint64 MAX_PRICE_CENTS = Q_INT64_C(999999999);
// Units or loose sub-items of one stock batch.
inline constexpr qint64 MAX_STOCK_COUNT = Q_INT64_C(999999999);
// Sub-items in one unit of a product.
inline constexpr qint64 MAX_ITEMS_PER_UNIT = Q_INT64_C(1000000);

} // namespace ValueLimits

#endif // VALUELIMITS_H
