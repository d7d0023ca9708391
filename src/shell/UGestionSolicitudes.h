// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The application list: a borderless window, shown modally by the load
// command, that lists the data files of the data folder by name and lets the
// user pick one, create a new name or delete a file. It returns the chosen
// name; the main window loads it.

#include <QDialog>

class QLabel;
class QListWidget;
class QToolButton;
class TPrompts;

class TFSolicitudes : public QDialog
{
    Q_OBJECT

public:
    explicit TFSolicitudes(TPrompts &prompts, QWidget *parent = nullptr);

    // The selected name, or "" when none is selected.
    QString Solicitante() const;

    // Reads the data folder again and selects the first name.
    void RefreshView();
    void RefreshButtonsState();

    void sbCrearClick();
    void sbAbrirClick();
    void sbBorrarClick();
    void sbSalirClick();

    // What the create button makes of a typed name: a-z upper-cased, and every
    // character but the blank, "&", 0-9, A-Z and Á Ç É Í Ñ Ó Ú Ü made a blank.
    static QString NombreNormalizado(const QString &typed);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Existe(const QString &nombre) const;

    TPrompts &_prompts;
    QListWidget *sgSolicitudes;
    QLabel *lblVacia;
    QToolButton *sbCrear;
    QToolButton *sbAbrir;
    QToolButton *sbBorrar;
    QToolButton *sbSalir;
};
