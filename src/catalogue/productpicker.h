#ifndef PRODUCTPICKER_H
#define PRODUCTPICKER_H

#include <QSize>
#include <QString>

class QWidget;

// The product picker as other screens open it: shows the catalogue in a modal dialog of the given
// size over parent (the main window when none is given) and returns the code of the product
// double-clicked there, or an empty string when the picker was closed without a choice.
QString PickProductCode(QWidget* parent, const QSize& size);

#endif // PRODUCTPICKER_H
