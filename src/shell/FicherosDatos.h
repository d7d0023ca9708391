// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The data files of the data folder, one per application, named after the
// applicant with the extension ".ZOV". Names match whatever their case on
// disk: an application saved as "ACME.ZOV" is found, loaded, replaced and
// deleted as "Acme" or "acme.zov", and no second file appears.

#include <QString>

#include <optional>

// The existing data file of the application named `nombre`, or nothing. An
// exact match is preferred to one that differs only in case.
std::optional<QString> FicheroDatosExistente(const QString &nombre);

// Where the application named `nombre` is read and written: its existing data
// file, else the data folder + `nombre` + ".ZOV".
QString RutaFicheroDatos(const QString &nombre);

// False for a name that cannot be a plain file name in the data folder: empty
// after trimming, "." or "..", or holding "/", "\" or a control character.
bool EsNombreFicheroValido(const QString &nombre);
