// SPDX-License-Identifier: EUPL-1.2
#include "AlignEdit.h"

TAlignEdit::TAlignEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &TAlignEdit::UpperCaseEdit);
}

void TAlignEdit::SetAlignment(TAlign alignment)
{
    _alignment = alignment;
    static constexpr Qt::Alignment kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    setAlignment(kHorizontal[alignment] | Qt::AlignVCenter);
}

void TAlignEdit::SetUpperCase(bool upper)
{
    _upperCase = upper;
}

// Runs on the user's edits only (textEdited), so text set by the program is
// shown as stored.
void TAlignEdit::UpperCaseEdit(const QString &text)
{
    if (!_upperCase)
        return;
    const QString upper = text.toUpper();
    if (upper == text)
        return;
    const int cursor = cursorPosition();
    setText(upper);
    setCursorPosition(cursor);
}
