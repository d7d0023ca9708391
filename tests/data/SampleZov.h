// SPDX-License-Identifier: EUPL-1.2
#pragma once

// Applications for the data tests: one with every field set to a value of its
// own, and the records that such an application reads back as.

#include "UDatos.h"

// Every string, number and flag given a distinct, non-default value; two
// members, the second without products. Spanish text throughout.
TDatosZOV FullApplication();

// What the reader gives back for a document written from the records: the
// fields the document does not carry, or that the reader derives, adjusted.
TDatosZOV AsReadBack(TDatosZOV zov);

// The whole document text of a written application, for whole-output checks.
QString WrittenText(TDatosRegistroZOV &datos);

// A loaded data object: the document from the bytes, then read into the records
// (after ClearZOV). Returns the object's error text, or "" on success.
QString LoadXml(TDatosRegistroZOV &datos, const QByteArray &xml);
