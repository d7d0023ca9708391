// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The about box: the product's name and version, what it is for and who
// makes it. Shown modally by the main window's about button.

#include <QDialog>

class TFAcercaDe : public QDialog
{
    Q_OBJECT

public:
    explicit TFAcercaDe(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
