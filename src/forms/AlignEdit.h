// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The single-line text box of every text field of the questionnaire pages: a
// line edit with the property Alignment (left, centred or right) and the
// option of upper-casing what is typed or pasted.

#include <QLineEdit>

class TAlignEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(TAlign Alignment READ Alignment WRITE SetAlignment)

public:
    enum TAlign
    {
        eaLeft,
        eaCenter,
        eaRight
    };
    Q_ENUM(TAlign)

    explicit TAlignEdit(QWidget *parent = nullptr);

    TAlign Alignment() const { return _alignment; }
    void SetAlignment(TAlign alignment);

    bool UpperCase() const { return _upperCase; }
    // Upper boxes turn every letter the user types or pastes into a capital.
    void SetUpperCase(bool upper);

private:
    void UpperCaseEdit(const QString &text);

    TAlign _alignment = eaLeft;
    bool _upperCase = false;
};
