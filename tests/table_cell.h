#pragma once

#include <QLineEdit>
#include <QVariant>
#include <QWidget>

// The cell of the data table in the column ("xv" or "yv") and row, or null.
inline QLineEdit* tableCell(const QWidget& form, const char* column, int row)
{
    for (QLineEdit* box : form.findChildren<QLineEdit*>(column))
        if (box->property("index").toInt() == row)
            return box;
    return nullptr;
}
